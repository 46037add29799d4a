// Generation time of the SDL/PR writer and of the SDL-92 export against model
// size: one large process graph, and many small diagrams. The argument is the
// number of state-machine symbols; the SDL/PR file goes to /tmp, the export
// stays in memory.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <list>
#include <memory>
#include <string>

#include "model/SysSpec.h"
#include "sdlpr/SDL92_Exporter.h"
#include "sdlpr/SDL_PR_Writer.h"

using namespace Vemra;
using SM = ClsStateMachineSymbol;

namespace {

int first_Page(SysSpec& S, int Dia) {
  ClsMoAccessInfo Info;
  return S.get_FirstPageID(Dia, Info);
}

int add_Ref(SysSpec& S, int Dia, EnumSym::Type Type, const std::string& Name) {
  ClsMoAccessInfo Info;
  int ID = -1;
  S.insert_Symbol(Type, Dia, first_Page(S, Dia), 0, 0, 10, 10, Name, Info, ID);
  return S.get_RecSymbol(ID, Info)->get_referenced_Diagram_Model_ID();
}

struct GraphBuilder {
  SysSpec& S;
  int Dia, Page;
  std::list<int> Coords{0, 0, 10, 10};
  int sym(SM::e_StateMachineSymbolType Type, const std::string& Text) {
    ClsMoAccessInfo Info;
    int ID = -1;
    S.insert_StateMachineSymbol(Type, Dia, Page, 0, 0, 100, 40, Text, Info, ID);
    return ID;
  }
  void flow(int From, int To) {
    ClsMoAccessInfo Info;
    int ID;
    S.insert_FlowLine(Dia, Page, Coords, From, To, Info, ID);
  }
  void answer(int From, int To, const std::string& Text) {
    ClsMoAccessInfo Info;
    int ID;
    S.insert_DecisionFlowLine(Dia, Page, Coords, From, To, Text, ClsRecPaS(0, 0, 20, 10), Info, ID);
  }
  // A chain of groups state -> input -> decision -> (a) task -> output -> next
  // state, (b) -> back to the first state; about Symbols symbols in all.
  void chain(int Symbols) {
    int first = sym(SM::STATE, "S0");
    flow(sym(SM::START, ""), first);
    int state = first;
    for (int i = 0; i + 5 <= Symbols; i += 5) {
      int in = sym(SM::INPUT, "sig" + std::to_string(i));
      int dec = sym(SM::DECISION, "x > " + std::to_string(i));
      int task = sym(SM::TASK, "x := x + 1");
      int out = sym(SM::OUTPUT, "ack");
      int next = sym(SM::STATE, "S" + std::to_string(i + 5));
      flow(state, in);
      flow(in, dec);
      answer(dec, task, "true");
      answer(dec, first, "false");
      flow(task, out);
      flow(out, next);
      state = next;
    }
  }
};

std::unique_ptr<SysSpec> one_Large_Process(int Symbols) {
  auto S = std::make_unique<SysSpec>();
  int P = add_Ref(*S, S->get_System_Model_ID(), EnumSym::PRO_INST_REF_SYM, "P");
  GraphBuilder{*S, P, first_Page(*S, P)}.chain(Symbols);
  return S;
}

// Blocks of ten processes, each process with a chain of about 20 symbols.
std::unique_ptr<SysSpec> many_Diagrams(int Symbols) {
  auto S = std::make_unique<SysSpec>();
  int Sys = S->get_System_Model_ID();
  int Block = -1;
  for (int p = 0; p * 20 < Symbols; ++p) {
    if (p % 10 == 0) Block = add_Ref(*S, Sys, EnumSym::BLK_INST_REF_SYM, "B" + std::to_string(p / 10));
    int P = add_Ref(*S, Block, EnumSym::PRO_INST_REF_SYM, "P" + std::to_string(p));
    GraphBuilder{*S, P, first_Page(*S, P)}.chain(20);
  }
  return S;
}

template <std::unique_ptr<SysSpec> (*Build)(int)>
void BM_Generate(benchmark::State& state) {
  int Symbols = static_cast<int>(state.range(0));
  bool Nested = state.range(1) != 0;
  std::unique_ptr<SysSpec> S = Build(Symbols);
  std::string Path = "/tmp/bench_sdlpr_" + std::to_string(::getpid()) + ".pr";
  for (auto _ : state) {
    ClsSDL_PR_Writer Writer;
    Writer.write_SysSpec(S.get(), Path, Nested);
  }
  std::remove(Path.c_str());
  state.SetComplexityN(Symbols);
  state.counters["symbols/s"] = benchmark::Counter(Symbols, benchmark::Counter::kIsIterationInvariantRate);
}

template <std::unique_ptr<SysSpec> (*Build)(int)>
void BM_Export(benchmark::State& state) {
  int Symbols = static_cast<int>(state.range(0));
  std::unique_ptr<SysSpec> S = Build(Symbols);
  for (auto _ : state) {
    ClsSDL92_Exporter Exporter(*S);
    benchmark::DoNotOptimize(Exporter.export_Text());
  }
  state.SetComplexityN(Symbols);
  state.counters["symbols/s"] = benchmark::Counter(Symbols, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Export, one_Large_Process)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(BM_Export, many_Diagrams)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Generate, one_Large_Process)
    ->ArgsProduct({{10000, 100000, 1000000}, {0}})
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(BM_Generate, many_Diagrams)
    ->ArgsProduct({{10000, 100000, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
