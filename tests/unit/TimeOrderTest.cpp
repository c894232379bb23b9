#include "library/TimeOrder.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/common/SelectionTimeOrder.h"

namespace {

using Order = std::vector<std::size_t>;

TEST(TimeOrder, TiesComeOutAsTheSelectionRulePutsThem) {
  struct Case {
    std::vector<FileTime> times;
    Order newestFirst;
  };
  const Case cases[] = {
      {{}, {}},
      {{7}, {0}},
      {{5, 5}, {1, 0}},        // two equal times: exchanged newest first, kept oldest first
      {{5, 5, 5}, {2, 0, 1}},  // a, b, c: c, a, b newest first, so b, a, c oldest first
      {{1, 2, 3}, {2, 1, 0}},
      {{3, 2, 1}, {0, 1, 2}},
      {{2, 9, 2, 9}, {3, 1, 0, 2}},
      {{0, ~0ULL, 0x100000000ULL, 0xFFFFFFFFULL}, {1, 2, 3, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(newestFirst(c.times), c.newestFirst) << c.times.size() << " times";
    EXPECT_EQ(selectionNewestFirst(c.times), c.newestFirst);
  }
}

TEST(TimeOrder, AgreesWithTheSelectionRuleOnManyEqualTimes) {
  std::mt19937_64 random(20240917);
  for (int round = 0; round < 3000; ++round) {
    const std::size_t size = random() % 70;
    // Few distinct values, so that most times have equals somewhere.
    const std::uint64_t distinct = 1 + random() % (round % 3 == 0 ? 3 : 12);
    std::vector<FileTime> times(size);
    for (FileTime& time : times) time = 130000000000000000ULL + random() % distinct;
    ASSERT_EQ(newestFirst(times), selectionNewestFirst(times)) << "round " << round;
  }
  std::vector<FileTime> large(5000);
  for (FileTime& time : large) time = random() % 400;
  EXPECT_EQ(newestFirst(large), selectionNewestFirst(large));
  std::vector<FileTime> ascending(3000);
  for (std::size_t i = 0; i < ascending.size(); ++i) ascending[i] = i / 7;
  EXPECT_EQ(newestFirst(ascending), selectionNewestFirst(ascending));
}

}  // namespace
