#include <tcl.h>
#include <tk.h>

#include "model/DebugPrinter.h"
#include "tclext/AppVars.h"
#include "tclext/CommandShape.h"
#include "tclext/ModelLock.h"
#include "tclext/TclModelAccess.h"

using namespace Vemra;
namespace TMA = Vemra::TclExt::TclModelAccess;

namespace {

using TMA::Clear;

// A command: its name, its procedure, and its shape (word count with the
// command name, and when the result array is cleared).
struct Command {
  const char* name;
  Tcl_CmdProc* proc;
  TMA::Shape shape;
};

// Registration table, in the order the editor's scripts know it. The one
// object command ("get_ReferencingDiagramID_from_Model") sits at its place.
const Command COMMANDS[] = {
    {"create_EmptySysSpec", TMA::create_EmptySysSpec, {1, Clear::NEVER}},
    {"load_Model_from_File", TMA::load_Model_from_File, {2, Clear::AFTER_COUNT}},
    {"store_Model_in_File", TMA::store_Model_in_File, {2, Clear::NEVER}},
    {"save_SDL_PR_in_File", TMA::save_SDL_PR, {3, Clear::AFTER_COUNT}},
    {"modify_SysDiaName_in_Model", TMA::modify_SysDiaName, {2, Clear::NEVER}},
    {"get_System_Model_ID", TMA::get_System_Model_ID, {1, Clear::AFTER_COUNT}},
    {"get_ReferencingDiagramID_from_Model", nullptr, {2, Clear::NEVER}},  // the object command
    {"get_ProcedureFormalParameters_from_Model", TMA::get_ProcedureDiagramFormalParameters, {2, Clear::BEFORE_COUNT}},
    {"modify_ProcedureDiaFormalParameters_in_Model", TMA::modify_ProcedureDiaFormalParameters, {3, Clear::NEVER}},
    {"get_PageSize_from_Model", TMA::get_PageSize, {3, Clear::BEFORE_COUNT}},
    {"get_PageFrameInfo_from_Model", TMA::get_PageFrameInfo, {3, Clear::BEFORE_COUNT}},
    {"modify_PageWidth_in_Model", TMA::modify_PageWidth, {4, Clear::NEVER}},
    {"modify_PageHeight_in_Model", TMA::modify_PageHeight, {4, Clear::NEVER}},
    {"modify_PageFramePaS_in_Model", TMA::modify_PageFramePaS, {7, Clear::NEVER}},
    {"add_NewPage_after_in_Model", TMA::add_NewPage_after, {3, Clear::NEVER}},
    {"get_FirstPageID_from_Model", TMA::get_FirstPageID, {2, Clear::BEFORE_COUNT}},
    {"get_LastPageID_from_Model", TMA::get_LastPageID, {2, Clear::BEFORE_COUNT}},
    {"get_NextPageID_from_Model", TMA::get_NextPageID, {3, Clear::BEFORE_COUNT}},
    {"get_PreviousPageID_from_Model", TMA::get_PreviousPageID, {3, Clear::BEFORE_COUNT}},
    {"delete_Page_from_Model", TMA::delete_Page, {3, Clear::NEVER}},
    {"insert_RecSym_into_Model", TMA::insert_RecSym, {9, Clear::BEFORE_COUNT}},
    {"get_Symbols_from_Model", TMA::get_Symbols, {4, Clear::BEFORE_COUNT}},
    {"modify_RecSym_Content_in_Model", TMA::modify_RecSym_Content, {3, Clear::NEVER}},
    {"set_RecSymbolPaS_in_Model", TMA::set_RecSym_PaS, {6, Clear::NEVER}},
    {"delete_RecSym_from_Model", TMA::delete_RecSym, {2, Clear::NEVER}},
    {"get_AllReferencedDiagrams_from_Model", TMA::get_AllReferencedDiagrams, {2, Clear::AFTER_COUNT}},
    {"get_Channels_from_Model", TMA::get_Channels, {3, Clear::BEFORE_COUNT}},
    {"insert_BidirecChannel_into_Model", TMA::insert_BidirecChannel, {17, Clear::NEVER}},
    {"modify_Chan_Coords_in_Model", TMA::modify_Chan_Coords, {3, Clear::NEVER}},
    {"modify_ChanComp_in_Model", TMA::modify_ChanComp, {5, Clear::NEVER}},
    {"modify_Chan_Type_in_Model", TMA::modify_Chan_Type, {4, Clear::NEVER}},
    {"delete_Chan_from_Model", TMA::delete_Chan, {2, Clear::NEVER}},
    {"insert_StateMachineSymbol_into_Model", TMA::insert_StateMachineSymbol, {9, Clear::BEFORE_COUNT}},
    {"modify_StateMachineSymbol_Content_in_Model", TMA::modify_StateMachineSymbol_Content, {3, Clear::NEVER}},
    {"modify_StateMachineSymbol_PaS_in_Model", TMA::modify_StateMachineSymbol_PaS, {6, Clear::NEVER}},
    {"delete_StateMachineSymbol_from_Model", TMA::delete_StateMachineSymbol, {2, Clear::NEVER}},
    {"get_StateMachineSyms_from_Model", TMA::get_StateMachineSyms, {4, Clear::BEFORE_COUNT}},
    {"insert_FlowLine_into_Model", TMA::insert_FlowLine, {6, Clear::NEVER}},
    {"insert_DecisionFlowLine_into_Model", TMA::insert_DecisionFlowLine, {8, Clear::NEVER}},
    {"modify_FlowLineCoords_in_Model", TMA::modify_FlowLineCoords, {3, Clear::NEVER}},
    {"modify_DecisionFlowLinePaS_in_Model", TMA::modify_DecisionFlowLinePaS, {6, Clear::NEVER}},
    {"modify_DecisionFlowLineContent_in_Model", TMA::modify_DecisionFlowLineContent, {3, Clear::NEVER}},
    {"delete_FlowLine_from_Model", TMA::delete_FlowLine, {2, Clear::NEVER}},
    {"get_FlowLines_from_Model", TMA::get_FlowLines, {3, Clear::BEFORE_COUNT}},
};

}  // namespace

const TMA::Shape& TMA::shape_Of(Tcl_CmdProc* proc) {
  for (const Command& cmd : COMMANDS)
    if (cmd.proc == proc) return cmd.shape;
  static const Shape NONE = {-1, Clear::NEVER};  // not in the table: every call is refused
  return NONE;
}

const TMA::Shape& TMA::shape_Of(Tcl_ObjCmdProc*) { return shape_Of(static_cast<Tcl_CmdProc*>(nullptr)); }

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
  for (const Command& cmd : COMMANDS) {
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
