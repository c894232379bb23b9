#include "ui/MessageLoop.h"

#include <map>
#include <mutex>

namespace {
// The caret's blink timer: like mouse moves and paints, not something the user did.
constexpr UINT caretBlinkTimer = 0x0118;

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

void MessageLoop::addIdleHandler(IdleHandler& handler) { idleHandlers.push_back(&handler); }

int MessageLoop::run() {
  bool idle = true;
  for (;;) {
    while (idle && !PeekMessageA(&currentMessage, nullptr, 0, 0, PM_NOREMOVE)) {
      runIdleHandlers();
      idle = false;
    }
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
    if (countsAsActivity(currentMessage.message)) idle = true;
  }
}

bool MessageLoop::countsAsActivity(UINT message) {
  return message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE && message != WM_PAINT &&
         message != caretBlinkTimer;
}

void MessageLoop::runIdleHandlers() {
  for (IdleHandler* handler : idleHandlers) handler->onIdle();
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
