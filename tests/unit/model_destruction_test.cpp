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

// Every system model operation, called with the IDs of a destroyed part,
// answers as for an ID that was never handed out.
void expect_all_unknown(SysSpec& sysSpec, const Part& part) {
  ClsMoAccessInfo info;
  std::list<int> coords{1, 2};
  ClsRecPaS box(1, 1, 1, 1);
  std::string text;
  int out = -7, w = 0, h = 0;
  ClsPageManager::e_PageIndex idx;
  std::list<const Diagram*> dias;
  std::list<const Symbol*> syms;
  std::list<const ClsChannel*> chans;
  std::list<const ClsStateMachineSymbol*> sms;
  std::list<const ClsFlowLine*> lines;

  auto expect = [&](R::e_ResultType want, int id) { EXPECT_EQ(info.get_Info(), want) << "ID " << id; };
  for (int d : part.diagrams) {
    int pg = d + 1;
    EXPECT_EQ(sysSpec.get_Diagram(d, info), nullptr), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_AllReferencedDiagrams(d, dias, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_ReferencingDiagramID(d, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.modify_ProcedureDiaFormalParameters(d, "p", info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_ProcedureDiaFormalParameters(d, text, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_FirstPageID(d, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_LastPageID(d, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_NextPageID(d, pg, idx, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_PreviousPageID(d, pg, idx, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.add_NewPage_after(d, pg, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.append_NewPage(d, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.delete_Page(d, pg, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_PageSize(d, pg, w, h, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_PageFrameInfo(d, pg, box, text, text, text, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.modify_PageWidth(d, pg, 900, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.modify_PageHeight(d, pg, 900, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.modify_PageFramePaS(d, pg, 1, 1, 1, 1, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.insert_Symbol(EnumSym::TEXT_SYM, d, pg, 0, 0, 1, 1, "x", info, out), expect(R::INSERT_LOCATION_UNKNOWN, d);
    sysSpec.get_Syms(EnumSym::TEXT_SYM, d, pg, syms, info), expect(R::GET_LOCATION_UNKNOWN, d);
    EXPECT_EQ(try_channel(sysSpec, d, pg, true, 0, true, 0, out), R::INSERT_LOCATION_UNKNOWN);
    sysSpec.get_Channels(d, pg, chans, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.insert_StateMachineSymbol(SM::TASK, d, pg, 0, 0, 1, 1, "", info, out), expect(R::INSERT_LOCATION_UNKNOWN, d);
    sysSpec.get_StateMachineSyms(SM::TASK, d, pg, sms, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_StateMachineSymsFromDiagram(SM::TASK, d, sms, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.get_StartingStateMachineSymsFromDiagram(SM::START, d, sms, info), expect(R::GET_LOCATION_UNKNOWN, d);
    sysSpec.insert_FlowLine(d, pg, coords, 1, 1, info, out), expect(R::INSERT_LOCATION_UNKNOWN, d);
    sysSpec.insert_DecisionFlowLine(d, pg, coords, 1, 1, "", box, info, out), expect(R::INSERT_LOCATION_UNKNOWN, d);
    sysSpec.get_FlowLines(d, pg, lines, info), expect(R::GET_LOCATION_UNKNOWN, d);
  }
  std::vector<int> elements;
  for (auto* family : {&part.symbols, &part.channels, &part.sm_symbols, &part.flow_lines})
    elements.insert(elements.end(), family->begin(), family->end());
  for (int e : elements) {
    sysSpec.get_EnclosingDiagramID(e, info), expect(R::GET_ELEMENT_UNKNOWN, e);
    EXPECT_EQ(sysSpec.get_RecSymbol(e, info), nullptr), expect(R::GET_ELEMENT_UNKNOWN, e);
    sysSpec.modify_SymbolContent(e, "x", info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.set_SymbolPaS(e, 0, 0, 1, 1, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.delete_Symbol(e, info), expect(R::DELETE_ELEMENT_UNKNOWN, e);
    sysSpec.modify_Chan_DirectionType(e, ClsChannel::BOTH, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_Chan_DelayType(e, ClsChannel::DELAY, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_Chan_Coords(e, coords, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_ChanCompName(e, "n", box, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_ChanSourceSig(e, "n", box, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_ChanSourceCon(e, "n", box, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_ChanDestSig(e, "n", box, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_ChanDestCon(e, "n", box, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.delete_Channel(e, info), expect(R::DELETE_ELEMENT_UNKNOWN, e);
    EXPECT_EQ(sysSpec.get_StateMachineSymbol(e, info), nullptr), expect(R::GET_ELEMENT_UNKNOWN, e);
    sysSpec.get_InComingFlowLinesFromStateMaSym(e, lines, info), expect(R::GET_ELEMENT_UNKNOWN, e);
    sysSpec.get_OutgoingFlowLinesFromStateMaSym(e, lines, info), expect(R::GET_ELEMENT_UNKNOWN, e);
    sysSpec.modify_StateMachineSymPaS(e, 0, 0, 1, 1, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_StateMachineSymContent(e, "x", info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.delete_StateMachineSymbol(e, info), expect(R::DELETE_ELEMENT_UNKNOWN, e);
    sysSpec.modify_FlowLineCoords(e, coords, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_DecisionFlowLinePaS(e, 0, 0, 1, 1, info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.modify_DecisionFlowLineContent(e, "x", info), expect(R::MODIFY_ELEMENT_UNKNOWN, e);
    sysSpec.delete_FlowLine(e, info), expect(R::DELETE_ELEMENT_UNKNOWN, e);
    // as an end of new connections
    EXPECT_EQ(try_channel(sysSpec, 1, 2, false, e, true, 0, out), R::INSERT_CHAN_SOURCE_UNKNOWN);
  }
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(sms.empty());
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
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), before - by_page.registered());
  expect_all_unknown(sysSpec, by_page);
  EXPECT_NE(sysSpec.get_RecSymbol(survivor, info), nullptr);
  EXPECT_NE(sysSpec.get_Diagram(blk_b_sym + 1, info), nullptr);
}

TEST_F(DestructionFixture, DeletingAReferenceSymbolForgetsItsTree) {
  std::size_t before = sysSpec.get_NumberOfRegisteredIDs();
  ASSERT_EQ(STATUS(sysSpec.delete_Symbol(blk_b_sym, info)), R::DELETE_OK);
  by_symbol.symbols.push_back(blk_b_sym);
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), before - by_symbol.registered());
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
