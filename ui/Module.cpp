#include "ui/Module.h"

#include "ui/MessageLoop.h"

namespace {
HINSTANCE moduleInstance = nullptr;
DWORD mainThread = 0;
}  // namespace

void Module::start(HINSTANCE instance) {
  moduleInstance = instance;
  mainThread = GetCurrentThreadId();
}

void Module::end() { MessageLoop::forgetAllThreads(); }

HINSTANCE Module::instance() { return moduleInstance ? moduleInstance : GetModuleHandleA(nullptr); }

DWORD Module::mainThreadId() { return mainThread; }
