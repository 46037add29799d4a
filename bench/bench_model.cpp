// Per-operation cost of the model at 1k, 100k and 1M elements of one family,
// and the memory that one element costs.
//
// Each family is built once per size on the first page of its diagram, with
// a second page holding ten elements for the page list queries. The single
// element operations cycle through 1024 elements spread evenly over the whole
// model, so that the figures show how the cost grows with the model, not how
// often the working set misses the processor caches.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/SysSpec.h"

using namespace Vemra;
using SM = ClsStateMachineSymbol;

namespace {

enum Family { SYMBOLS, CHANNELS, SM_SYMBOLS, FLOW_LINES };
const int SMALL_PAGE_COUNT = 10;
const std::size_t WORKING_SET = 1024;

struct Model {
  std::unique_ptr<SysSpec> sysSpec{new SysSpec};
  int dia = 1, page = 2, small_page = 0;
  std::vector<int> ids;  // the elements of the big page, in insertion order
  std::vector<int> ends;  // state-machine symbols the flow lines join
  std::vector<int> work;  // the working set
  std::size_t next = 0;

  int pick() {
    int id = work[next];
    next = (next + 1) % work.size();
    return id;
  }
};

ClsMoAccessInfo info;
std::list<int> coords{10, 20, 30, 40};
const ClsRecPaS box(1, 2, 3, 4);

int insert_symbol(Model& m, int page) {
  int id = -1;
  m.sysSpec->insert_Symbol(EnumSym::TEXT_SYM, m.dia, page, 10, 20, 100, 40, "S", info, id);
  return id;
}

int insert_channel(Model& m, int page, int src, int dst) {
  int id = -1;
  m.sysSpec->insert_Channel(m.dia, page, ClsChannel::NO_DELAY, ClsChanName("C", box), ClsChanSourceSigList("", box),
                            ClsChanSourceCon("", box), ClsChanDestSigList("", box), ClsChanDestCon("", box), coords,
                            false, src, false, dst, info, id);
  return id;
}

int insert_sm(Model& m, int page) {
  int id = -1;
  m.sysSpec->insert_StateMachineSymbol(SM::TASK, m.dia, page, 1, 2, 3, 4, "T", info, id);
  return id;
}

int insert_flow(Model& m, int page, int src, int dst) {
  int id = -1;
  m.sysSpec->insert_FlowLine(m.dia, page, coords, src, dst, info, id);
  return id;
}

// Inserts one element of the family on the page; `i` spreads the ends.
int insert_one(Model& m, Family f, int page, std::size_t i) {
  switch (f) {
    case SYMBOLS: return insert_symbol(m, page);
    case CHANNELS: return insert_channel(m, page, m.ends[i % m.ends.size()], m.ends[(i + 1) % m.ends.size()]);
    case SM_SYMBOLS: return insert_sm(m, page);
    case FLOW_LINES: return insert_flow(m, page, m.ends[i % m.ends.size()], m.ends[(i + 1) % m.ends.size()]);
  }
  return -1;
}

// Builds `n` elements of the family (flow lines and channels also get the
// symbols they join: one per element, each with one line in and one out).
void build(Model& m, Family f, std::size_t n) {
  if (f == SM_SYMBOLS || f == FLOW_LINES) {
    int sym = -1;
    m.sysSpec->insert_Symbol(EnumSym::PRO_INST_REF_SYM, 1, 2, 0, 0, 1, 1, "P", info, sym);
    m.dia = sym + 1;
    m.page = sym + 2;
  }
  m.sysSpec->append_NewPage(m.dia, info);
  m.small_page = m.sysSpec->get_LastPageID(m.dia, info);
  if (f == CHANNELS || f == FLOW_LINES)
    for (std::size_t i = 0; i < n; ++i)
      m.ends.push_back(f == CHANNELS ? insert_symbol(m, m.page) : insert_sm(m, m.page));
  m.ids.reserve(n);
  for (std::size_t i = 0; i < n; ++i) m.ids.push_back(insert_one(m, f, m.page, i));
  for (int i = 0; i < SMALL_PAGE_COUNT; ++i) insert_one(m, f, m.small_page, i);
  std::size_t step = n / WORKING_SET > 0 ? n / WORKING_SET : 1;
  for (std::size_t i = 0; i < n && m.work.size() < WORKING_SET; i += step) m.work.push_back(m.ids[i]);
}

// The models of one family, one per size; those of the previous family are
// dropped when the next family starts.
Model& model(Family f, std::size_t n) {
  static std::map<std::size_t, std::unique_ptr<Model>> cache;
  static Family cur_family = SYMBOLS;
  if (cur_family != f) cache.clear();
  cur_family = f;
  std::unique_ptr<Model>& m = cache[n];
  if (!m) {
    m.reset(new Model);
    build(*m, f, n);
  }
  return *m;
}

// The i-th of WORKING_SET end symbols spread evenly over the model.
int spread_end(const Model& m, std::size_t i) {
  std::size_t stride = m.ends.size() / WORKING_SET + 1;
  return m.ends[(i * stride) % m.ends.size()];
}

std::size_t size_of(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)); }

void check(benchmark::State& state, ClsMoAccessInfo::e_ResultType want) {
  if (info.get_Info() != want) state.SkipWithError("unexpected status");
}

// ---- structure symbols ---------------------------------------------------------

void BM_Symbol_Get(benchmark::State& state) {
  Model& m = model(SYMBOLS, size_of(state));
  for (auto _ : state) benchmark::DoNotOptimize(m.sysSpec->get_RecSymbol(m.pick(), info));
  check(state, ClsMoAccessInfo::GET_OK);
}

void BM_Symbol_Modify(benchmark::State& state) {
  Model& m = model(SYMBOLS, size_of(state));
  for (auto _ : state) m.sysSpec->set_SymbolPaS(m.pick(), 5, 6, 7, 8, info);
  check(state, ClsMoAccessInfo::MODIFY_OK);
}

void BM_Symbol_DeleteReinsert(benchmark::State& state) {
  Model& m = model(SYMBOLS, size_of(state));
  for (auto _ : state) {
    std::size_t slot = m.next;
    m.sysSpec->delete_Symbol(m.pick(), info);
    m.work[slot] = insert_symbol(m, m.page);
  }
  check(state, ClsMoAccessInfo::INSERT_OK);
}

void BM_Symbol_PageList(benchmark::State& state) {
  Model& m = model(SYMBOLS, size_of(state));
  for (auto _ : state) {
    std::list<const Symbol*> out;
    m.sysSpec->get_Syms(EnumSym::TEXT_SYM, m.dia, m.small_page, out, info);
    benchmark::DoNotOptimize(out);
  }
  check(state, ClsMoAccessInfo::GET_OK);
}

// ---- channels ---------------------------------------------------------------------

void BM_Channel_Get(benchmark::State& state) {
  Model& m = model(CHANNELS, size_of(state));
  const Diagram* dia = m.sysSpec->get_Diagram(m.dia, info);
  for (auto _ : state) benchmark::DoNotOptimize(dia->get_Channel(m.pick(), info));
  check(state, ClsMoAccessInfo::GET_OK);
}

void BM_Channel_Modify(benchmark::State& state) {
  Model& m = model(CHANNELS, size_of(state));
  for (auto _ : state) m.sysSpec->modify_ChanCompName(m.pick(), "N", box, info);
  check(state, ClsMoAccessInfo::MODIFY_OK);
}

// Insertion with the check of both ends, then deletion of the new channel.
void BM_Channel_InsertDelete(benchmark::State& state) {
  Model& m = model(CHANNELS, size_of(state));
  for (std::size_t i = 0; state.KeepRunning(); i = (i + 1) % WORKING_SET) {
    int id = insert_channel(m, m.page, spread_end(m, i), spread_end(m, i + 1));
    m.sysSpec->delete_Channel(id, info);
  }
  check(state, ClsMoAccessInfo::DELETE_OK);
}

void BM_Channel_PageList(benchmark::State& state) {
  Model& m = model(CHANNELS, size_of(state));
  for (auto _ : state) {
    std::list<const ClsChannel*> out;
    m.sysSpec->get_Channels(m.dia, m.small_page, out, info);
    benchmark::DoNotOptimize(out);
  }
  check(state, ClsMoAccessInfo::GET_OK);
}

// ---- state-machine symbols -------------------------------------------------------

void BM_StateMaSym_Get(benchmark::State& state) {
  Model& m = model(SM_SYMBOLS, size_of(state));
  for (auto _ : state) benchmark::DoNotOptimize(m.sysSpec->get_StateMachineSymbol(m.pick(), info));
  check(state, ClsMoAccessInfo::GET_OK);
}

void BM_StateMaSym_Modify(benchmark::State& state) {
  Model& m = model(SM_SYMBOLS, size_of(state));
  for (auto _ : state) m.sysSpec->modify_StateMachineSymContent(m.pick(), "U", info);
  check(state, ClsMoAccessInfo::MODIFY_OK);
}

void BM_StateMaSym_DeleteReinsert(benchmark::State& state) {
  Model& m = model(SM_SYMBOLS, size_of(state));
  for (auto _ : state) {
    std::size_t slot = m.next;
    m.sysSpec->delete_StateMachineSymbol(m.pick(), info);
    m.work[slot] = insert_sm(m, m.page);
  }
  check(state, ClsMoAccessInfo::INSERT_OK);
}

void BM_StateMaSym_PageList(benchmark::State& state) {
  Model& m = model(SM_SYMBOLS, size_of(state));
  for (auto _ : state) {
    std::list<const ClsStateMachineSymbol*> out;
    m.sysSpec->get_StateMachineSyms(SM::TASK, m.dia, m.small_page, out, info);
    benchmark::DoNotOptimize(out);
  }
  check(state, ClsMoAccessInfo::GET_OK);
}

// ---- flow lines --------------------------------------------------------------------

void BM_FlowLine_Get(benchmark::State& state) {
  Model& m = model(FLOW_LINES, size_of(state));
  const Diagram* dia = m.sysSpec->get_Diagram(m.dia, info);
  for (auto _ : state) benchmark::DoNotOptimize(dia->get_FlowLine(m.pick(), info));
  check(state, ClsMoAccessInfo::GET_OK);
}

void BM_FlowLine_Modify(benchmark::State& state) {
  Model& m = model(FLOW_LINES, size_of(state));
  for (auto _ : state) m.sysSpec->modify_FlowLineCoords(m.pick(), coords, info);
  check(state, ClsMoAccessInfo::MODIFY_OK);
}

void BM_FlowLine_InsertDelete(benchmark::State& state) {
  Model& m = model(FLOW_LINES, size_of(state));
  for (std::size_t i = 0; state.KeepRunning(); i = (i + 1) % WORKING_SET) {
    int id = insert_flow(m, m.page, spread_end(m, i), spread_end(m, i + 1));
    m.sysSpec->delete_FlowLine(id, info);
  }
  check(state, ClsMoAccessInfo::DELETE_OK);
}

void BM_FlowLine_InOut(benchmark::State& state) {
  Model& m = model(FLOW_LINES, size_of(state));
  for (std::size_t i = 0; state.KeepRunning(); i = (i + 1) % WORKING_SET) {
    std::list<const ClsFlowLine*> in, out;
    int sym = spread_end(m, i);
    m.sysSpec->get_InComingFlowLinesFromStateMaSym(sym, in, info);
    m.sysSpec->get_OutgoingFlowLinesFromStateMaSym(sym, out, info);
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(out);
  }
  check(state, ClsMoAccessInfo::GET_OK);
}

void BM_FlowLine_PageList(benchmark::State& state) {
  Model& m = model(FLOW_LINES, size_of(state));
  for (auto _ : state) {
    std::list<const ClsFlowLine*> out;
    m.sysSpec->get_FlowLines(m.dia, m.small_page, out, info);
    benchmark::DoNotOptimize(out);
  }
  check(state, ClsMoAccessInfo::GET_OK);
}

// ---- memory ---------------------------------------------------------------------------

// Bytes in use on the heap, including the large blocks malloc maps directly.
std::size_t heap_in_use() {
  struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

// Heap bytes per element of a family (with the symbols that channels and flow
// lines join measured separately and left out), texts of one letter.
void BM_Memory(benchmark::State& state) {
  Family f = static_cast<Family>(state.range(0));
  std::size_t n = static_cast<std::size_t>(state.range(1));
  double per_element = 0;
  for (auto _ : state) {
    Model m;
    if (f == SM_SYMBOLS || f == FLOW_LINES) build(m, SM_SYMBOLS, 0);
    else build(m, SYMBOLS, 0);
    if (f == CHANNELS || f == FLOW_LINES)
      for (std::size_t i = 0; i < n; ++i)
        m.ends.push_back(f == CHANNELS ? insert_symbol(m, m.page) : insert_sm(m, m.page));
    std::size_t before = heap_in_use();
    for (std::size_t i = 0; i < n; ++i) insert_one(m, f, m.page, i);
    std::size_t after = heap_in_use();
    per_element = static_cast<double>(after - before) / static_cast<double>(n);
  }
  state.counters["bytes_per_element"] = per_element;
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(100000)->Arg(1000000);
}

}  // namespace

BENCHMARK(BM_Symbol_Get)->Apply(sizes);
BENCHMARK(BM_Symbol_Modify)->Apply(sizes);
BENCHMARK(BM_Symbol_PageList)->Apply(sizes);
BENCHMARK(BM_Symbol_DeleteReinsert)->Apply(sizes);
BENCHMARK(BM_Channel_Get)->Apply(sizes);
BENCHMARK(BM_Channel_Modify)->Apply(sizes);
BENCHMARK(BM_Channel_PageList)->Apply(sizes);
BENCHMARK(BM_Channel_InsertDelete)->Apply(sizes);
BENCHMARK(BM_StateMaSym_Get)->Apply(sizes);
BENCHMARK(BM_StateMaSym_Modify)->Apply(sizes);
BENCHMARK(BM_StateMaSym_PageList)->Apply(sizes);
BENCHMARK(BM_StateMaSym_DeleteReinsert)->Apply(sizes);
BENCHMARK(BM_FlowLine_Get)->Apply(sizes);
BENCHMARK(BM_FlowLine_Modify)->Apply(sizes);
BENCHMARK(BM_FlowLine_PageList)->Apply(sizes);
BENCHMARK(BM_FlowLine_InOut)->Apply(sizes);
BENCHMARK(BM_FlowLine_InsertDelete)->Apply(sizes);
BENCHMARK(BM_Memory)
    ->ArgsProduct({{SYMBOLS, CHANNELS, SM_SYMBOLS, FLOW_LINES}, {1000000}})
    ->ArgNames({"family", "n"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
