#include "ui/PendingDialogs.h"

#include <windows.h>

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

namespace {
using Waiting = std::pair<DWORD, void*>;

std::mutex& waitingLock() {
  static std::mutex lock;
  return lock;
}

std::vector<Waiting>& waiting() {
  static std::vector<Waiting> objects;
  return objects;
}
}  // namespace

void PendingDialogs::expect(void* object) {
  std::lock_guard<std::mutex> guard(waitingLock());
  waiting().emplace_back(GetCurrentThreadId(), object);
}

void* PendingDialogs::take() {
  std::lock_guard<std::mutex> guard(waitingLock());
  const DWORD thread = GetCurrentThreadId();
  auto found = std::find_if(waiting().rbegin(), waiting().rend(),
                            [thread](const Waiting& w) { return w.first == thread; });
  if (found == waiting().rend()) return nullptr;
  void* object = found->second;
  waiting().erase(std::next(found).base());
  return object;
}

void PendingDialogs::withdraw(void* object) {
  std::lock_guard<std::mutex> guard(waitingLock());
  const Waiting entry{GetCurrentThreadId(), object};
  waiting().erase(std::remove(waiting().begin(), waiting().end(), entry), waiting().end());
}
