#include "platform/NameCollation.h"

#include <windows.h>

#include <climits>
#include <vector>

// Upper-cased with the invariant table, the one the case-blind ordinal
// comparison uses; a name then compares code unit by code unit.
void appendCaseBlindKey(std::string_view name, std::u16string& keys) {
  if (name.empty() || name.size() > INT_MAX) return;
  const int size = static_cast<int>(name.size());
  // Names from a folder search fit the stack; longer ones take the heap.
  wchar_t stackWide[MAX_PATH];
  wchar_t stackUpper[MAX_PATH];
  std::vector<wchar_t> heapWide;
  std::vector<wchar_t> heapUpper;
  wchar_t* wide = stackWide;
  wchar_t* upper = stackUpper;
  if (name.size() > MAX_PATH) {
    heapWide.resize(name.size());
    heapUpper.resize(name.size());
    wide = heapWide.data();
    upper = heapUpper.data();
  }
  const int units = MultiByteToWideChar(CP_ACP, 0, name.data(), size, wide, size);
  if (units <= 0) return;
  const int mapped = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide, units, upper, units, nullptr,
                                   nullptr, 0);
  const wchar_t* key = mapped == units ? upper : wide;
  keys.append(key, key + units);
}
