#include "ProcessUsage.h"

#include <windows.h>
#include <psapi.h>

ProcessUsage ProcessUsage::now() {
  ProcessUsage usage;
  DWORD handles = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &handles)) usage.handles = handles;
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters)) {
    usage.privateBytes = counters.PrivateUsage;
  }
  return usage;
}
