#include <gtest/gtest.h>

#include <vector>

#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace sdltest;

namespace {

// Every ID of a built part: its diagrams, pages and elements.
struct Part {
  std::vector<int> diagrams, pages, symbols, channels, sm_symbols, flow_lines;
  std::size_t registered() const {  // pages hold no map entry
    return diagrams.size() + symbols.size() + channels.size() + sm_symbols.size() + flow_lines.size();
  }
};

// Fills a block diagram (reached through a block reference) on its page with
// a text symbol, a channel, a process and a procedure with state machines.
void fill_block(SysSpec& sysSpec, int blk, int page, Part& part) {
  int text = add_symbol(sysSpec, EnumSym::TEXT_SYM, blk, page, "txt");
  int pro_sym = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, blk, page, "P");
  part.symbols.insert(part.symbols.end(), {text, pro_sym});
  part.channels.push_back(add_channel(sysSpec, blk, page, text, pro_sym));
  int pro = pro_sym + 1;
  part.diagrams.push_back(pro);
  part.pages.push_back(pro + 1);
  int page2 = add_page(sysSpec, pro);
  part.pages.push_back(page2);
  int q_sym = add_symbol(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, pro, page2, "Q");
  part.symbols.push_back(q_sym);
  part.diagrams.push_back(q_sym + 1);
  part.pages.push_back(q_sym + 2);
  for (int dia : {pro, q_sym + 1}) {
    int pg = first_page(sysSpec, dia);
    int s = add_sm(sysSpec, SM::START, dia, pg);
    int d = add_sm(sysSpec, SM::DECISION, dia, pg);
    int t = add_sm(sysSpec, SM::TASK, dia, pg);
    part.sm_symbols.insert(part.sm_symbols.end(), {s, d, t});
    part.flow_lines.push_back(add_flow(sysSpec, dia, pg, s, d));
    part.flow_lines.push_back(add_decision_flow(sysSpec, dia, pg, d, t));
  }
}

// The IDs of a destroyed part answer as IDs that were never handed out, for
// each kind of access (insertion into, query of a diagram; query, change and
// deletion of an element; an element as the end of a new channel).
void expect_all_unknown(SysSpec& sysSpec, const Part& part) {
  ClsMoAccessInfo info;
  int out = -7;
  for (int d : part.diagrams) {
    EXPECT_EQ(STATUS(sysSpec.insert_Symbol(EnumSym::TEXT_SYM, d, d + 1, 0, 0, 1, 1, "x", info, out)),
              R::INSERT_LOCATION_UNKNOWN) << d;
    EXPECT_EQ(STATUS(sysSpec.get_FirstPageID(d, info)), R::GET_LOCATION_UNKNOWN) << d;
  }
  for (auto* family : {&part.symbols, &part.channels, &part.sm_symbols, &part.flow_lines})
    for (int e : *family) {
      EXPECT_EQ(STATUS(sysSpec.get_StateMachineSymbol(e, info)), R::GET_ELEMENT_UNKNOWN) << e;
      EXPECT_EQ(STATUS(sysSpec.modify_SymbolContent(e, "x", info)), R::MODIFY_ELEMENT_UNKNOWN) << e;
      EXPECT_EQ(STATUS(sysSpec.delete_FlowLine(e, info)), R::DELETE_ELEMENT_UNKNOWN) << e;
      EXPECT_EQ(try_channel(sysSpec, 1, 2, false, e, true, 0, out), R::INSERT_CHAN_SOURCE_UNKNOWN) << e;
    }
}

// System diagram with a block on a second page (destroyed by deleting that
// page) and a block on the first page (destroyed by deleting its symbol).
struct DestructionFixture : ModelTest {
  int page2 = 0, blk_a_sym = 0, blk_b_sym = 0, survivor = 0;
  Part by_page, by_symbol;

  void SetUp() override {
    page2 = add_page(sysSpec, 1);
    survivor = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2, "stays");
    blk_a_sym = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, page2, "A");
    by_page.symbols.push_back(blk_a_sym);
    by_page.diagrams.push_back(blk_a_sym + 1);
    by_page.channels.push_back(add_channel(sysSpec, 1, page2, blk_a_sym, -1));
    by_page.sm_symbols.push_back(add_sm(sysSpec, SM::STATE, 1, page2));
    fill_block(sysSpec, blk_a_sym + 1, blk_a_sym + 2, by_page);

    blk_b_sym = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, "B");
    by_symbol.diagrams.push_back(blk_b_sym + 1);
    int inner_page2 = add_page(sysSpec, blk_b_sym + 1);
    fill_block(sysSpec, blk_b_sym + 1, blk_b_sym + 2, by_symbol);
    fill_block(sysSpec, blk_b_sym + 1, inner_page2, by_symbol);
    add_channel(sysSpec, 1, 2, survivor, blk_b_sym);  // stays, naming a deleted symbol
  }
};

}  // namespace

TEST_F(DestructionFixture, DeletingAPageForgetsEverythingBelowIt) {
  std::size_t before = sysSpec.get_NumberOfRegisteredIDs();
  ASSERT_EQ(STATUS(sysSpec.delete_Page(1, page2, info)), R::PAGE_DELETE_OK);
  ASSERT_EQ(sysSpec.get_NumberOfRegisteredIDs(), before - by_page.registered());
  expect_all_unknown(sysSpec, by_page);
  EXPECT_NE(sysSpec.get_RecSymbol(survivor, info), nullptr);
  EXPECT_NE(sysSpec.get_Diagram(blk_b_sym + 1, info), nullptr);
}

TEST_F(DestructionFixture, DeletingAReferenceSymbolForgetsItsTree) {
  std::size_t before = sysSpec.get_NumberOfRegisteredIDs();
  ASSERT_EQ(STATUS(sysSpec.delete_Symbol(blk_b_sym, info)), R::DELETE_OK);
  by_symbol.symbols.push_back(blk_b_sym);
  ASSERT_EQ(sysSpec.get_NumberOfRegisteredIDs(), before - by_symbol.registered());
  expect_all_unknown(sysSpec, by_symbol);
  auto chans = channels(sysSpec, 1, 2);
  ASSERT_EQ(chans.size(), 1u);
  EXPECT_EQ(chans.front()->get_DestID_as_Int(), blk_b_sym);

  sysSpec.delete_Page(1, page2, info);  // then the rest
  expect_all_unknown(sysSpec, by_page);
  sysSpec.reset();
  expect_all_unknown(sysSpec, by_symbol);
}

namespace {
const int DEPTH = 10000;

// A chain of DEPTH block diagrams, each inside the one before, on the second
// page of the system diagram. Returns the top reference symbol.
int build_chain(SysSpec& sysSpec, int page) {
  int top = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, page, "B0");
  int sym = top;
  for (int i = 1; i < DEPTH; ++i) sym = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, sym + 1, sym + 2, "B");
  return top;
}
}  // namespace

TEST(ModelDeepTree, DeepChainsAreDestroyedWithoutRecursion) {
  ClsMoAccessInfo info;
  {
    SysSpec sysSpec;
    build_chain(sysSpec, 2);
  }  // destructor
  SysSpec sysSpec;
  build_chain(sysSpec, 2);
  sysSpec.reset();
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1u);

  int top = build_chain(sysSpec, 2);
  int deepest = top + 3 * (DEPTH - 1) + 1;
  EXPECT_NE(sysSpec.get_Diagram(deepest, info), nullptr);
  EXPECT_EQ(STATUS(sysSpec.delete_Symbol(top, info)), R::DELETE_OK);
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1u);
  EXPECT_EQ(sysSpec.get_Diagram(deepest, info), nullptr);

  int page2 = add_page(sysSpec, 1);
  build_chain(sysSpec, page2);
  EXPECT_EQ(STATUS(sysSpec.delete_Page(1, page2, info)), R::PAGE_DELETE_OK);
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1u);
}
