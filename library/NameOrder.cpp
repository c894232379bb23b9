#include "library/NameOrder.h"

#include <algorithm>
#include <cstdint>

#include "platform/NameCollation.h"

namespace {

struct SortItem {
  // The first eight code units of the key, so that most comparisons need
  // nothing but the item; names hold no code unit 0, so a shorter key sorts
  // first.
  std::uint64_t head;
  std::uint64_t nextHead;
  std::u16string_view key;
  std::size_t position;
};

std::uint64_t headOf(std::u16string_view key, std::size_t from) {
  std::uint64_t head = 0;
  for (std::size_t i = from; i < from + 4; ++i) head = (head << 16) | (i < key.size() ? key[i] : 0);
  return head;
}

}  // namespace

std::vector<std::size_t> nameOrder(const std::vector<std::string_view>& names) {
  // All keys in one buffer: one allocation, and neighbours in memory.
  std::size_t bytes = 0;
  for (std::string_view name : names) bytes += name.size();
  std::u16string keys;
  keys.reserve(bytes);
  std::vector<std::size_t> keyStarts;
  keyStarts.reserve(names.size() + 1);
  for (std::string_view name : names) {
    keyStarts.push_back(keys.size());
    appendCaseBlindKey(name, keys);
  }
  keyStarts.push_back(keys.size());
  std::vector<SortItem> items;
  items.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::u16string_view key(keys.data() + keyStarts[i], keyStarts[i + 1] - keyStarts[i]);
    items.push_back(SortItem{headOf(key, 0), headOf(key, 4), key, i});
  }
  std::sort(items.begin(), items.end(), [&](const SortItem& a, const SortItem& b) {
    if (a.head != b.head) return a.head < b.head;
    if (a.nextHead != b.nextHead) return a.nextHead < b.nextHead;
    const int byKey = a.key.compare(b.key);
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
