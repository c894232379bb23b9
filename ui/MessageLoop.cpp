#include "ui/MessageLoop.h"

#include <map>
#include <mutex>

namespace {
std::mutex& loopsLock() {
  static std::mutex lock;
  return lock;
}

std::map<DWORD, MessageLoop*>& loopsByThread() {
  static std::map<DWORD, MessageLoop*> loops;
  return loops;
}
}  // namespace

void MessageLoop::addMessageFilter(MessageFilter& filter) { filters.push_back(&filter); }

int MessageLoop::run() {
  for (;;) {
    const BOOL got = GetMessageA(&currentMessage, nullptr, 0, 0);
    if (got == -1) continue;
    if (got == 0) return static_cast<int>(currentMessage.wParam);

    bool consumed = false;
    for (auto filter = filters.rbegin(); filter != filters.rend() && !consumed; ++filter) {
      consumed = (*filter)->preTranslate(currentMessage);
    }
    if (!consumed) {
      TranslateMessage(&currentMessage);
      DispatchMessageA(&currentMessage);
    }
  }
}

MessageLoop* MessageLoop::current() {
  std::lock_guard<std::mutex> guard(loopsLock());
  auto found = loopsByThread().find(GetCurrentThreadId());
  return found == loopsByThread().end() ? nullptr : found->second;
}

MessageLoop::ThreadRegistration::ThreadRegistration(MessageLoop& loop) {
  std::lock_guard<std::mutex> guard(loopsLock());
  loopsByThread()[GetCurrentThreadId()] = &loop;
}

MessageLoop::ThreadRegistration::~ThreadRegistration() {
  std::lock_guard<std::mutex> guard(loopsLock());
  loopsByThread().erase(GetCurrentThreadId());
}

void MessageLoop::forgetAllThreads() {
  std::lock_guard<std::mutex> guard(loopsLock());
  loopsByThread().clear();
}
