#include "platform/NameCollation.h"

#include <windows.h>

#include <climits>
#include <string>

#include "platform/WideText_win32.h"

// Upper-cased with the invariant table, the one the case-blind ordinal
// comparison uses; a name then compares code unit by code unit.
void appendCaseBlindKey(std::string_view name, std::u16string& keys) {
  const std::wstring wide = wideForSorting(name);
  if (wide.empty() || wide.size() > INT_MAX) return;
  const int units = static_cast<int>(wide.size());
  std::wstring upper(wide.size(), L'\0');
  const int mapped =
      LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), units, &upper[0], units, nullptr, nullptr, 0);
  const std::wstring& key = mapped == units ? upper : wide;
  keys.append(key.begin(), key.end());
}
