// State-machine rules of process and procedure diagrams. The graph is read
// the way the SDL/PR generator reads it: the flow lines of a symbol are those
// drawn on the symbol's own page; the walks start at the start symbols and
// then at the states without incoming flow line, in page order; a decision
// needs two outgoing flow lines, every other walked symbol one unless its
// kind may end a transition (SDL_PR_WalkRules). Unlike the generator, the
// checker goes on after each problem so that it reports all of them.
#include <algorithm>

#include "check/CheckSupport.h"
#include "model/FlatIndex.h"
#include "sdlpr/SDL_PR_WalkRules.h"

namespace Vemra {
namespace Check {

namespace {

using SM = ClsStateMachineSymbol;
const auto ERROR = ClsCheckFinding::ERROR;
const auto WARNING = ClsCheckFinding::WARNING;

struct IndexSlot {
  int Index = -1;
  bool is_free() const { return Index < 0; }
};

// The graph of one diagram: symbols by position in page order, and each
// symbol's outgoing flow lines (compressed rows) and number of incoming ones.
class Graph {
public:
  Graph(const DiagramView& View, Findings& Out) : View(View), Syms(View.StateMaSyms) {
    std::size_t N = Syms.size();
    for (std::size_t i = 0; i < N; ++i) Index.get_or_create(Syms[i]->get_Model_ID()).Index = static_cast<int>(i);
    Incoming.assign(N, 0);
    OutBegin.assign(N + 1, 0);
    for (const ClsFlowLine* L : View.FlowLines) {
      int From = find(L->get_SourceID_as_Int()), To = find(L->get_DestID_as_Int());
      if (From < 0 || To < 0) report_Dangling(L, From, Out);
      if (From >= 0 && Syms[From]->get_Page_ID() == L->get_Page_ID()) ++OutBegin[From + 1];
      if (To >= 0 && Syms[To]->get_Page_ID() == L->get_Page_ID()) ++Incoming[To];
    }
    for (std::size_t i = 0; i < N; ++i) OutBegin[i + 1] += OutBegin[i];
    OutLines.resize(OutBegin[N]);
    std::vector<int> Fill(OutBegin.begin(), OutBegin.end() - 1);
    for (const ClsFlowLine* L : View.FlowLines) {
      int From = find(L->get_SourceID_as_Int());
      if (From >= 0 && Syms[From]->get_Page_ID() == L->get_Page_ID()) OutLines[Fill[From]++] = L;
    }
  }

  int find(int ID) const {
    const IndexSlot* Slot = Index.find(ID);
    return Slot ? Slot->Index : -1;
  }
  int out_Count(int i) const { return OutBegin[i + 1] - OutBegin[i]; }
  const ClsFlowLine* const* out_Begin(int i) const { return OutLines.data() + OutBegin[i]; }
  const ClsFlowLine* const* out_End(int i) const { return OutLines.data() + OutBegin[i + 1]; }

  const DiagramView& View;
  const std::vector<const SM*>& Syms;
  std::vector<int> Incoming;

private:
  void report_Dangling(const ClsFlowLine* L, int From, Findings& Out) const {
    std::string Message = From < 0 ? "flow line starts at a symbol that no longer exists"
                                   : "flow line from " + quote(Syms[From]->content_ref()) +
                                         " ends at a symbol that no longer exists";
    Out.add("dangling-flowline", ERROR, View, L->get_Page_ID(), L->get_Model_ID(), L->get_MoEleType(), Message);
  }

  FlatIndex<int, IndexSlot> Index;
  std::vector<int> OutBegin;
  std::vector<const ClsFlowLine*> OutLines;
};

class StateMachineRules {
public:
  StateMachineRules(const DiagramView& View, const Scopes& Names, Findings& Out)
      : View(View), Names(Names), Out(Out), G(View, Out), Rules(ClsSDL_PR_WalkRules::for_Diagram(View.type())),
        Reached(G.Syms.size(), 0) {}

  void run() {
    walk();
    int Starts = 0;
    for (std::size_t i = 0; i < G.Syms.size(); ++i) {
      const SM* S = G.Syms[i];
      SM::e_StateMachineSymbolType Type = S->get_SymbolType();
      if (Type == Rules.Start && ++Starts > 1)
        add(i, "several-starts", ERROR, describe(S) + " is one more start of this diagram");
      check_Kind(static_cast<int>(i));
      if (Type == SM::DECISION) check_Answers(static_cast<int>(i));
      if (Type == SM::INPUT || Type == SM::OUTPUT) check_Signal(S);
      if (Type == SM::CALL_PROCEDURE) check_Call(S);
    }
    if (Starts == 0)
      Out.add_ForDiagram("no-start", ERROR, View,
                         "diagram " + quote(View.Dia->name_ref()) + " has no " + describe_StateMaSym(Rules.Start));
  }

private:
  std::string describe(const SM* S) const {
    return std::string(describe_StateMaSym(S->get_SymbolType())) + " " + quote(S->content_ref());
  }

  void add(std::size_t i, const char* Rule, ClsCheckFinding::e_Severity Severity, std::string Message) {
    const SM* S = G.Syms[i];
    Out.add(Rule, Severity, View, S->get_Page_ID(), S->get_Model_ID(), S->get_MoEleType(), std::move(Message));
  }

  // The generator's walks: start symbols, then states, without incoming flow
  // line; a root that an earlier walk reached is only joined.
  void walk() {
    for (SM::e_StateMachineSymbolType RootType : {Rules.Start, SM::STATE}) {
      for (std::size_t r = 0; r < G.Syms.size(); ++r) {
        if (G.Syms[r]->get_SymbolType() != RootType || G.Incoming[r] != 0 || Reached[r]) continue;
        if (RootType == SM::STATE && G.out_Count(static_cast<int>(r)) == 0)
          add(r, "incomplete-transition", ERROR, "starting " + describe(G.Syms[r]) + " has no outgoing flow line");
        Reached[r] = 1;
        Stack.assign(1, static_cast<int>(r));
        while (!Stack.empty()) {
          int x = Stack.back();
          Stack.pop_back();
          check_Transition(x);
          for (auto L = G.out_Begin(x); L != G.out_End(x); ++L) {
            int y = G.find((*L)->get_DestID_as_Int());
            if (y >= 0 && !Reached[y]) {
              Reached[y] = 1;
              Stack.push_back(y);
            }
          }
        }
      }
    }
  }

  void check_Transition(int x) {
    const SM* S = G.Syms[x];
    SM::e_StateMachineSymbolType Type = S->get_SymbolType();
    if (!Rules.handles(Type)) return;
    if (Type == SM::DECISION) {
      if (G.out_Count(x) < 2)
        add(x, "incomplete-transition", ERROR, describe(S) + " has fewer than two outgoing flow lines");
    } else if (G.out_Count(x) == 0 && !Rules.may_End(Type, false)) {
      add(x, "incomplete-transition", ERROR, describe(S) + " has no outgoing flow line");
    }
  }

  void check_Kind(int i) {
    const SM* S = G.Syms[i];
    SM::e_StateMachineSymbolType Type = S->get_SymbolType();
    bool Process = View.type() == EnumDia::PRO_DIA;
    if (!Rules.handles(Type))
      add(i, "wrong-end", ERROR,
          describe(S) + " cannot be used in a " + (Process ? "process" : "procedure") + " diagram");
    else if (Rules.needs_Predecessor(Type) && G.Incoming[i] == 0)
      add(i, "illegal-start", ERROR, describe(S) + " has no incoming flow line");
    else if (!Reached[i])
      add(i, "unreachable", WARNING, describe(S) + " is not reached from a start symbol or a state");
  }

  void check_Answers(int i) {
    const SM* S = G.Syms[i];
    int Answers = 0;
    bool Normal = false;
    std::vector<std::pair<std::string, const ClsFlowLine*>> Texts;
    for (auto L = G.out_Begin(i); L != G.out_End(i); ++L) {
      if ((*L)->get_FlowLineType() != ClsFlowLine::DECISION_ANSWER) {
        Normal = true;
        continue;
      }
      ++Answers;
      const std::string& Answer = static_cast<const ClsDecisionFlowLine*>(*L)->content_ref();
      if (is_Blank(Answer))
        Out.add("empty-answer", WARNING, View, (*L)->get_Page_ID(), (*L)->get_Model_ID(), (*L)->get_MoEleType(),
                "answer of " + describe(S) + " is empty");
      else Texts.emplace_back(fold_Name(Answer), *L);
    }
    if (Normal) add(i, "decision-answers", ERROR, describe(S) + " has an outgoing flow line without answer");
    // Fewer than two flow lines at all is already an incomplete transition when the walk reaches it.
    if (Answers < 2 && !(Reached[i] && G.out_Count(i) < 2))
      add(i, "decision-answers", ERROR, describe(S) + " has fewer than two answers");
    std::stable_sort(Texts.begin(), Texts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < Texts.size(); ++k) {
      if (Texts[k].first != Texts[k - 1].first) continue;
      const ClsFlowLine* L = Texts[k].second;
      Out.add("decision-answers", ERROR, View, L->get_Page_ID(), L->get_Model_ID(), L->get_MoEleType(),
              "answer " + quote(static_cast<const ClsDecisionFlowLine*>(L)->content_ref()) + " of " + describe(S) +
                  " is given twice");
    }
  }

  void check_Signal(const SM* S) {
    std::string Name = first_Name(S->content_ref());
    if (Name.empty() || Names.Signals.has(fold_Name(Name))) return;
    Out.add("undeclared-signal", WARNING, View, S->get_Page_ID(), S->get_Model_ID(), S->get_MoEleType(),
            "signal " + quote(Name) + " of " + describe(S) + " is not declared");
  }

  void check_Call(const SM* S) {
    std::string Name = first_Name(S->content_ref());
    if (!Name.empty() && Names.Procedures.has(fold_Name(Name))) return;
    Out.add("unknown-procedure", WARNING, View, S->get_Page_ID(), S->get_Model_ID(), S->get_MoEleType(),
            describe(S) + " names no procedure of this diagram or an enclosing one");
  }

  const DiagramView& View;
  const Scopes& Names;
  Findings& Out;
  Graph G;
  const ClsSDL_PR_WalkRules& Rules;
  std::vector<char> Reached;
  std::vector<int> Stack;
};

}  // namespace

void check_StateMachine(const DiagramView& View, const Scopes& Names, Findings& Out) {
  EnumDia::Type Type = View.type();
  if (Type != EnumDia::PRO_DIA && Type != EnumDia::PROCEDURE_DIA) return;
  StateMachineRules(View, Names, Out).run();
}

}  // namespace Check
}  // namespace Vemra
