#include "platform/unique_resource.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace brelfx {
namespace {

std::vector<int> released;

struct CountingTraits {
  using Handle = int;
  static int Invalid() { return -1; }
  static void Release(int h) { released.push_back(h); }
};
using Owned = UniqueResource<CountingTraits>;

TEST(UniqueResource, ReleasesExactlyOnceThroughMovesAndResets) {
  released.clear();
  {
    Owned a(1);
    Owned b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), 1);
    Owned c(2);
    c = std::move(b);  // 2 released, 1 now owned by c
    EXPECT_EQ(released, std::vector<int>{2});
    c.reset(3);  // 1 released
    EXPECT_EQ(released, (std::vector<int>{2, 1}));
    Owned d(4);
    EXPECT_EQ(d.release(), 4);  // given up, never released
  }
  EXPECT_EQ(released, (std::vector<int>{2, 1, 3}));
}

TEST(UniqueResource, InvalidHandleIsNeverReleased) {
  released.clear();
  { Owned empty; Owned alsoEmpty(-1); }
  EXPECT_TRUE(released.empty());
}

}  // namespace
}  // namespace brelfx
