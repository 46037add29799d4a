// The model checker: the rule families on the model files of tests/data/check
// (a model that breaks the rules next to a near-identical one that keeps
// them), cases a model file cannot hold, and agreement with the SDL/PR
// generator on where it stops.
#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <set>

#include "check/ModelChecker.h"
#include "tests/unit/test_support.h"

using namespace sdltest;

namespace {

// The rules found, sorted, separated by blanks; without the geometry rules
// for models built with every symbol at the same place.
std::string rules_Of(const std::vector<ClsCheckFinding>& Findings, bool Geometry = true) {
  std::vector<std::string> Rules;
  for (const ClsCheckFinding& F : Findings)
    if (Geometry || (F.Rule != "overlap" && F.Rule != "outside-frame")) Rules.push_back(F.Rule);
  std::sort(Rules.begin(), Rules.end());
  std::string Out;
  for (const std::string& R : Rules) Out += (Out.empty() ? "" : " ") + R;
  return Out;
}

// The generator stops exactly where the checker reports an error of the
// rules that stop it, and writes the model when there is none (a symbol of
// the other diagram kind stops it only when a walk reaches it).
void expect_AgreesWithGenerator(PrModel& M, const std::vector<ClsCheckFinding>& Findings) {
  auto has = [&](std::function<bool(const ClsCheckFinding&)> Match) {
    return std::any_of(Findings.begin(), Findings.end(), Match);
  };
  Outcome O = M.outcome();
  const char* SmRule[] = {"", "illegal-start", "incomplete-transition"};
  const std::string Stopping = " illegal-start incomplete-transition dangling-flowline dangling-channel ";
  if (O.Type == NONE)
    EXPECT_FALSE(has([&](const ClsCheckFinding& F) { return Stopping.find(" " + F.Rule + " ") != std::string::npos; }))
        << rules_Of(Findings, false);
  else if (O.Type == UNSPECIFIED)
    EXPECT_TRUE(has([](const ClsCheckFinding& F) {
      return F.Rule == "wrong-end" || F.Rule.rfind("dangling", 0) == 0 || F.Rule == "decision-answers";
    }));
  else
    EXPECT_TRUE(has([&](const ClsCheckFinding& F) {
      return F.Rule == SmRule[O.Type] && F.ElementID == O.Symbol && F.PageID == O.Page && F.DiagramID == O.Diagram;
    })) << SmRule[O.Type] << " at " << O.Symbol;
}

struct FileCase {
  const char* File;
  const char* Rules;
};

const FileCase FILES[] = {
    {"bad_walk", "illegal-start incomplete-transition unreachable unreachable unreachable"},
    {"bad_ends", "wrong-end"},
    {"bad_starts", "illegal-start no-start several-starts unreachable"},
    {"bad_decisions", "decision-answers decision-answers empty-answer"},
    {"bad_names", "duplicate-name empty-name empty-name"},
    {"bad_signals", "channel-no-signals undeclared-signal undeclared-signal undeclared-signal undeclared-signal"},
    {"bad_procedures", "unknown-procedure"},
    {"bad_geometry", "outside-frame overlap"},
};

TEST(Checker, RuleFamiliesOnModelFiles) {
  for (const FileCase& C : FILES) {
    for (bool Ok : {false, true}) {
      std::string Name = Ok ? "ok" + std::string(C.File).substr(3) : C.File;
      SCOPED_TRACE(Name);
      PrModel M;
      M.Model.load(std::string(SDL_TEST_DATA_DIR) + "/check/" + Name + ".xml");
      std::vector<ClsCheckFinding> Findings = check_SysSpec(M.Model);
      EXPECT_EQ(rules_Of(Findings), Ok ? "" : C.Rules);
      expect_AgreesWithGenerator(M, Findings);
    }
  }
}

// Models that only editing makes: deleted ends, the other walk's end kind,
// flow lines drawn on another page than their symbols.
struct MemoryCase {
  const char* What;
  std::function<void(BodyModel&)> Build;
  const char* Rules;
};

const MemoryCase MEMORY[] = {
    {"deleted symbols leave their lines and channels",
     [](BodyModel& M) {
       auto S = M.graph(M.P, {{SM::START, ""}, {SM::TASK, "t"}, {SM::STATE, "s"}}, {{0, 1}, {1, 2}});
       M.Model.delete_StateMachineSymbol(S[2], M.Info);
       int Block = M.sym(M.sys(), EnumSym::BLK_INST_REF_SYM, "B");
       M.chan(M.sys(), {"c", "a", "", "", "", 0, 0, ENV, Block});
       M.Model.delete_Symbol(Block, M.Info);
     },
     "dangling-channel dangling-flowline undeclared-signal"},
    {"return symbol in a process",
     [](BodyModel& M) { M.graph(M.P, {{SM::START, ""}, {SM::PROCEDURE_RETURN, ""}}, {{0, 1}}); },
     "wrong-end"},
    {"line drawn on the source's page: the target has no incoming line on its own page",
     [](BodyModel& M) {
       int Page2 = M.new_page(M.P);
       int Start = M.sm(M.P, SM::START, ""), Task = M.sm(M.P, SM::TASK, "t", Page2);
       int Stop = M.sm(M.P, SM::STOP, "", Page2);
       M.line(M.P, Start, Task);
       M.line(M.P, Task, Stop, nullptr, Page2);
     },
     "illegal-start"},
    {"starting state reached by an earlier walk is only joined",
     [](BodyModel& M) {
       int Page2 = M.new_page(M.P);
       int Start = M.sm(M.P, SM::START, ""), S = M.sm(M.P, SM::STATE, "s", Page2);
       M.line(M.P, Start, S);
     },
     ""},
    {"starting state without transition, decision with one answer, procedure without start",
     [](BodyModel& M) {
       M.graph(M.P, {{SM::START, ""}, {SM::DECISION, "d"}, {SM::STATE, "s"}, {SM::STATE, "lone"}},
               {{0, 1}, {1, 2, "a"}});
       M.ref(M.P, EnumSym::PROCEDURE_INST_REF_SYM, "Pr");
     },
     "incomplete-transition incomplete-transition no-start"},
};

TEST(Checker, EditedModels) {
  for (const MemoryCase& C : MEMORY) {
    SCOPED_TRACE(C.What);
    BodyModel M;
    C.Build(M);
    std::vector<ClsCheckFinding> Findings = check_SysSpec(M.Model);
    EXPECT_EQ(rules_Of(Findings, false), C.Rules);
    expect_AgreesWithGenerator(M, Findings);
  }
}

// Random graphs of every kind in process and procedure bodies, some lines
// on a second page: wherever the generator stops, the checker has the error.
TEST(Checker, AgreesWithGeneratorOnRandomGraphs) {
  std::mt19937 Random(7);
  for (int Round = 0; Round < 400; ++Round) {
    BodyModel M(Round % 2 == 1);
    int Page2 = M.new_page(M.D);
    std::vector<int> Syms;
    for (int i = 0; i < 6; ++i)
      Syms.push_back(M.sm(M.D, static_cast<SM::e_StateMachineSymbolType>(1 + Random() % 12), "s",
                          Random() % 5 ? -1 : Page2));
    for (int i = 0; i < 7; ++i) {
      int From = Syms[Random() % 6], To = Syms[Random() % 6];
      const char* Answers[] = {nullptr, "a", "b"};
      M.line(M.D, From, To, Answers[Random() % 3], Random() % 5 ? -1 : Page2);
    }
    SCOPED_TRACE(Round);
    expect_AgreesWithGenerator(M, check_SysSpec(M.Model));
  }
}

// Random boxes, some empty or of negative size: of two overlapping symbols
// at least one is reported, and every reported one overlaps another.
TEST(Checker, OverlapSweepAgreesWithAllPairs) {
  std::mt19937 Random(11);
  for (int Round = 0; Round < 50; ++Round) {
    BodyModel M;
    std::vector<std::array<long, 5>> Boxes;  // x0 y0 x1 y1 id
    for (int i = 0; i < 40; ++i) {
      int x = Random() % 200, y = Random() % 200, w = int(Random() % 60) - 10, h = int(Random() % 60) - 10;
      int ID = 0;
      M.Model.insert_StateMachineSymbol(SM::TASK, M.P, M.page(M.P), x, y, w, h, "t", M.Info, ID);
      Boxes.push_back({std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h), ID});
    }
    std::set<long> Reported;
    for (const ClsCheckFinding& F : check_SysSpec(M.Model))
      if (F.Rule == "overlap") Reported.insert(F.ElementID);
    std::set<long> Overlapping;
    auto empty = [](const std::array<long, 5>& a) { return a[0] == a[2] || a[1] == a[3]; };
    for (auto& a : Boxes)
      for (auto& b : Boxes) {
        if (&a == &b || empty(a) || empty(b) || !(a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3])) continue;
        Overlapping.insert(a[4]);
        EXPECT_TRUE(Reported.count(a[4]) || Reported.count(b[4])) << Round;
      }
    for (long ID : Reported) EXPECT_TRUE(Overlapping.count(ID)) << Round;
  }
}

}  // namespace
