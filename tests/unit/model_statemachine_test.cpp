#include <gtest/gtest.h>

#include <random>

#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace sdltest;

namespace {
// A system model with a process diagram of two pages.
struct ProcessFixture : ModelTest {
  int pro = 0, page1 = 0, page2 = 0;
  void SetUp() override {
    pro = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, "P") + 1;
    page1 = pro + 1;
    page2 = add_page(sysSpec, pro);
  }
  // The flow lines into / out of a symbol (the output list is cleared first).
  std::list<int> incoming(int sym) {
    std::list<const ClsFlowLine*> lines{nullptr};
    sysSpec.get_InComingFlowLinesFromStateMaSym(sym, lines, info);
    return ids_of(lines);
  }
  std::list<int> outgoing(int sym) {
    std::list<const ClsFlowLine*> lines{nullptr};
    sysSpec.get_OutgoingFlowLinesFromStateMaSym(sym, lines, info);
    return ids_of(lines);
  }
};
const auto BAD_SM = static_cast<SM::e_StateMachineSymbolType>(13);
}  // namespace

TEST_F(ProcessFixture, InsertGetModifyDeleteStateMachineSymbols) {
  int id = -1;
  std::string err = stderr_of([&] {
    EXPECT_EQ(STATUS(sysSpec.insert_StateMachineSymbol(SM::NONE, pro, page1, 0, 0, 1, 1, "", info, id)),
              R::INSERT_UNCONSIDERED_STATEMACHINESYM);
  });
  EXPECT_EQ(err,
            "error in: const Vemra::ClsStateMachineSymbol * Vemra::Diagram::insert_StateMachineSymbol\n"
            "unconsidered Process Symbol Type !!!\n");
  EXPECT_EQ(STATUS(sysSpec.insert_StateMachineSymbol(BAD_SM, pro, page1, 0, 0, 1, 1, "", info, id)),
            R::INSERT_UNCONSIDERED_STATEMACHINESYM);
  EXPECT_EQ(STATUS(sysSpec.insert_StateMachineSymbol(SM::TASK, pro, 1234, 0, 0, 1, 1, "", info, id)),
            R::INSERT_PAGE_UNKNOWN);
  EXPECT_EQ(id, -1);
  std::list<const ClsStateMachineSymbol*> all;
  sysSpec.get_StateMachineSymsFromDiagram(SM::TASK, pro, all, info);
  EXPECT_TRUE(all.empty());

  int s = add_sm(sysSpec, SM::STATE, pro, page1, "idle");
  EXPECT_EQ(s, page2 + 4);  // the three failed insertions used IDs
  EXPECT_EQ(sysSpec.get_StateMachineSymbol(s, info)->get_Page_ID(), page1);

  // the system diagram accepts state-machine symbols as well
  int in_sys = add_sm(sysSpec, SM::TASK, 1, 2);
  EXPECT_EQ(sysSpec.get_EnclosingDiagramID(in_sys, info), 1);
  EXPECT_EQ(sysSpec.get_EnclosingDiagramID(s, info), pro);
  EXPECT_EQ(info.get_Info(), R::GET_OK);

  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, pro, page1);
  EXPECT_EQ(STATUS(sysSpec.modify_StateMachineSymContent(t, "x", info)), R::MODIFY_ELEMENT_NOT_IN_LOCATION);
  err = stderr_of([&] { EXPECT_EQ(sysSpec.get_StateMachineSymbol(t, info), nullptr); });
  EXPECT_EQ(info.get_Info(), R::GET_STATEMACHINESYM_NOT_IN_LOCATION);
  EXPECT_EQ(err,
            "error in: const ClsStateMachineSymbol * Vemra::Diagram::get_StateMachineSymbol(const int Symbol_ID, "
            "ClsMoAccessInfo & Info) const\nProcess Symbol not found!!!\n");

  int to = add_sm(sysSpec, SM::STOP, pro, page1);
  int line = add_flow(sysSpec, pro, page1, s, to);
  EXPECT_EQ(STATUS(sysSpec.delete_StateMachineSymbol(to, info)), R::DELETE_OK);
  EXPECT_EQ(STATUS(sysSpec.get_StateMachineSymbol(to, info)), R::GET_ELEMENT_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.delete_StateMachineSymbol(to, info)), R::DELETE_ELEMENT_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.delete_StateMachineSymbol(line, info)), R::DELETE_ELEMENT_NOT_IN_LOCATION);
  const ClsFlowLine* kept = sysSpec.get_Diagram(pro, info)->get_FlowLine(line, info);
  ASSERT_NE(kept, nullptr);  // the flow line keeps naming the deleted symbol
  EXPECT_EQ(kept->get_DestID_as_Int(), to);
}

TEST_F(ProcessFixture, ListsKeepPageAndInsertionOrder) {
  int d1 = add_sm(sysSpec, SM::DECISION, pro, page2);
  int task = add_sm(sysSpec, SM::TASK, pro, page1);
  int d2 = add_sm(sysSpec, SM::DECISION, pro, page1);
  int d3 = add_sm(sysSpec, SM::DECISION, pro, page1);
  std::list<const ClsStateMachineSymbol*> syms;
  EXPECT_EQ(STATUS(sysSpec.get_StateMachineSyms(SM::DECISION, pro, page1, syms, info)), R::GET_OK);
  EXPECT_EQ(ids_of(syms), (std::list<int>{d2, d3}));
  // an unknown kind matches nothing and appends nothing
  EXPECT_EQ(STATUS(sysSpec.get_StateMachineSyms(BAD_SM, pro, page1, syms, info)), R::GET_OK);
  EXPECT_EQ(syms.size(), 2u);
  EXPECT_EQ(STATUS(sysSpec.get_StateMachineSyms(SM::DECISION, pro, 4711, syms, info)), R::GET_PAGE_UNKNOWN);

  syms = {nullptr};
  sysSpec.get_Diagram(pro, info)->get_StateMachineSyms(page1, syms, info);
  syms.pop_front();
  EXPECT_EQ(ids_of(syms), (std::list<int>{task, d2, d3}));

  // whole diagram: by page, then insertion order; the output is cleared first
  EXPECT_EQ(STATUS(sysSpec.get_StateMachineSymsFromDiagram(SM::DECISION, pro, syms, info)), R::GET_OK);
  EXPECT_EQ(ids_of(syms), (std::list<int>{d2, d3, d1}));
  EXPECT_EQ(STATUS(sysSpec.get_StateMachineSymsFromDiagram(SM::DECISION, task, syms, info)),
            R::GET_LOCATION_NO_DIAGRAM);
  EXPECT_TRUE(syms.empty());
}

TEST_F(ProcessFixture, FlowLinesInsertModifyDelete) {
  int a = add_sm(sysSpec, SM::DECISION, pro, page1);
  int b = add_sm(sysSpec, SM::TASK, pro, page2);
  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, pro, page1);
  int id = -1;
  std::list<int> coords{1, 2, 3};
  EXPECT_EQ(STATUS(sysSpec.insert_FlowLine(pro, page1, coords, t, b, info, id)), R::INSERT_FLOWLINE_SOURCE_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.insert_FlowLine(pro, page1, coords, a, 999, info, id)), R::INSERT_FLOWLINE_DEST_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.insert_DecisionFlowLine(pro, page1, coords, 999, b, "y", ClsRecPaS(0, 0, 0, 0), info, id)),
            R::INSERT_FLOWLINE_SOURCE_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.insert_FlowLine(a, page1, coords, a, b, info, id)), R::INSERT_LOCATION_NO_DIAGRAM);
  // ends checked first, then one ID taken
  EXPECT_EQ(STATUS(sysSpec.insert_FlowLine(pro, 4711, coords, a, b, info, id)), R::INSERT_PAGE_UNKNOWN);
  EXPECT_EQ(id, -1);
  std::list<const ClsFlowLine*> lines;
  sysSpec.get_FlowLines(pro, page1, lines, info);
  EXPECT_TRUE(lines.empty());

  int n1 = add_flow(sysSpec, pro, page1, a, b);  // ends on another page are fine
  EXPECT_EQ(n1, t + 4);  // the text symbol took three IDs, the failed insertion one
  int d1 = add_decision_flow(sysSpec, pro, page1, a, a, "no");  // a loop
  int n2 = add_flow(sysSpec, pro, page1, a, b);                  // the same two symbols again
  sysSpec.get_FlowLines(pro, page1, lines, info);
  EXPECT_EQ(ids_of(lines), (std::list<int>{n1, d1, n2}));

  // Changes of answer text and box reach only decision flow lines.
  const Diagram* dia = sysSpec.get_Diagram(pro, info);
  EXPECT_EQ(STATUS(sysSpec.modify_DecisionFlowLineContent(n1, "x", info)), R::MODIFY_ELEMENT_NOT_IN_LOCATION);
  EXPECT_EQ(STATUS(sysSpec.modify_DecisionFlowLinePaS(n1, 1, 1, 1, 1, info)), R::MODIFY_ELEMENT_NOT_IN_LOCATION);
  std::list<int> many{-1, 0, 7, 7, 7};
  EXPECT_EQ(STATUS(sysSpec.modify_FlowLineCoords(a, many, info)), R::MODIFY_ELEMENT_NOT_IN_LOCATION);

  EXPECT_EQ(STATUS(sysSpec.delete_FlowLine(d1, info)), R::DELETE_OK);
  EXPECT_EQ(STATUS(dia->get_FlowLine(d1, info)), R::GET_FLOWLINE_NOT_IN_LOCATION);
  EXPECT_EQ(STATUS(sysSpec.delete_FlowLine(b, info)), R::DELETE_ELEMENT_NOT_IN_LOCATION);
  EXPECT_EQ(STATUS(sysSpec.get_FlowLines(pro, 4711, lines, info)), R::GET_PAGE_UNKNOWN);
}

TEST_F(ProcessFixture, IncomingOutgoingAndStartingSymbols) {
  int start = add_sm(sysSpec, SM::START, pro, page1);
  int state = add_sm(sysSpec, SM::STATE, pro, page1);
  int input = add_sm(sysSpec, SM::INPUT, pro, page1);
  int far = add_sm(sysSpec, SM::STATE, pro, page2);
  int l1 = add_flow(sysSpec, pro, page1, start, state);
  int l2 = add_flow(sysSpec, pro, page1, state, input);
  int l3 = add_flow(sysSpec, pro, page1, input, state);
  int l4 = add_flow(sysSpec, pro, page1, start, far);  // drawn on page 1, far lies on page 2
  int l5 = add_flow(sysSpec, pro, page1, state, state);

  EXPECT_EQ(incoming(state), (std::list<int>{l1, l3, l5}));
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  EXPECT_EQ(outgoing(state), (std::list<int>{l2, l5}));
  EXPECT_EQ(outgoing(start), (std::list<int>{l1, l4}));
  EXPECT_EQ(incoming(far), std::list<int>{});
  EXPECT_EQ(info.get_Info(), R::GET_OK);

  EXPECT_EQ(incoming(l1), std::list<int>{});
  EXPECT_EQ(info.get_Info(), R::GET_STATEMACHINESYM_NOT_IN_LOCATION);
  EXPECT_EQ(outgoing(pro), std::list<int>{});
  EXPECT_EQ(info.get_Info(), R::GET_ELEMENT_WRONG_TYPE);
  EXPECT_EQ(outgoing(9999), std::list<int>{});
  EXPECT_EQ(info.get_Info(), R::GET_ELEMENT_UNKNOWN);

  std::list<const ClsStateMachineSymbol*> syms{nullptr};
  EXPECT_EQ(STATUS(sysSpec.get_StartingStateMachineSymsFromDiagram(SM::STATE, pro, syms, info)), R::GET_OK);
  EXPECT_EQ(ids_of(syms), (std::list<int>{far}));  // its only incoming line lies on another page than itself
  sysSpec.get_StartingStateMachineSymsFromDiagram(SM::START, pro, syms, info);
  EXPECT_EQ(ids_of(syms), (std::list<int>{start}));
  EXPECT_EQ(STATUS(sysSpec.get_StartingStateMachineSymsFromDiagram(SM::START, 12345, syms, info)),
            R::GET_LOCATION_UNKNOWN);
  EXPECT_TRUE(syms.empty());

  sysSpec.delete_FlowLine(l1, info);
  EXPECT_EQ(incoming(state), (std::list<int>{l3, l5}));
}

// Many symbols on a page joined in a ring and across it; after the lines
// leaving every third symbol are deleted (so that many symbols lose all their
// incoming or outgoing lines), every symbol still lists exactly its remaining lines.
TEST_F(ProcessFixture, InOutListsSurviveManyDeletions) {
  const int N = 300;
  std::vector<int> syms, lines, from, to;
  std::mt19937 rng(3);
  for (int i = 0; i < N; ++i) {
    for (unsigned gap = rng() % 4; gap > 0; --gap) add_sm(sysSpec, SM::TASK, pro, page2);  // irregular IDs
    syms.push_back(add_sm(sysSpec, SM::TASK, pro, page1));
  }
  for (int i = 0; i < N; ++i)
    for (int step : {1, 7}) {
      from.push_back(i);
      to.push_back((i + step) % N);
      lines.push_back(add_flow(sysSpec, pro, page1, syms[i], syms[(i + step) % N]));
    }
  auto kept = [&](std::size_t l) { return from[l] % 3 != 0; };
  for (std::size_t l = 0; l < lines.size(); ++l)
    if (!kept(l)) sysSpec.delete_FlowLine(lines[l], info);
  for (int s = 0; s < N; ++s) {
    std::list<int> want_in, want_out;
    for (std::size_t l = 0; l < lines.size(); ++l) {
      if (!kept(l)) continue;
      if (to[l] == s) want_in.push_back(lines[l]);
      if (from[l] == s) want_out.push_back(lines[l]);
    }
    ASSERT_EQ(incoming(syms[s]), want_in) << s;
    ASSERT_EQ(outgoing(syms[s]), want_out) << s;
  }
}
