#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "model/ElementStore.h"
#include "model/NodePool.h"

using namespace Vemra;

namespace {

// A line on a page from one end to another, as the stores see it.
struct Line {
  int id, page, from, to;
  int get_Model_ID() const { return id; }
};

// The list in order; page; and per (page, end) the lines ending and starting there.
struct LineGroups {
  static const int CHAINS = 4, INDEXES = 3, HEADS = 2;
  static constexpr ChainPlace PLACES[CHAINS] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}};
  std::array<std::uint64_t, CHAINS> operator()(const Line* l) const {
    return {0, group_key(l->page, 0), group_key(l->page, l->to), group_key(l->page, l->from)};
  }
};
const int IN_ORDER = 0, BY_PAGE = 1, ENDING_AT = 2, STARTING_AT = 3;

using Store = ElementStore<Line, LineGroups>;

std::vector<const Line*> group_of(const Store& store, int chain, std::uint64_t key) {
  std::vector<const Line*> out;
  store.for_each_in_group(chain, key, [&](const Line* l) { out.push_back(l); });
  return out;
}

// The store against a plain list in insertion order: every look-up must give
// what a walk over the list gives.
class StoreCheck {
public:
  void append(int id, int page, int from, int to) {
    lines_.push_back(std::unique_ptr<Line>(new Line{id, page, from, to}));
    list_.push_back(lines_.back().get());
    store_.append(lines_.back().get());
  }
  void remove(int id) {
    Line* got = store_.remove(id);
    auto it = std::find_if(list_.begin(), list_.end(), [&](const Line* l) { return l->id == id; });
    ASSERT_EQ(got, it == list_.end() ? nullptr : *it);
    if (got) list_.erase(it);
  }
  void take_page(int page) {
    std::vector<Line*> got = store_.take_group(BY_PAGE, group_key(page, 0));
    std::vector<Line*> want;
    for (Line* l : list_)
      if (l->page == page) want.push_back(l);
    ASSERT_EQ(got, want);
    list_.erase(std::remove_if(list_.begin(), list_.end(), [&](const Line* l) { return l->page == page; }),
                list_.end());
  }
  void verify(int pages, int ends, int ids) const {
    ASSERT_EQ(store_.size(), list_.size());
    std::vector<const Line*> all;
    store_.for_each([&](const Line* l) { all.push_back(l); });
    ASSERT_EQ(all, std::vector<const Line*>(list_.begin(), list_.end()));
    for (int id = 0; id < ids; ++id) {
      auto it = std::find_if(list_.begin(), list_.end(), [&](const Line* l) { return l->id == id; });
      ASSERT_EQ(store_.find(id), it == list_.end() ? nullptr : *it) << id;
    }
    for (int page = 0; page < pages; ++page) {
      ASSERT_EQ(group_of(store_, BY_PAGE, group_key(page, 0)), filter([&](const Line* l) { return l->page == page; }));
      for (int end = 0; end < ends; ++end) {
        ASSERT_EQ(group_of(store_, ENDING_AT, group_key(page, end)),
                  filter([&](const Line* l) { return l->page == page && l->to == end; }));
        ASSERT_EQ(group_of(store_, STARTING_AT, group_key(page, end)),
                  filter([&](const Line* l) { return l->page == page && l->from == end; }));
      }
    }
  }
  Store& store() { return store_; }

private:
  template <class P>
  std::vector<const Line*> filter(P p) const {
    std::vector<const Line*> out;
    for (const Line* l : list_)
      if (p(l)) out.push_back(l);
    return out;
  }

  std::vector<std::unique_ptr<Line>> lines_;
  std::vector<Line*> list_;
  Store store_;
};

}  // namespace

// Random appends (with clashing IDs and lines from a symbol to itself),
// removals by ID and whole pages, checked against the plain list.
TEST(ElementStore, AgreesWithTheListUnderChurn) {
  const int PAGES = 4, ENDS = 6, IDS = 40;
  std::mt19937 rng(11);
  StoreCheck check;
  for (int step = 0; step < 6000; ++step) {
    unsigned op = rng() % 10;
    if (op < 6)
      check.append(static_cast<int>(rng() % IDS), static_cast<int>(rng() % PAGES), static_cast<int>(rng() % ENDS),
                   static_cast<int>(rng() % ENDS));
    else if (op < 9)
      check.remove(static_cast<int>(rng() % IDS));
    else if (rng() % 8 == 0)
      check.take_page(static_cast<int>(rng() % PAGES));
    if (step % 50 == 0) check.verify(PAGES, ENDS, IDS);
    if (HasFatalFailure()) return;
  }
  check.verify(PAGES, ENDS, IDS);
}

TEST(ElementStore, ClashingIDsHandOverInListOrder) {
  StoreCheck check;
  check.append(7, 0, 1, 2);  // a
  check.append(7, 1, 1, 2);  // b
  check.append(7, 0, 2, 2);  // c
  const Line* first = check.store().find(7);
  EXPECT_EQ(first->page, 0);
  EXPECT_EQ(first->from, 1);
  check.take_page(0);  // takes a and c: b is the only one left
  ASSERT_NE(check.store().find(7), nullptr);
  EXPECT_EQ(check.store().find(7)->page, 1);
  check.remove(7);
  EXPECT_EQ(check.store().find(7), nullptr);
  EXPECT_EQ(check.store().size(), 0u);
  check.verify(2, 3, 8);
}

TEST(ElementStore, TakeAllEmptiesAndTheStoreStaysUsable) {
  StoreCheck check;
  for (int i = 0; i < 100; ++i) check.append(i, i % 3, i % 5, i % 7);
  std::vector<Line*> all = check.store().take_all();
  ASSERT_EQ(all.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(all[i]->id, i);
  EXPECT_EQ(check.store().size(), 0u);
  EXPECT_EQ(check.store().find(5), nullptr);
  EXPECT_TRUE(group_of(check.store(), ENDING_AT, group_key(0, 0)).empty());
  Line again{5, 0, 0, 0};
  check.store().append(&again);
  EXPECT_EQ(check.store().find(5), &again);
  EXPECT_EQ(group_of(check.store(), STARTING_AT, group_key(0, 0)), std::vector<const Line*>{&again});
}

namespace {
struct Cell {
  long long a, b;
};
}  // namespace

// Objects are distinct, released ones come back first, and the pool frees
// its blocks (checked by the leak checker in sanitizer builds) with objects
// still handed out.
TEST(NodePool, HandsOutDistinctObjectsAndReusesReleasedOnes) {
  NodePool<Cell> pool;
  std::vector<Cell*> cells;
  std::set<Cell*> seen;
  for (int i = 0; i < 10000; ++i) {
    Cell* c = pool.allocate();
    c->a = i;
    c->b = -i;
    cells.push_back(c);
    EXPECT_TRUE(seen.insert(c).second);
  }
  for (int i = 0; i < 10000; ++i) ASSERT_EQ(cells[i]->a + cells[i]->b, 0);
  pool.release(cells[10]);
  pool.release(cells[20]);
  EXPECT_EQ(pool.allocate(), cells[20]);
  EXPECT_EQ(pool.allocate(), cells[10]);
  EXPECT_EQ(seen.count(pool.allocate()), 0u);
}
