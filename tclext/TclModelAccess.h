#ifndef VEMRA_TCLMODELACCESS_H
#define VEMRA_TCLMODELACCESS_H

#include <tcl.h>

#include <list>
#include <string>

#include "model/MoAccessInfo.h"

namespace Vemra {
class SysSpec;
class Diagram;
class Symbol;
class ClsChannel;
class ClsStateMachineSymbol;
class ClsFlowLine;
namespace TclExt {
namespace TclModelAccess {

// The result array that every command fills.
extern const char* const MAR_ARRAY;

// ---- result array protocol -------------------------------------------------
int clear_MAR_ARR(Tcl_Interp* interp);
bool AccessOK(Tcl_Interp* interp, const ClsMoAccessInfo& info, ClsMoAccessInfo::e_ResultType expected);
int OneDimVarSet(Tcl_Interp* interp, const std::string& arrayName, const std::string& key, const std::string& value);
// The key of field `field` of the element `id`: the decimal ID, a comma, the field.
std::string field_Key(int id, const std::string& field);
void createValListScr(const std::list<int>& values, std::string& out);
// The model IDs of the elements, in list order.
void createValListScr(const std::list<const ClsFlowLine*>& elements, std::string& out);
void createValListScr(const std::list<const ClsChannel*>& elements, std::string& out);
void createValListScr(const std::list<const Diagram*>& elements, std::string& out);
void createValListScr(const std::list<const Symbol*>& elements, std::string& out);
void createValListScr(const std::list<const ClsStateMachineSymbol*>& elements, std::string& out);
// The coordinate list of a flow line or channel, the position and size of a symbol.
void createValListScr(const ClsFlowLine* e, std::string& out);
void createValListScr(const ClsChannel* e, std::string& out);
void createValListScr(const Symbol* e, std::string& out);
void createValListScr(const ClsStateMachineSymbol* e, std::string& out);
void createValListScrForStrings(const std::string& text, std::string& out);

// List writers of the list queries: 0 on success, 1 at the first failed write.
int write_ReferencedDiagrams_to_Tcl_Interp(Tcl_Interp* interp, std::list<const Diagram*>& list,
                                           const Diagram* diagram);
int write_Syms_to_Tcl_Interp(Tcl_Interp* interp, std::list<const Symbol*>& list);
int write_Channels_to_Tcl_Interp(Tcl_Interp* interp, std::list<const ClsChannel*>& list);
int write_StateMachineSyms_to_Tcl_Interp(Tcl_Interp* interp, std::list<const ClsStateMachineSymbol*>& list);
int write_FlowLines_to_Tcl_Interp(Tcl_Interp* interp, std::list<const ClsFlowLine*>& list);

// ---- command procedures (string commands unless noted) ---------------------
#define VEMRA_TCL_PROC(name) int name(ClientData clientData, Tcl_Interp* interp, int argc, const char* argv[])
VEMRA_TCL_PROC(create_EmptySysSpec);
VEMRA_TCL_PROC(load_Model_from_File);
VEMRA_TCL_PROC(store_Model_in_File);
VEMRA_TCL_PROC(save_SDL_PR);
VEMRA_TCL_PROC(modify_SysDiaName);
VEMRA_TCL_PROC(get_System_Model_ID);
int get_ReferencingDiagramID(ClientData clientData, Tcl_Interp* interp, int objc,
                             Tcl_Obj* const objv[]);  // object command
// sdl::check, outside the 44 commands: the model checker's findings as a list of dicts.
int check_Model(ClientData clientData, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]);
// sdl::export_pr, outside the 44 commands: the SDL-92 export (object command).
int export_PR(ClientData clientData, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]);
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
