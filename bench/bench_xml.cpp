// Model file speed: storing and loading models of 10k, 100k and 1M elements,
// next to what writing the same bytes and parsing the same file with libxml2
// alone cost (into a document tree, and with its streaming reader as
// `xmllint --noout --stream` does). Loading also reports the peak memory
// that one load adds, in MB and as a multiple of the file size.
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/xmlreader.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "model/SysSpec.h"

using namespace Vemra;

namespace {
using SM = ClsStateMachineSymbol;
const int PER_PROCESS = 10000;  // elements per process diagram
const int PER_PAGE = 100;

int check(const ClsMoAccessInfo& info, int id) {
  if (info.get_Info() != ClsMoAccessInfo::INSERT_OK) throw std::runtime_error("model refused an insertion");
  return id;
}

// Process diagrams below one block, each with pages of state-machine symbols
// chained by flow lines (every tenth a decision answer), about `elements`
// elements in all, plus a few structure symbols and channels.
std::unique_ptr<SysSpec> build_model(int elements) {
  std::unique_ptr<SysSpec> sysSpec(new SysSpec());
  ClsMoAccessInfo info;
  int id = -1;
  sysSpec->insert_Symbol(EnumSym::BLK_INST_REF_SYM, 1, 2, 100, 100, 80, 40, "Block", info, id);
  int blk = sysSpec->get_RecSymbol(check(info, id), info)->get_referenced_Diagram_Model_ID();
  int blkPage = sysSpec->get_FirstPageID(blk, info);
  ClsRecPaS box(1, 2, 30, 10);
  for (int done = 0, p = 0; done < elements; done += PER_PROCESS, ++p) {
    sysSpec->insert_Symbol(EnumSym::PRO_INST_REF_SYM, blk, blkPage, 10 + p, 10, 80, 40, "P" + std::to_string(p), info,
                           id);
    int sym = check(info, id);
    int pro = sysSpec->get_RecSymbol(sym, info)->get_referenced_Diagram_Model_ID();
    std::list<int> coords{10, 20, 10, 40};
    sysSpec->insert_Channel(blk, blkPage, ClsChannel::DELAY, ClsChannel::BOTH, ClsChanName("c", box),
                            ClsChanSourceSigList("a, b", box), ClsChanSourceCon("", box), ClsChanDestSigList("x", box),
                            ClsChanDestCon("", box), coords, true, 0, false, sym, info, id);
    check(info, id);
    int page = sysSpec->get_FirstPageID(pro, info);
    int previous = -1;
    for (int i = 0; i < PER_PROCESS / 2; ++i) {
      if (i > 0 && i % PER_PAGE == 0) {
        sysSpec->append_NewPage(pro, info);
        page = sysSpec->get_LastPageID(pro, info);
        previous = -1;
      }
      SM::e_StateMachineSymbolType type = i % 10 == 0 ? SM::DECISION : i % 3 ? SM::TASK : SM::STATE;
      std::string text = "task & <" + std::to_string(i);
      sysSpec->insert_StateMachineSymbol(type, pro, page, 100, 10 + i % PER_PAGE, 80, 30, text, info, id);
      int current = check(info, id);
      if (previous >= 0) {
        std::list<int> path{140, 40, 140, 60, 150, 60};
        if (i % 10 == 1) sysSpec->insert_DecisionFlowLine(pro, page, path, previous, current, "yes", box, info, id);
        else sysSpec->insert_FlowLine(pro, page, path, previous, current, info, id);
        check(info, id);
      }
      previous = current;
    }
  }
  return sysSpec;
}

std::string file_name(int elements) {
  return "/tmp/bench_xml_" + std::to_string(getpid()) + "_" + std::to_string(elements) + ".xml";
}

// One model and its file per size, built on first use.
struct Fixture {
  std::unique_ptr<SysSpec> sysSpec;
  std::string path;
  std::string bytes;
  ~Fixture() {
    if (!path.empty()) std::remove(path.c_str());
  }
};
Fixture& fixture(int elements) {
  static std::map<int, Fixture> all;
  Fixture& f = all[elements];
  if (!f.sysSpec) {
    f.sysSpec = build_model(elements);
    f.path = file_name(elements);
    f.sysSpec->store(f.path);
    std::ifstream in(f.path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    f.bytes = text.str();
  }
  return f;
}

void set_counters(benchmark::State& state, const Fixture& f) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(f.bytes.size()));
  state.counters["elements"] = static_cast<double>(f.sysSpec->get_NumberOfRegisteredIDs());
  state.counters["MB"] = static_cast<double>(f.bytes.size()) / 1e6;
}

void BM_Store(benchmark::State& state) {
  Fixture& f = fixture(static_cast<int>(state.range(0)));
  std::string out = f.path + ".out";
  for (auto _ : state) benchmark::DoNotOptimize(f.sysSpec->store(out));
  std::remove(out.c_str());
  set_counters(state, f);
}

void BM_WriteSameBytes(benchmark::State& state) {
  Fixture& f = fixture(static_cast<int>(state.range(0)));
  std::string out = f.path + ".raw";
  for (auto _ : state) {
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(f.bytes.data(), static_cast<std::streamsize>(f.bytes.size()));
  }
  std::remove(out.c_str());
  set_counters(state, f);
}

void load_once(const Fixture& f) {
  SysSpec loaded;
  loaded.load(f.path);
  benchmark::DoNotOptimize(loaded.get_NumberOfRegisteredIDs());
}

// Resident memory in kB: the current size, or its peak ("VmHWM").
long resident_kB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.compare(0, std::strlen(field), field) == 0) return std::atol(line.c_str() + std::strlen(field) + 1);
  return -1;
}

// The peak memory that one load adds, measured in a child process so that the
// benchmark's own heap does not hide it: free heap is handed back first and
// the peak mark reset, then the child loads once and reports how far its
// peak rose above its size before the load.
double load_peak_MB(const Fixture& f) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  pid_t child = fork();
  if (child == 0) {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    long before = resident_kB("VmRSS:");
    load_once(f);
    long grown = resident_kB("VmHWM:") - before;
    if (write(fds[1], &grown, sizeof grown) != static_cast<ssize_t>(sizeof grown)) _exit(1);
    _exit(0);
  }
  long grown = -1;
  if (read(fds[0], &grown, sizeof grown) != static_cast<ssize_t>(sizeof grown)) grown = -1;
  close(fds[0]);
  close(fds[1]);
  waitpid(child, nullptr, 0);
  return static_cast<double>(grown) / 1e3;
}

void stream_once(const Fixture& f) {
  xmlTextReaderPtr reader = xmlReaderForFile(f.path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOBLANKS);
  int nodes = 0;
  while (xmlTextReaderRead(reader) == 1) ++nodes;
  benchmark::DoNotOptimize(nodes);
  xmlFreeTextReader(reader);
}

void parse_once(const Fixture& f) {
  xmlDocPtr doc = xmlReadFile(f.path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOBLANKS);
  benchmark::DoNotOptimize(doc);
  xmlFreeDoc(doc);
}

// Each measurement starts with one untimed run, so that loading and parsing
// alone both meet a heap whose pages are already mapped: otherwise whichever
// runs first pays the kernel's zeroing of fresh pages for both.
void BM_Load(benchmark::State& state) {
  Fixture& f = fixture(static_cast<int>(state.range(0)));
  load_once(f);
  for (auto _ : state) load_once(f);
  set_counters(state, f);
  double peak = load_peak_MB(f);
  state.counters["peak_MB"] = peak;
  state.counters["peak_per_file"] = peak / (static_cast<double>(f.bytes.size()) / 1e6);
}

void BM_StreamParseOnly(benchmark::State& state) {
  Fixture& f = fixture(static_cast<int>(state.range(0)));
  stream_once(f);
  for (auto _ : state) stream_once(f);
  set_counters(state, f);
}

void BM_ParseOnly(benchmark::State& state) {
  Fixture& f = fixture(static_cast<int>(state.range(0)));
  parse_once(f);
  for (auto _ : state) parse_once(f);
  set_counters(state, f);
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
}
}  // namespace

BENCHMARK(BM_Store)->Apply(sizes);
BENCHMARK(BM_WriteSameBytes)->Apply(sizes);
BENCHMARK(BM_Load)->Apply(sizes);
BENCHMARK(BM_ParseOnly)->Apply(sizes);
BENCHMARK(BM_StreamParseOnly)->Apply(sizes);

BENCHMARK_MAIN();
