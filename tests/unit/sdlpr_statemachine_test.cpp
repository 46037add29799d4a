// The state-machine bodies of process and procedure definitions: labels,
// JOIN, NEXTSTATE, enclosed states, decisions, graph errors and depth.
#include <map>
#include <random>

#include "tests/unit/sdlpr_support.h"

using namespace sdlpr_test;
using SMError = ClsSDL_PR_Writer_StateMaSymError;

namespace {

// Runs the generation and returns the error type it stopped with (-1: none,
// 0: unspecified) and, for a graph error, the symbol, page and diagram.
struct Outcome {
  int Type = -1;
  int Symbol = -1, Page = -1, Diagram = -1;
};

Outcome run(PrModel& m, bool Nested = false) {
  Outcome o;
  try {
    m.generate(Nested);
  } catch (const SMError& e) {
    o = {e.get_StateMaErrorType(), e.get_Symbol_ID(), e.get_PageID(), e.get_DiagramID()};
  } catch (const ClsSDL_PR_Writer_UnspecifiedError&) {
    o.Type = 0;
  }
  return o;
}

}  // namespace

TEST(SdlPrStateMachine, WorkedExample) {
  ProcessModel m;
  int start = m.sm(m.P, SM::START, "");
  int idle = m.sm(m.P, SM::STATE, "Idle");
  int sig = m.sm(m.P, SM::INPUT, "sig1");
  int dec = m.sm(m.P, SM::DECISION, "x > 0");
  int ack = m.sm(m.P, SM::OUTPUT, "ack");
  m.flow(m.P, start, idle);
  m.flow(m.P, idle, sig);
  m.flow(m.P, sig, dec);
  m.answer(m.P, dec, ack, "true");
  m.answer(m.P, dec, idle, "false");
  m.flow(m.P, ack, idle);
  EXPECT_EQ(m.generate(false), ProcessModel::wrap("START ;\ngrst1 :\nNEXTSTATE Idle;\nSTATE Idle;\nINPUT sig1;\n"
                                                  "DECISION (x > 0);\n(true):\nOUTPUT ack;\nJOIN grst1;\n"
                                                  "(false):\nJOIN grst1;\nENDDECISION;\n"));
}

TEST(SdlPrStateMachine, LabelsJoinsAndEveryStatementKind) {
  ProcessModel m;
  int start = m.sm(m.P, SM::START, "go");
  int dec = m.sm(m.P, SM::DECISION, "");
  int task = m.sm(m.P, SM::TASK, "t := 1");
  int cre = m.sm(m.P, SM::CREATE_PRO, "Q");
  int call = m.sm(m.P, SM::CALL_PROCEDURE, "Pr");
  int cond = m.sm(m.P, SM::CONDITION, "c");
  int done = m.sm(m.P, SM::STATE, "Done");
  int stop = m.sm(m.P, SM::STOP, "");
  m.flow(m.P, start, dec);
  m.answer(m.P, dec, task, "a");
  m.answer(m.P, dec, task, "");
  m.answer(m.P, dec, done, "c");
  m.flow(m.P, task, cre);
  m.flow(m.P, cre, call);
  m.flow(m.P, call, cond);
  m.flow(m.P, cond, done);
  m.flow(m.P, done, stop);
  // The task has two incoming lines: label at the first arrival, JOIN at the
  // second. Done is first reached from the condition and has an outgoing
  // line, so its transitions follow its NEXTSTATE.
  EXPECT_EQ(m.generate(false),
            ProcessModel::wrap("START go;\nDECISION ();\n(a):\ngrst2 :\nTASK t := 1;\nCREATE Q;\nCALL Pr;\n"
                               "PROVIDED c;\ngrst6 :\nNEXTSTATE Done;\nSTATE Done;\nSTOP ;\n"
                               "():\nJOIN grst2;\n(c):\nJOIN grst6;\nENDDECISION;\n"));
}

TEST(SdlPrStateMachine, StatesWithAndWithoutTransitions) {
  ProcessModel m;
  int start = m.sm(m.P, SM::START, "");
  int out = m.sm(m.P, SM::OUTPUT, "o");
  int quiet = m.sm(m.P, SM::STATE, "Quiet");
  int first = m.sm(m.P, SM::STATE, "First");  // no incoming: walked from the body
  int in = m.sm(m.P, SM::INPUT, "i");
  m.flow(m.P, start, out);
  m.flow(m.P, out, quiet);  // a state without outgoing lines: only NEXTSTATE
  m.flow(m.P, first, in);
  m.flow(m.P, in, quiet);
  EXPECT_EQ(m.generate(false), ProcessModel::wrap("START ;\nOUTPUT o;\ngrst2 :\nNEXTSTATE Quiet;\n"
                                                  "STATE First;\nINPUT i;\nJOIN grst2;\n"));
}

TEST(SdlPrStateMachine, TwoStartSymbolsShareTheirSymbols) {
  ProcessModel m;
  int s1 = m.sm(m.P, SM::START, "");
  int s2 = m.sm(m.P, SM::START, "");
  int task = m.sm(m.P, SM::TASK, "t");
  int stop = m.sm(m.P, SM::STOP, "");
  m.flow(m.P, s1, task);
  m.flow(m.P, s2, task);
  m.flow(m.P, task, stop);
  int cond = m.sm(m.P, SM::CONDITION, "never written");
  (void)cond;
  EXPECT_EQ(m.generate(false), ProcessModel::wrap("START ;\ngrst1 :\nTASK t;\nSTOP ;\nSTART ;\nJOIN grst1;\n"));
}

TEST(SdlPrStateMachine, ProcedureBody) {
  PrModel m;
  int P = m.ref(m.sys(), EnumSym::PRO_INST_REF_SYM, "P");
  int Pr = m.ref(P, EnumSym::PROCEDURE_INST_REF_SYM, "Pr");
  ClsMoAccessInfo Info;
  m.Model.modify_ProcedureDiaFormalParameters(Pr, "FPAR x INTEGER", Info);
  int start = m.sm(Pr, SM::PROCEDURE_START_STATE, "");
  int wait = m.sm(Pr, SM::STATE, "W");
  int in = m.sm(Pr, SM::INPUT, "i");
  int ret = m.sm(Pr, SM::PROCEDURE_RETURN, "");
  m.flow(Pr, start, wait);  // start rule: the enclosed state is written
  m.flow(Pr, wait, in);
  m.flow(Pr, in, ret);
  EXPECT_EQ(m.generate(true), "SYSTEM ROOT;\nPROCESS P;\nPROCEDURE Pr;\nFPAR x INTEGER;\nSTART ;\nNEXTSTATE W;\n"
                              "STATE W;\nINPUT i;\nRETURN ;\nENDPROCEDURE Pr;\nENDPROCESS P;\nENDSYSTEM ROOT;\n");
}

TEST(SdlPrStateMachineErrors, TransitionsThatDoNotEnd) {
  {  // an output without outgoing line, on a second page
    ProcessModel m;
    ClsMoAccessInfo Info;
    m.Model.append_NewPage(m.P, Info);
    int page2 = m.Model.get_LastPageID(m.P, Info);
    int start = m.sm(m.P, SM::START, "", page2);
    int out = m.sm(m.P, SM::OUTPUT, "o", page2);
    std::list<int> Coords{0, 0, 1, 1};
    int ID;
    m.Model.insert_FlowLine(m.P, page2, Coords, start, out, Info, ID);
    Outcome o = run(m);
    EXPECT_EQ(o.Type, SMError::SMS_TRANSITION_NOT_COMPLETE);
    EXPECT_EQ(o.Symbol, out);
    EXPECT_EQ(o.Page, page2);
    EXPECT_EQ(o.Diagram, m.P);
    EXPECT_EQ(m.Written, ProcessModel::HEAD + "START ;\nOUTPUT o;\n");
  }
  {  // a starting state without outgoing line
    ProcessModel m;
    int st = m.sm(m.P, SM::STATE, "Alone");
    EXPECT_EQ(run(m).Symbol, st);
    EXPECT_EQ(m.Written, ProcessModel::HEAD + "STATE Alone;\n");
  }
  {  // a start symbol without outgoing line
    ProcessModel m;
    int st = m.sm(m.P, SM::START, "");
    EXPECT_EQ(run(m).Symbol, st);
  }
  {  // a decision with one answer
    ProcessModel m;
    int start = m.sm(m.P, SM::START, "");
    int dec = m.sm(m.P, SM::DECISION, "q");
    int stop = m.sm(m.P, SM::STOP, "");
    m.flow(m.P, start, dec);
    m.answer(m.P, dec, stop, "y");
    Outcome o = run(m);
    EXPECT_EQ(o.Type, SMError::SMS_TRANSITION_NOT_COMPLETE);
    EXPECT_EQ(o.Symbol, dec);
  }
}

TEST(SdlPrStateMachineErrors, MissingPredecessorsAfterTheWalks) {
  ProcessModel m;
  int start = m.sm(m.P, SM::START, "");
  int stop = m.sm(m.P, SM::STOP, "");
  m.flow(m.P, start, stop);
  m.sm(m.P, SM::CONDITION, "no error for a condition");
  int out = m.sm(m.P, SM::OUTPUT, "o");
  int in = m.sm(m.P, SM::INPUT, "i");  // inputs are checked before outputs
  m.flow(m.P, in, out);
  Outcome o = run(m);
  EXPECT_EQ(o.Type, SMError::SMS_ILLEGAL_START_STATE);
  EXPECT_EQ(o.Symbol, in);
  EXPECT_EQ(m.Written, ProcessModel::HEAD + "START ;\nSTOP ;\n");
}

TEST(SdlPrStateMachineErrors, SymbolsAndLinesTheWalkDoesNotHandle) {
  {  // an ordinary flow line leaving a decision
    ProcessModel m;
    int start = m.sm(m.P, SM::START, "");
    int dec = m.sm(m.P, SM::DECISION, "q");
    int stop = m.sm(m.P, SM::STOP, "");
    m.flow(m.P, start, dec);
    m.answer(m.P, dec, stop, "y");
    m.flow(m.P, dec, stop);
    EXPECT_EQ(run(m).Type, 0);
    EXPECT_EQ(m.Written, ProcessModel::HEAD + "START ;\nDECISION (q);\n(y):\ngrst2 :\nSTOP ;\n");
  }
  {  // a return symbol in a process
    ProcessModel m;
    int start = m.sm(m.P, SM::START, "");
    int ret = m.sm(m.P, SM::PROCEDURE_RETURN, "");
    m.flow(m.P, start, ret);
    EXPECT_EQ(run(m).Type, 0);
  }
  {  // a stop symbol in a procedure
    PrModel m;
    int P = m.ref(m.sys(), EnumSym::PRO_INST_REF_SYM, "P");
    int Pr = m.ref(P, EnumSym::PROCEDURE_INST_REF_SYM, "Pr");
    int start = m.sm(Pr, SM::PROCEDURE_START_STATE, "");
    int stop = m.sm(Pr, SM::STOP, "");
    m.flow(Pr, start, stop);
    EXPECT_EQ(run(m).Type, 0);
  }
}

// ---- the walk compared with its recursive definition -------------------------

namespace {

struct RecursiveStop {
  int Type;
  int Symbol;
};

// The walk as it is defined: one level of recursion per symbol.
class RecursiveWalk {
public:
  RecursiveWalk(const SysSpec& S, bool Procedure)
      : S(S),
        Start(Procedure ? SM::PROCEDURE_START_STATE : SM::START),
        End(Procedure ? SM::PROCEDURE_RETURN : SM::STOP) {}

  void body(int Dia) {
    for (auto k : {Start, SM::STATE})
      for (const SM* s : starting(k, Dia)) walk(true, s);
    for (auto k : {SM::INPUT, SM::OUTPUT, SM::TASK, End, SM::DECISION, SM::CREATE_PRO, SM::CALL_PROCEDURE}) {
      auto l = starting(k, Dia);
      if (!l.empty()) throw RecursiveStop{1, l.front()->get_Model_ID()};
    }
  }
  std::string Out;

private:
  std::list<const SM*> starting(SM::e_StateMachineSymbolType k, int Dia) {
    std::list<const SM*> l;
    ClsMoAccessInfo Info;
    S.get_StartingStateMachineSymsFromDiagram(k, Dia, l, Info);
    return l;
  }
  std::list<const ClsFlowLine*> lines(int id, bool in) {
    std::list<const ClsFlowLine*> l;
    ClsMoAccessInfo Info;
    if (in) S.get_InComingFlowLinesFromStateMaSym(id, l, Info);
    else S.get_OutgoingFlowLinesFromStateMaSym(id, l, Info);
    return l;
  }
  const SM* dest(const ClsFlowLine* f) {
    ClsMoAccessInfo Info;
    return S.get_StateMachineSymbol(f->get_DestID_as_Int(), Info);
  }
  std::string label(int id) { return "grst" + std::to_string(Labels.at(id)); }
  void mark(int id) { Labels.emplace(id, static_cast<int>(Labels.size())); }
  std::string keyword(SM::e_StateMachineSymbolType t) {
    if (t == Start) return "START";
    if (t == End) return t == SM::STOP ? "STOP" : "RETURN";
    static const std::map<int, std::string> k{{SM::STATE, "STATE"},   {SM::OUTPUT, "OUTPUT"},
                                              {SM::INPUT, "INPUT"},   {SM::TASK, "TASK"},
                                              {SM::CONDITION, "PROVIDED"}, {SM::CREATE_PRO, "CREATE"},
                                              {SM::CALL_PROCEDURE, "CALL"}};
    auto it = k.find(t);
    return it == k.end() ? "" : it->second;
  }

  void walk(bool F, const SM* X) {
    int id = X->get_Model_ID();
    if (Labels.count(id)) {
      Out += "JOIN " + label(id) + ";\n";
      return;
    }
    std::size_t in = lines(id, true).size();
    mark(id);
    if (X->get_SymbolType() == SM::DECISION) {
      if (in > 1) Out += label(id) + " :\n";
      Out += "DECISION (" + X->content_ref() + ");\n";
      auto out = lines(id, false);
      if (out.size() < 2) throw RecursiveStop{2, id};
      for (const ClsFlowLine* f : out) {
        if (f->get_FlowLineType() != ClsFlowLine::DECISION_ANSWER) throw RecursiveStop{0, id};
        Out += "(" + static_cast<const ClsDecisionFlowLine*>(f)->content_ref() + "):\n";
        successor(f, false);
      }
      Out += "ENDDECISION;\n";
      return;
    }
    std::string kw = keyword(X->get_SymbolType());
    if (kw.empty()) throw RecursiveStop{0, id};
    if (in > 1) Out += label(id) + " :\n";
    Out += kw + " " + X->content_ref() + ";\n";
    auto out = lines(id, false);
    bool state = X->get_SymbolType() == SM::STATE;
    if (out.empty() && ((!state && X->get_SymbolType() != End) || (state && F))) throw RecursiveStop{2, id};
    for (const ClsFlowLine* f : out) successor(f, X->get_SymbolType() == Start);
  }
  void successor(const ClsFlowLine* f, bool startRule) {
    const SM* Y = dest(f);
    int id = Y->get_Model_ID();
    if (Y->get_SymbolType() != SM::STATE) return walk(false, Y);
    if (Labels.count(id)) {
      Out += "JOIN " + label(id) + ";\n";
      return;
    }
    mark(id);
    if (lines(id, true).size() > 1) Out += label(id) + " :\n";
    Out += "NEXTSTATE " + Y->content_ref() + ";\n";
    if (startRule || !lines(id, false).empty()) enclosed(Y);
  }
  void enclosed(const SM* Y) {
    Out += "STATE " + Y->content_ref() + ";\n";
    for (const ClsFlowLine* f : lines(Y->get_Model_ID(), false)) walk(false, dest(f));
  }

  const SysSpec& S;
  SM::e_StateMachineSymbolType Start, End;
  std::map<int, int> Labels;
};

// A random graph in diagram Dia: mostly regular kinds, some of the other
// walk's kinds, decisions mostly with answer lines. With two pages, symbols
// lie on either and some flow lines are drawn on the page of neither end's
// choice, so that only one of their ends sees them.
void random_Graph(PrModel& m, int Dia, std::mt19937& rng, bool TwoPages) {
  int pages[2] = {m.page(Dia), TwoPages ? m.new_page(Dia) : m.page(Dia)};
  static const SM::e_StateMachineSymbolType kinds[] = {
      SM::START, SM::STATE, SM::STATE, SM::STATE, SM::OUTPUT, SM::INPUT, SM::INPUT, SM::STOP, SM::TASK,
      SM::CONDITION, SM::DECISION, SM::DECISION, SM::CREATE_PRO, SM::CALL_PROCEDURE, SM::PROCEDURE_START_STATE,
      SM::PROCEDURE_RETURN};
  int n = 2 + rng() % 20;
  std::vector<int> ids, symPage;
  std::vector<SM::e_StateMachineSymbolType> types;
  for (int i = 0; i < n; ++i) {
    types.push_back(kinds[rng() % (sizeof kinds / sizeof kinds[0])]);
    symPage.push_back(pages[rng() % 2]);
    ids.push_back(m.sm(Dia, types.back(), "s" + std::to_string(i), symPage.back()));
  }
  for (int i = 0; i < n; ++i) {
    int degree = types[i] == SM::DECISION ? 1 + rng() % 3 : rng() % 3;
    for (int k = 0; k < degree; ++k) {
      int to = rng() % n;
      int page = rng() % 4 ? symPage[i] : symPage[to];
      if (types[i] == SM::DECISION && rng() % 10) m.answer(Dia, ids[i], ids[to], "a" + std::to_string(k), page);
      else m.flow(Dia, ids[i], ids[to], page);
    }
  }
}

}  // namespace

TEST(SdlPrStateMachineDepth, RandomGraphsMatchTheRecursiveWalk) {
  int stopped = 0, complete = 0;
  for (unsigned seed = 1; seed <= 1000; ++seed) {
    std::mt19937 rng(seed);
    bool procedure = seed % 3 == 0;
    PrModel m;
    int P = m.ref(m.sys(), EnumSym::PRO_INST_REF_SYM, "P");
    int Dia = procedure ? m.ref(P, EnumSym::PROCEDURE_INST_REF_SYM, "Pr") : P;
    random_Graph(m, Dia, rng, seed % 2 == 0);
    std::string head = ProcessModel::HEAD;
    std::string tail = "ENDPROCESS P;\n";
    if (procedure) {
      head += "PROCEDURE Pr REFERENCED;\nENDPROCESS P;\nPROCEDURE Pr;\nformal parameters;\n";
      tail = "ENDPROCEDURE Pr;\n";
    }
    RecursiveWalk ref(m.Model, procedure);
    int refType = -1, refSymbol = -1;
    try {
      ref.body(Dia);
    } catch (const RecursiveStop& s) {
      refType = s.Type;
      refSymbol = s.Symbol;
    }
    Outcome o = run(m);
    ASSERT_EQ(m.Written, head + ref.Out + (refType == -1 ? tail : "")) << "seed " << seed;
    ASSERT_EQ(o.Type, refType) << "seed " << seed;
    if (refType > 0) {
      EXPECT_EQ(o.Symbol, refSymbol) << "seed " << seed;
      EXPECT_EQ(o.Diagram, Dia);
    }
    (refType == -1 ? complete : stopped)++;
  }
  // Both outcomes must be well represented for the comparison to mean much.
  EXPECT_GT(complete, 40);
  EXPECT_GT(stopped, 40);
}

TEST(SdlPrStateMachineDepth, LongTransition) {
  const int length = 300000;
  ProcessModel m;
  int prev = m.sm(m.P, SM::START, "");
  for (int i = 0; i < length; ++i) {
    int t = m.sm(m.P, SM::TASK, "t");
    m.flow(m.P, prev, t);
    prev = t;
  }
  m.flow(m.P, prev, m.sm(m.P, SM::STATE, "End"));
  std::string body = "START ;\n";
  for (int i = 0; i < length; ++i) body += "TASK t;\n";
  body += "NEXTSTATE End;\n";
  EXPECT_EQ(m.generate(false), ProcessModel::wrap(body));
}

TEST(SdlPrStateMachineDepth, DeepDecisionChain) {
  const int depth = 50000;
  ProcessModel m;
  int prev = m.sm(m.P, SM::START, "");
  int dec = m.sm(m.P, SM::DECISION, "q");
  m.flow(m.P, prev, dec);
  for (int i = 1; i < depth; ++i) {
    int next = m.sm(m.P, SM::DECISION, "q");
    m.answer(m.P, dec, next, "y");
    m.answer(m.P, dec, m.sm(m.P, SM::STOP, ""), "n");
    dec = next;
  }
  m.answer(m.P, dec, m.sm(m.P, SM::STOP, ""), "y");
  m.answer(m.P, dec, m.sm(m.P, SM::STOP, ""), "n");
  std::string open, close;
  for (int i = 0; i < depth; ++i) {
    open += "DECISION (q);\n(y):\n";
    close += "(n):\nSTOP ;\nENDDECISION;\n";
  }
  EXPECT_EQ(m.generate(true), "SYSTEM ROOT;\nPROCESS P;\nSTART ;\n" + open + "STOP ;\n" + close +
                                  "ENDPROCESS P;\nENDSYSTEM ROOT;\n");
}
