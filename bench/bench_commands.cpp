// Per-call cost of the sdl Tcl commands through a real interpreter, next to a
// do-nothing command registered the same way, at two model sizes.
//
// Run under a display (Tk needs one): xvfb-run -a ./bench/bench_commands
// The library is loaded from $SDL_LIB_DIR, else from the build folder.
#include <benchmark/benchmark.h>
#include <tcl.h>
#include <tk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

Tcl_Interp* interp = nullptr;
long modelSize = -1;

int do_nothing(ClientData, Tcl_Interp*, int, const char*[]) { return TCL_OK; }

void eval(const std::string& script) {
  if (Tcl_Eval(interp, script.c_str()) != TCL_OK) {
    std::fprintf(stderr, "script failed: %s\n%s\n", Tcl_GetStringResult(interp), script.c_str());
    std::exit(1);
  }
}

bool start_interpreter() {
  interp = Tcl_CreateInterp();
  if (Tcl_Init(interp) != TCL_OK || Tk_Init(interp) != TCL_OK) {
    std::fprintf(stderr, "no Tcl/Tk: %s\n", Tcl_GetStringResult(interp));
    return false;
  }
  const char* dir = std::getenv("SDL_LIB_DIR");
  std::string lib = std::string(dir ? dir : SDL_LIB_DIR) + "/libsdl.so";
  eval("wm withdraw .; load {" + lib + "} Sdl");
  eval("namespace eval ::Vemra_MAR { variable arr_MAR; array set arr_MAR {} }");
  Tcl_CreateCommand(interp, "do_nothing", do_nothing, nullptr, nullptr);
  return true;
}

// The model: `size` text symbols on the system's first page (with one block
// type reference among them) and 100 text symbols on a second page; a process
// diagram whose page holds the state-machine insertions.
void build_model(long size) {
  if (modelSize == size) return;
  eval("create_EmptySysSpec; add_NewPage_after_in_Model 1 2");
  eval("insert_RecSym_into_Model 1 2 BlkTypeRefSym 0 0 10 10 T");
  eval("for {set i 1} {$i < " + std::to_string(size) +
       "} {incr i} { insert_RecSym_into_Model 1 2 TextSym $i 0 10 10 t$i }");
  eval("for {set i 0} {$i < 100} {incr i} { insert_RecSym_into_Model 1 3 TextSym $i 0 10 10 t$i }");
  eval("insert_RecSym_into_Model 1 3 ProInstRefSym 0 0 10 10 P; set ::proDia $::Vemra_MAR::arr_MAR(RefDia_Model_ID)");
  eval("get_FirstPageID_from_Model $::proDia; set ::proPage $::Vemra_MAR::arr_MAR(FirstPageID)");
  // a text symbol in the middle of the big page (IDs 4, 7, 10, ...)
  eval("set ::middle " + std::to_string(3 * (size / 2) + 4));
  modelSize = size;
}

// Runs `script` (compiled once) per iteration.
void run_script(benchmark::State& state, long size, const std::string& script) {
  build_model(size);
  Tcl_Obj* obj = Tcl_NewStringObj(script.c_str(), -1);
  Tcl_IncrRefCount(obj);
  for (auto _ : state) {
    if (Tcl_EvalObjEx(interp, obj, 0) != TCL_OK) {
      state.SkipWithError(Tcl_GetStringResult(interp));
      break;
    }
  }
  Tcl_DecrRefCount(obj);
  state.counters["elements"] = static_cast<double>(size);
}

struct Case {
  const char* name;
  const char* script;
};

const Case CASES[] = {
    {"do_nothing", "do_nothing $::proDia $::proPage StateMaTaskSym 1 2 3 4 task"},
    {"insert_StateMachineSymbol",
     "insert_StateMachineSymbol_into_Model $::proDia $::proPage StateMaTaskSym 1 2 3 4 task"},
    {"set_RecSymbolPaS", "set_RecSymbolPaS_in_Model $::middle 1 2 3 4"},
    {"get_Symbols_one", "get_Symbols_from_Model BlkTypeRefSym 1 2"},
    {"get_Symbols_100", "get_Symbols_from_Model TextSym 1 3"},
};

}  // namespace

int main(int argc, char** argv) {
  Tcl_FindExecutable(argv[0]);
  if (!start_interpreter()) return 1;
  for (long size : {1000L, 1000000L}) {
    for (const Case& c : CASES) {
      std::string name = std::string(c.name) + "/" + std::to_string(size);
      std::string script = c.script;
      benchmark::RegisterBenchmark(name.c_str(), [size, script](benchmark::State& state) {
        run_script(state, size, script);
      });
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
