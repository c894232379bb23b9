#pragma once
// The group and track pop-up menus: one item per entry, with the identifiers of
// the dynamic range in entry order.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

class ListMenu {
 public:
  // As many items as the dynamic range has identifiers, so that every item shown
  // can be chosen; the entries after that many are not shown.
  static const std::size_t capacity;

  // A pop-up whose item i has identifier ID_DYNAMIC_FIRST + i and the text of
  // entry i. The caller destroys it.
  static HMENU build(const std::vector<std::string>& entries);
  // Shows the entries with the menu's top-left corner on the anchor's, owned by
  // owner; a chosen item reaches owner afterwards as a command.
  static void showOver(HWND owner, HWND anchor, const std::vector<std::string>& entries);
};
