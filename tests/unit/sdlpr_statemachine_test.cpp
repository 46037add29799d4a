// The state-machine bodies of process and procedure definitions: labels,
// JOIN, NEXTSTATE, enclosed states, decisions, graph errors and depth.
#include <map>
#include <random>

#include "sdlpr/SDL92_Exporter.h"
#include "tests/unit/sdlpr_support.h"

using namespace sdlpr_test;

namespace {

enum Where { IN_PROCESS, ON_PAGE_2, IN_PROCEDURE };

// A graph in the body of P (on its first or a second page) or of Pr; Body is
// the whole body, or what is written before the error.
struct BodyCase {
  const char* What;
  Where At;
  std::vector<SmDef> Syms;
  std::vector<Edge> Edges;
  std::string Body;
  int Error = NONE;
  int Culprit = -1;  // index of the symbol a graph error names
};

const BodyCase BODIES[] = {
    {"worked example", IN_PROCESS,
     {{SM::START, ""}, {SM::STATE, "Idle"}, {SM::INPUT, "sig1"}, {SM::DECISION, "x > 0"}, {SM::OUTPUT, "ack"}},
     {{0, 1}, {1, 2}, {2, 3}, {3, 4, "true"}, {3, 1, "false"}, {4, 1}},
     "START ;\ngrst1 :\nNEXTSTATE Idle;\nSTATE Idle;\nINPUT sig1;\nDECISION (x > 0);\n(true):\nOUTPUT ack;\n"
     "JOIN grst1;\n(false):\nJOIN grst1;\nENDDECISION;\n"},
    // The task is reached twice: label at the first arrival, JOIN at the
    // second. Done is first reached from the condition and has an outgoing
    // line, so its transitions follow its NEXTSTATE.
    {"labels, joins and every statement kind", IN_PROCESS,
     {{SM::START, "go"}, {SM::DECISION, ""}, {SM::TASK, "t := 1"}, {SM::CREATE_PRO, "Q"}, {SM::CALL_PROCEDURE, "Pr"},
      {SM::CONDITION, "c"}, {SM::STATE, "Done"}, {SM::STOP, ""}},
     {{0, 1}, {1, 2, "a"}, {1, 2, ""}, {1, 6, "c"}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}},
     "START go;\nDECISION ();\n(a):\ngrst2 :\nTASK t := 1;\nCREATE Q;\nCALL Pr;\nPROVIDED c;\ngrst6 :\n"
     "NEXTSTATE Done;\nSTATE Done;\nSTOP ;\n():\nJOIN grst2;\n(c):\nJOIN grst6;\nENDDECISION;\n"},
    // Quiet has no outgoing line: only NEXTSTATE. First has no incoming
    // line: it is walked from the body.
    {"states with and without transitions", IN_PROCESS,
     {{SM::START, ""}, {SM::OUTPUT, "o"}, {SM::STATE, "Quiet"}, {SM::STATE, "First"}, {SM::INPUT, "i"}},
     {{0, 1}, {1, 2}, {3, 4}, {4, 2}},
     "START ;\nOUTPUT o;\ngrst2 :\nNEXTSTATE Quiet;\nSTATE First;\nINPUT i;\nJOIN grst2;\n"},
    {"two start symbols share their symbols; a lone condition is not written", IN_PROCESS,
     {{SM::START, ""}, {SM::START, ""}, {SM::TASK, "t"}, {SM::STOP, ""}, {SM::CONDITION, "never written"}},
     {{0, 2}, {1, 2}, {2, 3}},
     "START ;\ngrst1 :\nTASK t;\nSTOP ;\nSTART ;\nJOIN grst1;\n"},
    {"procedure body: the start's state is enclosed", IN_PROCEDURE,
     {{SM::PROCEDURE_START_STATE, ""}, {SM::STATE, "W"}, {SM::INPUT, "i"}, {SM::PROCEDURE_RETURN, ""}},
     {{0, 1}, {1, 2}, {2, 3}},
     "START ;\nNEXTSTATE W;\nSTATE W;\nINPUT i;\nRETURN ;\n"},
};

const BodyCase ERRORS[] = {
    // Transitions that do not end.
    {"output without outgoing line, on a second page", ON_PAGE_2, {{SM::START, ""}, {SM::OUTPUT, "o"}}, {{0, 1}},
     "START ;\nOUTPUT o;\n", NOT_COMPLETE, 1},
    {"starting state without outgoing line", IN_PROCESS, {{SM::STATE, "Alone"}}, {}, "STATE Alone;\n", NOT_COMPLETE, 0},
    {"start without outgoing line", IN_PROCESS, {{SM::START, ""}}, {}, "START ;\n", NOT_COMPLETE, 0},
    {"decision with one answer", IN_PROCESS, {{SM::START, ""}, {SM::DECISION, "q"}, {SM::STOP, ""}},
     {{0, 1}, {1, 2, "y"}}, "START ;\nDECISION (q);\n", NOT_COMPLETE, 1},
    // After the walks, symbols without predecessor: inputs are checked before
    // outputs, a condition not at all.
    {"missing predecessors", IN_PROCESS,
     {{SM::START, ""}, {SM::STOP, ""}, {SM::CONDITION, "c"}, {SM::OUTPUT, "o"}, {SM::INPUT, "i"}, {SM::OUTPUT, "o2"}},
     {{0, 1}, {4, 5}}, "START ;\nSTOP ;\n", ILLEGAL_START, 4},
    // Symbols and lines the walk does not handle.
    {"ordinary flow line leaving a decision", IN_PROCESS, {{SM::START, ""}, {SM::DECISION, "q"}, {SM::STOP, ""}},
     {{0, 1}, {1, 2, "y"}, {1, 2}}, "START ;\nDECISION (q);\n(y):\ngrst2 :\nSTOP ;\n", UNSPECIFIED},
    {"return symbol in a process", IN_PROCESS, {{SM::START, ""}, {SM::PROCEDURE_RETURN, ""}}, {{0, 1}}, "START ;\n",
     UNSPECIFIED},
    {"stop symbol in a procedure", IN_PROCEDURE, {{SM::PROCEDURE_START_STATE, ""}, {SM::STOP, ""}}, {{0, 1}},
     "START ;\n", UNSPECIFIED},
};

void check(const BodyCase& c) {
  for (bool nested : {false, true}) {
    SCOPED_TRACE(std::string(c.What) + (nested ? " (nested)" : " (referenced)"));
    BodyModel m(c.At == IN_PROCEDURE);
    int page = c.At == ON_PAGE_2 ? m.new_page(m.D) : m.page(m.D);
    std::vector<int> ids = m.graph(m.D, c.Syms, c.Edges, page);
    Outcome o = m.outcome(nested);
    EXPECT_EQ(o.Type, c.Error);
    EXPECT_EQ(m.Written, c.Error == NONE ? m.wrap(c.Body, nested) : m.head(nested) + c.Body);
    if (c.Error > UNSPECIFIED) {
      EXPECT_EQ(o.Symbol, ids.at(c.Culprit));
      EXPECT_EQ(o.Page, page);
      EXPECT_EQ(o.Diagram, m.D);
    }
  }
}

}  // namespace

TEST(SdlPrStateMachine, Bodies) {
  for (const BodyCase& c : BODIES) check(c);
}

TEST(SdlPrStateMachineErrors, GraphErrorsStopTheGeneration) {
  for (const BodyCase& c : ERRORS) check(c);
}

// ---- the walk compared with its recursive definition -------------------------

namespace {

struct RecursiveStop {
  int Type, Symbol;
};

// The walk as it is defined: one level of recursion per symbol.
struct RecursiveWalk {
  RecursiveWalk(const SysSpec& S, bool Procedure)
      : S(S),
        Start(Procedure ? SM::PROCEDURE_START_STATE : SM::START),
        End(Procedure ? SM::PROCEDURE_RETURN : SM::STOP) {}
  const SysSpec& S;
  SM::e_StateMachineSymbolType Start, End;
  std::string Out;
  std::map<int, int> Labels;
  ClsMoAccessInfo Info;

  void body(int Dia) {
    for (auto k : {Start, SM::STATE})
      for (const SM* s : starting(k, Dia)) walk(true, s);
    for (auto k : {SM::INPUT, SM::OUTPUT, SM::TASK, End, SM::DECISION, SM::CREATE_PRO, SM::CALL_PROCEDURE})
      if (!starting(k, Dia).empty()) throw RecursiveStop{ILLEGAL_START, starting(k, Dia).front()->get_Model_ID()};
  }
  std::list<const SM*> starting(SM::e_StateMachineSymbolType k, int Dia) {
    std::list<const SM*> l;
    S.get_StartingStateMachineSymsFromDiagram(k, Dia, l, Info);
    return l;
  }
  std::list<const ClsFlowLine*> lines(int id, bool in) {
    std::list<const ClsFlowLine*> l;
    in ? S.get_InComingFlowLinesFromStateMaSym(id, l, Info) : S.get_OutgoingFlowLinesFromStateMaSym(id, l, Info);
    return l;
  }
  const SM* dest(const ClsFlowLine* f) { return S.get_StateMachineSymbol(f->get_DestID_as_Int(), Info); }
  std::string keyword(SM::e_StateMachineSymbolType t) {
    if (t == Start) return "START";
    if (t == End) return t == SM::STOP ? "STOP" : "RETURN";
    static const std::map<int, std::string> k{{SM::STATE, "STATE"},       {SM::OUTPUT, "OUTPUT"},
                                              {SM::INPUT, "INPUT"},       {SM::TASK, "TASK"},
                                              {SM::CONDITION, "PROVIDED"}, {SM::CREATE_PRO, "CREATE"},
                                              {SM::CALL_PROCEDURE, "CALL"}, {SM::DECISION, "DECISION"}};
    auto it = k.find(t);
    return it == k.end() ? "" : it->second;
  }
  // A symbol already written becomes a JOIN; otherwise it gets the next
  // label, written when it has several incoming lines.
  bool joined(int id) {
    if (Labels.count(id)) Out += "JOIN grst" + std::to_string(Labels[id]) + ";\n";
    return Labels.count(id);
  }
  void labelled(int id) {
    Labels.emplace(id, static_cast<int>(Labels.size()));
    if (lines(id, true).size() > 1) Out += "grst" + std::to_string(Labels[id]) + " :\n";
  }

  void walk(bool Starting, const SM* X) {
    int id = X->get_Model_ID();
    SM::e_StateMachineSymbolType t = X->get_SymbolType();
    if (joined(id)) return;
    if (keyword(t).empty()) throw RecursiveStop{UNSPECIFIED, id};
    labelled(id);
    auto out = lines(id, false);
    if (t == SM::DECISION) {
      Out += "DECISION (" + X->content_ref() + ");\n";
      if (out.size() < 2) throw RecursiveStop{NOT_COMPLETE, id};
      for (const ClsFlowLine* f : out) {
        if (f->get_FlowLineType() != ClsFlowLine::DECISION_ANSWER) throw RecursiveStop{UNSPECIFIED, id};
        Out += "(" + static_cast<const ClsDecisionFlowLine*>(f)->content_ref() + "):\n";
        successor(f, false);
      }
      Out += "ENDDECISION;\n";
      return;
    }
    Out += keyword(t) + " " + X->content_ref() + ";\n";
    if (out.empty() && (t == SM::STATE ? Starting : t != End)) throw RecursiveStop{NOT_COMPLETE, id};
    for (const ClsFlowLine* f : out) successor(f, t == Start);
  }
  // A state after a line: NEXTSTATE, then its transitions when it has any or
  // when it follows the start.
  void successor(const ClsFlowLine* f, bool AfterStart) {
    const SM* Y = dest(f);
    int id = Y->get_Model_ID();
    if (Y->get_SymbolType() != SM::STATE) return walk(false, Y);
    if (joined(id)) return;
    labelled(id);
    Out += "NEXTSTATE " + Y->content_ref() + ";\n";
    auto out = lines(id, false);
    if (!AfterStart && out.empty()) return;
    Out += "STATE " + Y->content_ref() + ";\n";
    for (const ClsFlowLine* g : out) walk(false, dest(g));
  }
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
      std::string answer = "a" + std::to_string(k);
      m.line(Dia, ids[i], ids[to], types[i] == SM::DECISION && rng() % 10 ? answer.c_str() : nullptr, page);
    }
  }
}

}  // namespace

TEST(SdlPrStateMachineDepth, RandomGraphsMatchTheRecursiveWalk) {
  int stopped = 0, complete = 0;
  for (unsigned seed = 1; seed <= 1000; ++seed) {
    std::mt19937 rng(seed);
    BodyModel m(seed % 3 == 0);
    random_Graph(m, m.D, rng, seed % 2 == 0);
    RecursiveWalk ref(m.Model, m.Procedure);
    RecursiveStop refStop{NONE, -1};
    try {
      ref.body(m.D);
    } catch (const RecursiveStop& s) {
      refStop = s;
    }
    for (bool nested : {false, true}) {
      Outcome o = m.outcome(nested);
      ASSERT_EQ(m.Written, m.head(nested) + ref.Out + (refStop.Type == NONE ? m.tail(nested) : ""))
          << "seed " << seed << " nested " << nested;
      ASSERT_EQ(o.Type, refStop.Type) << "seed " << seed;
      if (refStop.Type > UNSPECIFIED) {
        EXPECT_EQ(o.Symbol, refStop.Symbol) << "seed " << seed;
        EXPECT_EQ(o.Diagram, m.D);
      }
    }
    // The SDL-92 export walks the same graph: same error, and then nothing written.
    std::ostringstream exported;
    std::vector<std::string> warnings;
    std::string error, wanted = refStop.Type == NONE ? "" : refStop.Type == UNSPECIFIED ? "not_specified"
        : SMError::get_StateMaErrorText(static_cast<SMError::e_StateMaErrorType>(refStop.Type)) + ": symbol " +
          std::to_string(refStop.Symbol) + ", page " + std::to_string(m.outcome(true).Page) + ", diagram " +
          std::to_string(m.D);
    EXPECT_EQ(export_SDL92(m.Model, exported, warnings, error), refStop.Type == NONE) << "seed " << seed;
    EXPECT_EQ(error, wanted) << "seed " << seed;
    EXPECT_EQ(exported.str().empty(), refStop.Type != NONE) << "seed " << seed;
    (refStop.Type == NONE ? complete : stopped)++;
  }
  // Both outcomes must be well represented for the comparison to mean much.
  EXPECT_GT(complete, 40);
  EXPECT_GT(stopped, 40);
}

TEST(SdlPrStateMachineDepth, LongTransition) {
  const int length = 300000;
  BodyModel m;
  int prev = m.sm(m.P, SM::START, "");
  std::string body = "START ;\n";
  for (int i = 0; i < length; ++i) {
    int t = m.sm(m.P, SM::TASK, "t");
    m.line(m.P, prev, t);
    prev = t;
    body += "TASK t;\n";
  }
  m.line(m.P, prev, m.sm(m.P, SM::STATE, "End"));
  EXPECT_EQ(m.generate(false), m.wrap(body + "NEXTSTATE End;\n"));
}

TEST(SdlPrStateMachineDepth, DeepDecisionChain) {
  const int depth = 50000;
  BodyModel m;
  int dec = m.sm(m.P, SM::DECISION, "q");
  m.line(m.P, m.sm(m.P, SM::START, ""), dec);
  std::string open, close;
  for (int i = 0; i < depth; ++i) {
    int next = i + 1 < depth ? m.sm(m.P, SM::DECISION, "q") : m.sm(m.P, SM::STOP, "");
    m.line(m.P, dec, next, "y");
    m.line(m.P, dec, m.sm(m.P, SM::STOP, ""), "n");
    dec = next;
    open += "DECISION (q);\n(y):\n";
    close += "(n):\nSTOP ;\nENDDECISION;\n";
  }
  EXPECT_EQ(m.generate(true), m.wrap("START ;\n" + open + "STOP ;\n" + close, true));
  // The export of the chain: indentation stops growing, the text grows linearly.
  std::ostringstream exported;
  std::vector<std::string> warnings;
  std::string error;
  ASSERT_TRUE(export_SDL92(m.Model, exported, warnings, error));
  EXPECT_LT(exported.str().size(), depth * 1000u);
}
