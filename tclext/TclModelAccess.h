#ifndef VEMRA_TCLMODELACCESS_H
#define VEMRA_TCLMODELACCESS_H

#include <tcl.h>

#include <list>
#include <string>

#include "model/MoAccessInfo.h"

namespace Vemra {
class SysSpec;
namespace TclExt {
namespace TclModelAccess {

// The result array that every command fills.
extern const char* const MAR_ARRAY;

// ---- result array protocol -------------------------------------------------
int clear_MAR_ARR(Tcl_Interp* interp);
bool AccessOK(Tcl_Interp* interp, const ClsMoAccessInfo& info, ClsMoAccessInfo::e_ResultType expected);
int OneDimVarSet(Tcl_Interp* interp, const std::string& arrayName, const std::string& key, const std::string& value);
int OneDimVarSet(Tcl_Interp* interp, const std::string& arrayName, const std::string& key, int value);
int TwoDimVarSet(Tcl_Interp* interp, const std::string& arrayName, int id, const std::string& field,
                 const std::string& value);
void createValListScr(const std::list<int>& values, std::string& out);
void createValListScrForStrings(const std::string& text, std::string& out);

// ---- command procedures (string commands unless noted) ---------------------
#define VEMRA_TCL_PROC(name) int name(ClientData clientData, Tcl_Interp* interp, int argc, const char* argv[])
VEMRA_TCL_PROC(create_EmptySysSpec);
VEMRA_TCL_PROC(load_Model_from_File);
VEMRA_TCL_PROC(store_Model_in_File);
VEMRA_TCL_PROC(save_SDL_PR);
VEMRA_TCL_PROC(modify_SysDiaName);
VEMRA_TCL_PROC(get_System_Model_ID);
int get_ReferencingDiagramID(ClientData clientData, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]);  // object command
VEMRA_TCL_PROC(get_ProcedureDiagramFormalParameters);
VEMRA_TCL_PROC(modify_ProcedureDiaFormalParameters);
VEMRA_TCL_PROC(get_PageSize);
VEMRA_TCL_PROC(get_PageFrameInfo);
VEMRA_TCL_PROC(modify_PageWidth);
VEMRA_TCL_PROC(modify_PageHeight);
VEMRA_TCL_PROC(modify_PageFramePaS);
VEMRA_TCL_PROC(add_NewPage_after);
VEMRA_TCL_PROC(get_FirstPageID);
VEMRA_TCL_PROC(get_LastPageID);
VEMRA_TCL_PROC(get_NextPageID);
VEMRA_TCL_PROC(get_PreviousPageID);
VEMRA_TCL_PROC(delete_Page);
VEMRA_TCL_PROC(insert_RecSym);
VEMRA_TCL_PROC(get_Symbols);
VEMRA_TCL_PROC(modify_RecSym_Content);
VEMRA_TCL_PROC(set_RecSym_PaS);
VEMRA_TCL_PROC(delete_RecSym);
VEMRA_TCL_PROC(get_AllReferencedDiagrams);
VEMRA_TCL_PROC(get_Channels);
VEMRA_TCL_PROC(insert_BidirecChannel);
VEMRA_TCL_PROC(modify_Chan_Coords);
VEMRA_TCL_PROC(modify_ChanComp);
VEMRA_TCL_PROC(modify_Chan_Type);
VEMRA_TCL_PROC(delete_Chan);
VEMRA_TCL_PROC(insert_StateMachineSymbol);
VEMRA_TCL_PROC(modify_StateMachineSymbol_Content);
VEMRA_TCL_PROC(modify_StateMachineSymbol_PaS);
VEMRA_TCL_PROC(delete_StateMachineSymbol);
VEMRA_TCL_PROC(get_StateMachineSyms);
VEMRA_TCL_PROC(insert_FlowLine);
VEMRA_TCL_PROC(insert_DecisionFlowLine);
VEMRA_TCL_PROC(modify_FlowLineCoords);
VEMRA_TCL_PROC(modify_DecisionFlowLinePaS);
VEMRA_TCL_PROC(modify_DecisionFlowLineContent);
VEMRA_TCL_PROC(delete_FlowLine);
VEMRA_TCL_PROC(get_FlowLines);
#undef VEMRA_TCL_PROC

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra

#endif
