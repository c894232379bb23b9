#include "library/NameOrder.h"

#include <algorithm>
#include <cstdint>

#include "platform/NameCollation.h"

namespace {

struct SortItem {
  // The first four code units of the key, so that most comparisons stay in
  // the sorted array; names hold no code unit 0, so a short key sorts first.
  std::uint64_t head;
  std::uint32_t position;
};

std::uint64_t headOf(const std::u16string& key) {
  std::uint64_t head = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    head = (head << 16) | (i < key.size() ? key[i] : 0);
  }
  return head;
}

}  // namespace

std::vector<std::size_t> nameOrder(const std::vector<std::string_view>& names) {
  std::vector<std::u16string> keys;
  keys.reserve(names.size());
  std::vector<SortItem> items;
  items.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    keys.push_back(caseBlindKey(names[i]));
    items.push_back(SortItem{headOf(keys.back()), static_cast<std::uint32_t>(i)});
  }
  std::sort(items.begin(), items.end(), [&](const SortItem& a, const SortItem& b) {
    if (a.head != b.head) return a.head < b.head;
    int byKey = keys[a.position].compare(keys[b.position]);
    if (byKey != 0) return byKey < 0;
    return names[a.position] < names[b.position];
  });
  std::vector<std::size_t> order;
  order.reserve(items.size());
  for (const SortItem& item : items) order.push_back(item.position);
  return order;
}

void sortByName(std::vector<std::string>& names) {
  const std::vector<std::string_view> views(names.begin(), names.end());
  std::vector<std::string> sorted;
  sorted.reserve(names.size());
  for (std::size_t position : nameOrder(views)) sorted.push_back(std::move(names[position]));
  names = std::move(sorted);
}
