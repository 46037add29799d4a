#include <gtest/gtest.h>

#include <random>
#include <unordered_map>

#include "model/FlatIndex.h"

using namespace Vemra;

namespace {
struct Val {
  int v = 0;  // 0 marks a free slot
  bool is_free() const { return v == 0; }
};
}  // namespace

// Random insertions and deletions with clustered keys (long probe runs, many
// backward shifts) agree with a reference map at every step.
TEST(FlatIndex, AgreesWithAReferenceMapUnderChurn) {
  std::mt19937 rng(7);
  FlatIndex<int, Val> index;
  std::unordered_map<int, int> reference;
  for (int step = 0; step < 200000; ++step) {
    int key = static_cast<int>(rng() % 3000) - 1500;
    if (rng() % 3 == 0) {
      index.erase(key);
      reference.erase(key);
    } else {
      int value = static_cast<int>(rng() % 1000) + 1;
      index.get_or_create(key).v = value;
      reference[key] = value;
    }
    if (step % 997 == 0) {
      ASSERT_EQ(index.size(), reference.size());
      for (int k = -1500; k < 1500; ++k) {
        const Val* found = index.find(k);
        auto it = reference.find(k);
        ASSERT_EQ(found != nullptr, it != reference.end()) << k;
        if (found) {
          ASSERT_EQ(found->v, it->second);
        }
      }
    }
  }
}

TEST(FlatIndex, EmptyAndClearedIndexesFindNothing) {
  FlatIndex<std::uint64_t, Val> index;
  EXPECT_EQ(index.find(42), nullptr);
  index.erase(42);
  index.get_or_create(42).v = 1;
  index.get_or_create(0xFFFFFFFF00000001ull).v = 2;
  EXPECT_EQ(index.find(42)->v, 1);
  EXPECT_EQ(index.find(0xFFFFFFFF00000001ull)->v, 2);
  index.clear();
  EXPECT_EQ(index.size(), 0u);
  EXPECT_EQ(index.find(42), nullptr);
}

// A value emptied in place and then erased through its pointer leaves every
// other entry of its probe run reachable.
TEST(FlatIndex, ErasingAValueEmptiedInPlaceKeepsItsNeighbours) {
  FlatIndex<int, Val> index;
  for (int k = 0; k < 600; ++k) index.get_or_create(k).v = k + 1;
  for (int k = 0; k < 600; k += 2) {
    Val* v = index.find(k);
    v->v = 0;
    index.erase_found(v);
  }
  ASSERT_EQ(index.size(), 300u);
  for (int k = 0; k < 600; ++k) {
    const Val* v = index.find(k);
    if (k % 2) {
      ASSERT_NE(v, nullptr) << k;
      EXPECT_EQ(v->v, k + 1);
    } else {
      EXPECT_EQ(v, nullptr) << k;
    }
  }
}
