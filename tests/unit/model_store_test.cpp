#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "tests/unit/test_support.h"

using namespace sdltest;

// Random insertions and deletions of symbols and of whole pages (long probe
// runs in the ID and group indexes, reused store nodes), checked against a
// plain list in insertion order after every step.
TEST_F(ModelTest, SymbolListsAgreeWithAPlainListUnderChurn) {
  const EnumSym::Type KINDS[] = {EnumSym::TEXT_SYM, EnumSym::BLK_TYPE_REF_SYM};
  std::vector<int> pages{2, add_page(sysSpec, 1), add_page(sysSpec, 1)};
  std::vector<std::tuple<int, EnumSym::Type, int>> list;  // ID, kind, page
  std::mt19937 rng(11);
  for (int step = 0; step < 3000; ++step) {
    unsigned op = rng() % 20;
    if (op < 12) {
      EnumSym::Type kind = KINDS[rng() % 2];
      int page = pages[rng() % pages.size()];
      list.emplace_back(add_symbol(sysSpec, kind, 1, page), kind, page);
    } else if (op < 19 && !list.empty()) {
      auto it = list.begin() + rng() % list.size();
      ASSERT_EQ(STATUS(sysSpec.delete_Symbol(std::get<0>(*it), info)), R::DELETE_OK);
      list.erase(it);
    } else if (rng() % 30 == 0) {
      auto it = pages.begin() + rng() % pages.size();
      ASSERT_EQ(STATUS(sysSpec.delete_Page(1, *it, info)), R::PAGE_DELETE_OK);
      list.erase(std::remove_if(list.begin(), list.end(), [&](const auto& e) { return std::get<2>(e) == *it; }),
                 list.end());
      pages.erase(it);
      pages.push_back(add_page(sysSpec, 1));
    }
    for (int page : pages)
      for (EnumSym::Type kind : KINDS) {
        std::list<const Symbol*> syms;
        sysSpec.get_Syms(kind, 1, page, syms, info);
        std::list<int> want;
        for (const auto& e : list)
          if (std::get<1>(e) == kind && std::get<2>(e) == page) want.push_back(std::get<0>(e));
        ASSERT_EQ(ids_of(syms), want) << "step " << step;
      }
  }
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1 + list.size());
  EXPECT_GT(list.size(), 100u);
}
