#include "ui/ListMenu.h"

#include "resources/resource.h"
#include "ui/MenuText.h"

const std::size_t ListMenu::capacity = ID_DYNAMIC_LAST - ID_DYNAMIC_FIRST + 1;

HMENU ListMenu::build(const std::vector<std::string>& entries) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return nullptr;
  const std::size_t shown = entries.size() < capacity ? entries.size() : capacity;
  for (std::size_t index = 0; index < shown; ++index) {
    AppendMenuA(menu, MF_STRING, ID_DYNAMIC_FIRST + index, MenuText::of(entries[index]).c_str());
  }
  return menu;
}

void ListMenu::showOver(HWND owner, HWND anchor, const std::vector<std::string>& entries) {
  RECT anchorRect = {};
  GetWindowRect(anchor, &anchorRect);
  HMENU menu = build(entries);
  if (menu == nullptr) return;
  TrackPopupMenu(menu, TPM_LEFTBUTTON, anchorRect.left, anchorRect.top, 0, owner, nullptr);
  DestroyMenu(menu);
}
