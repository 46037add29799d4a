// The model checker against SDL/PR generation of the same model, at 10k, 100k
// and 1M elements (symbols and flow lines): one large process on one large
// page, and many processes of one page each. Symbols lie in a grid inside
// their page frame, as an editor would place them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <list>
#include <map>
#include <memory>
#include <string>

#include "check/ModelChecker.h"
#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Writer.h"

using namespace Vemra;
using SM = ClsStateMachineSymbol;

namespace {

const int COLUMNS = 5, CELL_W = 120, CELL_H = 60;

int first_Page(SysSpec& S, int Dia) {
  ClsMoAccessInfo Info;
  return S.get_FirstPageID(Dia, Info);
}

int add_Ref(SysSpec& S, int Dia, EnumSym::Type Type, const std::string& Name, int Slot) {
  ClsMoAccessInfo Info;
  int ID = -1;
  S.insert_Symbol(Type, Dia, first_Page(S, Dia), 100 + (Slot % COLUMNS) * CELL_W, 70 + (Slot / COLUMNS) * CELL_H,
                  100, 40, Name, Info, ID);
  return S.get_RecSymbol(ID, Info)->get_referenced_Diagram_Model_ID();
}

// Makes the page and its frame large enough for the given number of grid rows.
void size_Page(SysSpec& S, int Dia, int Rows) {
  ClsMoAccessInfo Info;
  int Page = first_Page(S, Dia);
  int Height = 200 + Rows * CELL_H;
  S.modify_PageHeight(Dia, Page, Height, Info);
  S.modify_PageWidth(Dia, Page, 800, Info);
  S.modify_PageFramePaS(Dia, Page, 50, 50, 700, Height - 100, Info);
}

// Chains of groups state -> input -> decision -> (true) task -> output ->
// next state, (false) -> first state: 5 symbols and 6 flow lines a group.
struct GraphBuilder {
  SysSpec& S;
  int Dia, Page, Slot = 0;
  std::list<int> Coords{0, 0, 10, 10};
  int sym(SM::e_StateMachineSymbolType Type, const std::string& Text) {
    ClsMoAccessInfo Info;
    int ID = -1;
    S.insert_StateMachineSymbol(Type, Dia, Page, 100 + (Slot % COLUMNS) * CELL_W, 70 + (Slot / COLUMNS) * CELL_H,
                                100, 40, Text, Info, ID);
    ++Slot;
    return ID;
  }
  void flow(int From, int To, const char* Answer = nullptr) {
    ClsMoAccessInfo Info;
    int ID;
    if (Answer) S.insert_DecisionFlowLine(Dia, Page, Coords, From, To, Answer, ClsRecPaS(0, 0, 20, 10), Info, ID);
    else S.insert_FlowLine(Dia, Page, Coords, From, To, Info, ID);
  }
  void chain(int Groups) {
    int first = sym(SM::STATE, "S0");
    flow(sym(SM::START, ""), first);
    int state = first;
    for (int i = 0; i < Groups; ++i) {
      int in = sym(SM::INPUT, "req");
      int dec = sym(SM::DECISION, "x > " + std::to_string(i));
      int task = sym(SM::TASK, "x := x + 1");
      int out = sym(SM::OUTPUT, "ack");
      int next = sym(SM::STATE, "S" + std::to_string(i + 1));
      flow(state, in);
      flow(in, dec);
      flow(dec, task, "true");
      flow(dec, first, "false");
      flow(task, out);
      flow(out, next);
      state = next;
    }
  }
};

std::unique_ptr<SysSpec> new_System() {
  auto S = std::make_unique<SysSpec>();
  ClsMoAccessInfo Info;
  int ID = -1;
  int Sys = S->get_System_Model_ID();
  S->insert_Symbol(EnumSym::TEXT_SYM, Sys, first_Page(*S, Sys), 100, 70, 100, 40, "SIGNAL req, ack;", Info, ID);
  return S;
}

std::unique_ptr<SysSpec> one_Large_Process(int Elements) {
  auto S = new_System();
  int P = add_Ref(*S, S->get_System_Model_ID(), EnumSym::PRO_INST_REF_SYM, "P", 1);
  int Groups = Elements / 11;
  size_Page(*S, P, (Groups * 5 + 2) / COLUMNS + 1);
  GraphBuilder{*S, P, first_Page(*S, P)}.chain(Groups);
  return S;
}

// Blocks of ten processes, each with four groups (about 46 elements).
std::unique_ptr<SysSpec> many_Diagrams(int Elements) {
  auto S = new_System();
  int Sys = S->get_System_Model_ID();
  int Block = -1;
  for (int p = 0; p * 46 < Elements; ++p) {
    if (p % 10 == 0) {
      size_Page(*S, Sys, p / 10 / COLUMNS + 2);
      Block = add_Ref(*S, Sys, EnumSym::BLK_INST_REF_SYM, "B" + std::to_string(p / 10), p / 10 + 1);
    }
    int P = add_Ref(*S, Block, EnumSym::PRO_INST_REF_SYM, "P" + std::to_string(p), p % 10);
    GraphBuilder{*S, P, first_Page(*S, P)}.chain(4);
  }
  return S;
}

// Each model is built once and shared by the check and the generation. The
// models are freed before main returns: destroying them among the static
// objects at exit would meet the model's own statics already destroyed.
std::map<std::pair<void*, int>, std::unique_ptr<SysSpec>> Built;

template <std::unique_ptr<SysSpec> (*Build)(int)>
const SysSpec& model(int Elements) {
  auto& M = Built[{reinterpret_cast<void*>(Build), Elements}];
  if (!M) M = Build(Elements);
  return *M;
}

template <std::unique_ptr<SysSpec> (*Build)(int)>
void BM_Check(benchmark::State& state) {
  const SysSpec& S = model<Build>(static_cast<int>(state.range(0)));
  std::size_t Findings = 0;
  for (auto _ : state) Findings = check_SysSpec(S).size();
  if (Findings) state.SkipWithError("the benchmark model should be clean");
  state.SetComplexityN(state.range(0));
}

template <std::unique_ptr<SysSpec> (*Build)(int)>
void BM_Generate(benchmark::State& state) {
  const SysSpec& S = model<Build>(static_cast<int>(state.range(0)));
  std::string Path = "/tmp/bench_check_" + std::to_string(::getpid()) + ".pr";
  for (auto _ : state) ClsSDL_PR_Writer().write_SysSpec(&S, Path, false);
  std::remove(Path.c_str());
  state.SetComplexityN(state.range(0));
}

}  // namespace

#define SIZES ->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
BENCHMARK_TEMPLATE(BM_Check, one_Large_Process) SIZES->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(BM_Generate, one_Large_Process) SIZES;
BENCHMARK_TEMPLATE(BM_Check, many_Diagrams) SIZES->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(BM_Generate, many_Diagrams) SIZES;

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Built.clear();
  return 0;
}
