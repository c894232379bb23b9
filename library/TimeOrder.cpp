#include "library/TimeOrder.h"

#include <numeric>
#include <utility>

namespace {

// A tournament over the positions still to be placed: every node holds the
// winner of its range, the greatest time and, among equal times, the last
// position, which is the one the selection rule picks.
class SelectionTree {
 public:
  explicit SelectionTree(const std::vector<FileTime>& times) : times_(times) {
    while (leaves_ < times.size()) leaves_ *= 2;
    nodes_.assign(2 * leaves_, none);
    for (std::size_t i = 0; i < times.size(); ++i) nodes_[leaves_ + i] = i;
    for (std::size_t node = leaves_ - 1; node > 0; --node) nodes_[node] = winner(node);
  }

  std::size_t best() const { return nodes_[1]; }
  void remove(std::size_t position) { set(position, none); }
  // The time at position has changed.
  void refresh(std::size_t position) { set(position, position); }

 private:
  static constexpr std::size_t none = static_cast<std::size_t>(-1);

  std::size_t winner(std::size_t node) const {
    const std::size_t left = nodes_[2 * node];
    const std::size_t right = nodes_[2 * node + 1];
    if (left == none) return right;
    if (right == none) return left;
    return times_[left] > times_[right] ? left : right;
  }

  void set(std::size_t position, std::size_t value) {
    std::size_t node = leaves_ + position;
    nodes_[node] = value;
    for (node /= 2; node > 0; node /= 2) nodes_[node] = winner(node);
  }

  const std::vector<FileTime>& times_;
  std::size_t leaves_ = 1;
  std::vector<std::size_t> nodes_;
};

}  // namespace

std::vector<std::size_t> newestFirst(std::vector<FileTime> times) {
  std::vector<std::size_t> order(times.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (times.size() < 2) return order;
  SelectionTree tree(times);
  for (std::size_t j = 0; j + 1 < times.size(); ++j) {
    const std::size_t chosen = tree.best();
    // The file at j takes the chosen one's place, time and all.
    times[chosen] = times[j];
    std::swap(order[j], order[chosen]);
    tree.remove(j);
    if (chosen != j) tree.refresh(chosen);
  }
  return order;
}
