#include "ui/Module.h"

#include "ui/MessageLoop.h"

namespace {
HINSTANCE moduleInstance = nullptr;
}  // namespace

void Module::start(HINSTANCE instance) { moduleInstance = instance; }

void Module::end() { MessageLoop::forgetAllThreads(); }

HINSTANCE Module::instance() { return moduleInstance ? moduleInstance : GetModuleHandleA(nullptr); }
