#include "platform/NameCollation.h"

#include <windows.h>

#include <vector>

// Upper-cased with the invariant table, the one the case-blind ordinal
// comparison uses; a name then compares code unit by code unit.
std::u16string caseBlindKey(std::string_view name) {
  if (name.empty() || name.size() > INT_MAX) return std::u16string();
  const int size = static_cast<int>(name.size());
  std::vector<wchar_t> wide(name.size());
  const int units = MultiByteToWideChar(CP_ACP, 0, name.data(), size, wide.data(), size);
  if (units <= 0) return std::u16string();
  std::vector<wchar_t> upper(static_cast<std::size_t>(units));
  LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), units, upper.data(), units,
                nullptr, nullptr, 0);
  return std::u16string(upper.begin(), upper.end());
}
