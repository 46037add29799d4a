// The state-machine bodies of process and procedure definitions: labels,
// JOIN, NEXTSTATE, enclosed states, decisions, graph errors and depth.
#include "tests/unit/test_support.h"

#include "sdlpr/SDL92_Exporter.h"

using namespace sdltest;

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
    // A decision reached by two lines carries the label; the second arrival
    // joins it.
    {"labelled decision", IN_PROCESS,
     {{SM::START, ""}, {SM::STATE, "S"}, {SM::INPUT, "i"}, {SM::DECISION, "q"}, {SM::STOP, ""}},
     {{0, 3}, {1, 2}, {2, 3}, {3, 4, "y"}, {3, 4, "n"}},
     "START ;\ngrst1 :\nDECISION (q);\n(y):\ngrst2 :\nSTOP ;\n(n):\nJOIN grst2;\nENDDECISION;\nSTATE S;\nINPUT i;\n"
     "JOIN grst1;\n"},
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
