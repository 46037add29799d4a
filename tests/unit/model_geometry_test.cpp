#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "model/Diagram.h"
#include "tests/unit/test_support.h"

using namespace Vemra;

TEST(ModelGeometry, RectangleValuesEdgesListsAndTexts) {
  auto all = [](const ClsRecPaS& r) {  // x y w h, then the right-down corner
    return std::list<int>{r.get_x_left_up(), r.get_y_left_up(), r.get_width(), r.get_height(), r.get_x_right_down(),
                          r.get_y_right_down()};
  };
  EXPECT_EQ(all(ClsRecPaS(-5, 3, 0, 7)), (std::list<int>{-5, 3, 0, 7, -5, 10}));  // odd values are kept
  // edges wrap, no overflow trap
  EXPECT_EQ(all(ClsRecPaS(INT_MAX, INT_MIN, 1, -1)), (std::list<int>{INT_MAX, INT_MIN, 1, -1, INT_MIN, INT_MAX}));

  ClsRecPaS r(10, 20, 100, 40);
  std::list<int> out{9, 9, 9, 9, 9, 9};
  r.get_PaS_as_IntList(out);
  EXPECT_EQ(out, (std::list<int>{10, 20, 100, 40}));
  EXPECT_EQ(r.get_PaS_as_IntList(), (std::list<int>{10, 20, 100, 40}));
  EXPECT_EQ(r.get_PaS_as_String(), "10 20 100 40");
  EXPECT_EQ(ClsRecPaS(-1, 0, -2, 3).get_PaS_as_String(), "-1 0 -2 3");
  r.get_BoundingBox(out);
  EXPECT_EQ(out, (std::list<int>{10, 20, 110, 60}));
  r.set_PaS(1, 2, 3, 4);
  EXPECT_EQ(r.get_PaS().get_PaS_as_String(), "1 2 3 4");
  r.set_PaS(ClsRecPaS(5, 6, 7, 8));
  EXPECT_EQ(r.get_PaS_as_String(), "5 6 7 8");
  ClsPoint p(3, -4);
  EXPECT_EQ(p.get_x(), 3);
  EXPECT_EQ(p.get_y(), -4);
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
// and copies do not share storage.
TEST(ModelCoordList, InPlaceAndHeapPathsAndCopies) {
  auto values = [](const CoordList& c) { return std::vector<int>(c.begin(), c.end()); };
  CoordList c;
  EXPECT_TRUE(c.empty());
  EXPECT_EQ(c.begin(), c.end());
  c.assign({1, 2, 3, 4});
  EXPECT_EQ(values(c), (std::vector<int>{1, 2, 3, 4}));
  c.assign({1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(values(c), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(c[6], 7);
  c.assign({9, 8, 7, 6, 5, 4, 3, 2});
  EXPECT_EQ(values(c), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2}));
  CoordList copy(c);
  c.assign({-1, -2});
  EXPECT_EQ(values(copy), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2}));
  EXPECT_EQ(values(c), (std::vector<int>{-1, -2}));
  const CoordList& same = copy;
  copy = same;
  EXPECT_EQ(copy.size(), 8u);
  copy = c;
  EXPECT_EQ(values(copy), (std::vector<int>{-1, -2}));
  c = CoordList(std::list<int>{1, 2, 3, 4, 5});
  EXPECT_EQ(values(c), (std::vector<int>{1, 2, 3, 4, 5}));
  c.assign({});
  EXPECT_TRUE(c.empty());
}
