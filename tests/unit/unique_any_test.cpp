// The handle owner closes exactly once, whatever happens to it.
#include <gtest/gtest.h>

#include <vector>

#include "platform/unique_any.h"

namespace duskfall {
namespace {

std::vector<int> closed;

struct CountingCloser {
  void operator()(int handle) const { closed.push_back(handle); }
};

using Owner = UniqueAny<int, CountingCloser>;

class UniqueAnyTest : public ::testing::Test {
 protected:
  void SetUp() override { closed.clear(); }
};

TEST_F(UniqueAnyTest, ClosesOnceWhenItGoesOutOfScope) {
  { Owner owner(7); }
  EXPECT_EQ(closed, std::vector<int>{7});
}

TEST_F(UniqueAnyTest, NeverClosesTheNullHandle) {
  { Owner owner; }
  EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueAnyTest, MovingHandsOverWithoutClosing) {
  {
    Owner first(3);
    Owner second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), 3);
    EXPECT_TRUE(closed.empty());
  }
  EXPECT_EQ(closed, std::vector<int>{3});
}

TEST_F(UniqueAnyTest, MoveAssignmentClosesWhatWasHeldFirst) {
  Owner target(1);
  Owner source(2);
  target = std::move(source);
  EXPECT_EQ(closed, std::vector<int>{1});
  target = std::move(target);
  EXPECT_EQ(target.get(), 2);
  EXPECT_EQ(closed, std::vector<int>{1});
}

TEST_F(UniqueAnyTest, PutClosesThenLendsTheSlot) {
  Owner owner(4);
  *owner.put() = 5;
  EXPECT_EQ(closed, std::vector<int>{4});
  EXPECT_EQ(owner.get(), 5);
}

TEST_F(UniqueAnyTest, ReleaseGivesUpWithoutClosing) {
  {
    Owner owner(6);
    EXPECT_EQ(owner.release(), 6);
  }
  EXPECT_TRUE(closed.empty());
}

}  // namespace
}  // namespace duskfall
