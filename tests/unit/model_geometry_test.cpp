#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "model/Diagram.h"
#include "tests/unit/test_support.h"

using namespace Vemra;

// Edges wrap without trapping; the texts and lists of a box.
TEST(ModelGeometry, RectangleEdgesAndTexts) {
  ClsRecPaS r(INT_MAX, INT_MIN, 1, -1);
  EXPECT_EQ(r.get_x_right_down(), INT_MIN);
  EXPECT_EQ(r.get_y_right_down(), INT_MAX);
  ClsRecPaS box(10, 20, 100, 40);
  std::list<int> out{9, 9, 9, 9, 9, 9};
  box.get_BoundingBox(out);
  EXPECT_EQ(out, (std::list<int>{10, 20, 110, 60}));
  EXPECT_EQ(ClsRecPaS(-1, 0, -2, 3).get_PaS_as_String(), "-1 0 -2 3");
}

// Every concrete element reports its own kind, and the kinds differ.
TEST(ModelGeometry, EveryElementClassReportsADistinctKind) {
  using namespace sdltest;
  SysSpec sysSpec;
  ClsMoAccessInfo info;
  std::set<ClsMoEleType::e_MoEle> kinds;
  kinds.insert(sysSpec.get_SysDia()->get_MoEleType());
  EXPECT_EQ(sysSpec.get_SysDia()->get_MoEleType(), ClsMoEleType::SysDia);

  for (int k = EnumSym::TEXT_SYM; k <= EnumSym::PROCEDURE_INST_REF_SYM; ++k) {
    int id = add_symbol(sysSpec, static_cast<EnumSym::Type>(k), 1, 2);
    const Symbol* sym = sysSpec.get_RecSymbol(id, info);
    ASSERT_NE(sym, nullptr);
    kinds.insert(sym->get_MoEleType());
    if (sym->is_referencing_Symbol()) kinds.insert(sym->get_referenced_Diagram()->get_MoEleType());
  }
  int proc = ref_diagram(sysSpec, 12);  // the process reference symbol
  ASSERT_GT(proc, 0);
  int page = first_page(sysSpec, proc);
  for (int k = SM::START; k <= SM::PROCEDURE_RETURN; ++k) {
    int id = add_sm(sysSpec, static_cast<SM::e_StateMachineSymbolType>(k), proc, page);
    kinds.insert(sysSpec.get_StateMachineSymbol(id, info)->get_MoEleType());
  }
  std::list<const ClsFlowLine*> lines;
  add_flow(sysSpec, proc, page, 21, 22);  // SM symbols are 21..32
  add_decision_flow(sysSpec, proc, page, 21, 22);
  sysSpec.get_FlowLines(proc, page, lines, info);
  for (const ClsFlowLine* l : lines) kinds.insert(l->get_MoEleType());
  std::list<const ClsChannel*> chans;
  add_channel(sysSpec, 1, 2, 3, -1);
  sysSpec.get_Channels(1, 2, chans, info);
  kinds.insert(chans.front()->get_MoEleType());
  kinds.insert(ClsPage(99).get_MoEleType());

  // 4 diagram kinds + 6 symbols + channel + 12 SM symbols + 2 flow lines + page
  EXPECT_EQ(kinds.size(), 26u);
  EXPECT_EQ(sysSpec.get_StateMachineSymbol(30, info)->get_MoEleType(), ClsMoEleType::StateMachineSymCallProcedure);
}

// Paths move between the in-place and the heap form as they are replaced,
// and copies do not share storage (the sanitizer build checks the memory).
TEST(ModelCoordList, InPlaceAndHeapPathsAndCopies) {
  auto values = [](const CoordList& c) { return std::vector<int>(c.begin(), c.end()); };
  CoordList c(std::list<int>{1, 2, 3, 4, 5, 6, 7});
  CoordList copy(c);
  c.assign({-1, -2});
  EXPECT_EQ(values(copy), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  copy = c;
  c.assign({9, 8, 7, 6, 5});
  EXPECT_EQ(values(copy), (std::vector<int>{-1, -2}));
  EXPECT_EQ(values(c), (std::vector<int>{9, 8, 7, 6, 5}));
  c.assign({});
  EXPECT_TRUE(c.empty());
}
