#include "ProcessUsage.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <vector>

namespace {

// The system's handle table (information class 16), as ntdll delivers it.
struct SystemHandleEntry {
  ULONG ownerProcessId;
  BYTE objectType;
  BYTE flags;
  USHORT value;
  PVOID object;
  ULONG access;
};
struct SystemHandleTable {
  ULONG count;
  SystemHandleEntry entries[1];
};
using QuerySystemInformation = LONG(WINAPI*)(int, PVOID, ULONG, PULONG);
constexpr int systemHandleInformation = 16;
constexpr LONG infoLengthMismatch = static_cast<LONG>(0xC0000004);

unsigned long countHandlesInSystemTable() {
  auto query = reinterpret_cast<QuerySystemInformation>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  std::vector<char> buffer(1 << 20);
  ULONG length = 0;
  LONG status;
  while ((status = query(systemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &length)) ==
         infoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return 0;
  const auto* table = reinterpret_cast<const SystemHandleTable*>(buffer.data());
  unsigned long own = 0;
  for (ULONG i = 0; i < table->count; ++i) {
    if (table->entries[i].ownerProcessId == GetCurrentProcessId()) ++own;
  }
  return own;
}

unsigned long countThreads() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  unsigned long own = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++own;
  }
  CloseHandle(snapshot);
  return own;
}

}  // namespace

ProcessUsage ProcessUsage::now() {
  ProcessUsage usage;
  DWORD handles = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &handles)) usage.handles = handles;
  if (usage.handles == 0) usage.handles = countHandlesInSystemTable();
  usage.threads = countThreads();
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters)) {
    usage.privateBytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  }
  return usage;
}
