#include <tcl.h>
#include <tk.h>

#include "model/DebugPrinter.h"
#include "tclext/AppVars.h"
#include "tclext/ModelLock.h"
#include "tclext/TclModelAccess.h"

using namespace Vemra;
namespace TMA = Vemra::TclExt::TclModelAccess;

namespace {

struct StringCommand {
  const char* name;
  Tcl_CmdProc* proc;
};

// Registration table, in the order the editor's scripts know it. The one
// object command ("get_ReferencingDiagramID_from_Model") sits at its place.
const StringCommand COMMANDS[] = {
    {"create_EmptySysSpec", TMA::create_EmptySysSpec},
    {"load_Model_from_File", TMA::load_Model_from_File},
    {"store_Model_in_File", TMA::store_Model_in_File},
    {"save_SDL_PR_in_File", TMA::save_SDL_PR},
    {"modify_SysDiaName_in_Model", TMA::modify_SysDiaName},
    {"get_System_Model_ID", TMA::get_System_Model_ID},
    {"get_ReferencingDiagramID_from_Model", nullptr},
    {"get_ProcedureFormalParameters_from_Model", TMA::get_ProcedureDiagramFormalParameters},
    {"modify_ProcedureDiaFormalParameters_in_Model", TMA::modify_ProcedureDiaFormalParameters},
    {"get_PageSize_from_Model", TMA::get_PageSize},
    {"get_PageFrameInfo_from_Model", TMA::get_PageFrameInfo},
    {"modify_PageWidth_in_Model", TMA::modify_PageWidth},
    {"modify_PageHeight_in_Model", TMA::modify_PageHeight},
    {"modify_PageFramePaS_in_Model", TMA::modify_PageFramePaS},
    {"add_NewPage_after_in_Model", TMA::add_NewPage_after},
    {"get_FirstPageID_from_Model", TMA::get_FirstPageID},
    {"get_LastPageID_from_Model", TMA::get_LastPageID},
    {"get_NextPageID_from_Model", TMA::get_NextPageID},
    {"get_PreviousPageID_from_Model", TMA::get_PreviousPageID},
    {"delete_Page_from_Model", TMA::delete_Page},
    {"insert_RecSym_into_Model", TMA::insert_RecSym},
    {"get_Symbols_from_Model", TMA::get_Symbols},
    {"modify_RecSym_Content_in_Model", TMA::modify_RecSym_Content},
    {"set_RecSymbolPaS_in_Model", TMA::set_RecSym_PaS},
    {"delete_RecSym_from_Model", TMA::delete_RecSym},
    {"get_AllReferencedDiagrams_from_Model", TMA::get_AllReferencedDiagrams},
    {"get_Channels_from_Model", TMA::get_Channels},
    {"insert_BidirecChannel_into_Model", TMA::insert_BidirecChannel},
    {"modify_Chan_Coords_in_Model", TMA::modify_Chan_Coords},
    {"modify_ChanComp_in_Model", TMA::modify_ChanComp},
    {"modify_Chan_Type_in_Model", TMA::modify_Chan_Type},
    {"delete_Chan_from_Model", TMA::delete_Chan},
    {"insert_StateMachineSymbol_into_Model", TMA::insert_StateMachineSymbol},
    {"modify_StateMachineSymbol_Content_in_Model", TMA::modify_StateMachineSymbol_Content},
    {"modify_StateMachineSymbol_PaS_in_Model", TMA::modify_StateMachineSymbol_PaS},
    {"delete_StateMachineSymbol_from_Model", TMA::delete_StateMachineSymbol},
    {"get_StateMachineSyms_from_Model", TMA::get_StateMachineSyms},
    {"insert_FlowLine_into_Model", TMA::insert_FlowLine},
    {"insert_DecisionFlowLine_into_Model", TMA::insert_DecisionFlowLine},
    {"modify_FlowLineCoords_in_Model", TMA::modify_FlowLineCoords},
    {"modify_DecisionFlowLinePaS_in_Model", TMA::modify_DecisionFlowLinePaS},
    {"modify_DecisionFlowLineContent_in_Model", TMA::modify_DecisionFlowLineContent},
    {"delete_FlowLine_from_Model", TMA::delete_FlowLine},
    {"get_FlowLines_from_Model", TMA::get_FlowLines},
};

}  // namespace

extern "C" __attribute__((visibility("default"))) int Sdl_Init(Tcl_Interp* interp) {
  // Interpreters of several threads may load the package at once: the stub
  // tables and the debug printer are set up by one at a time.
  TclExt::ModelLock Guard;
  if (Tcl_InitStubs(interp, "8.0", 0) == nullptr) return TCL_ERROR;
  if (Tk_InitStubs(interp, "8.0", 0) == nullptr) return TCL_ERROR;
  if (Tcl_PkgProvide(interp, "sdl", "1.0") != TCL_OK) return TCL_ERROR;
  DebugPrinter::get_Instance("");
  // Every command runs under the model lock (interpreters of other threads
  // may load the package too).
  for (const StringCommand& cmd : COMMANDS) {
    if (cmd.proc)
      TclExt::create_LockedCommand(interp, cmd.name, cmd.proc);
    else
      TclExt::create_LockedObjCommand(interp, cmd.name, TMA::get_ReferencingDiagramID);
  }
  TclExt::create_LockedObjCommand(interp, "sdl::check", TMA::check_Model);
  TclExt::create_LockedObjCommand(interp, "sdl::export_pr", TMA::export_PR);
  Tcl_SetVar(interp, "ApplInstPath", AppVars.get_Appl_Inst_Path().c_str(), TCL_GLOBAL_ONLY);
  Tcl_SetVar(interp, "DefaultProjectsDir", AppVars.get_DefaultProjectsDir().c_str(), TCL_GLOBAL_ONLY);
  return TCL_OK;
}
