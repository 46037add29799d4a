// Weak fallbacks for command procedures: any procedure defined elsewhere in
// the library replaces its fallback at link time.
#include "tclext/TclModelAccess.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

namespace {
int not_available(Tcl_Interp* interp) {
  Tcl_SetResult(interp, const_cast<char*>("command not available"), TCL_STATIC);
  return TCL_ERROR;
}
}  // namespace

#define VEMRA_PENDING(name) \
  __attribute__((weak)) int name(ClientData, Tcl_Interp* interp, int, const char*[]) { return not_available(interp); }
VEMRA_PENDING(create_EmptySysSpec)
VEMRA_PENDING(load_Model_from_File)
VEMRA_PENDING(store_Model_in_File)
VEMRA_PENDING(save_SDL_PR)
VEMRA_PENDING(modify_SysDiaName)
VEMRA_PENDING(get_System_Model_ID)
VEMRA_PENDING(get_ProcedureDiagramFormalParameters)
VEMRA_PENDING(modify_ProcedureDiaFormalParameters)
VEMRA_PENDING(get_PageSize)
VEMRA_PENDING(get_PageFrameInfo)
VEMRA_PENDING(modify_PageWidth)
VEMRA_PENDING(modify_PageHeight)
VEMRA_PENDING(modify_PageFramePaS)
VEMRA_PENDING(add_NewPage_after)
VEMRA_PENDING(get_FirstPageID)
VEMRA_PENDING(get_LastPageID)
VEMRA_PENDING(get_NextPageID)
VEMRA_PENDING(get_PreviousPageID)
VEMRA_PENDING(delete_Page)
VEMRA_PENDING(insert_RecSym)
VEMRA_PENDING(get_Symbols)
VEMRA_PENDING(modify_RecSym_Content)
VEMRA_PENDING(set_RecSym_PaS)
VEMRA_PENDING(delete_RecSym)
VEMRA_PENDING(get_AllReferencedDiagrams)
VEMRA_PENDING(get_Channels)
VEMRA_PENDING(insert_BidirecChannel)
VEMRA_PENDING(modify_Chan_Coords)
VEMRA_PENDING(modify_ChanComp)
VEMRA_PENDING(modify_Chan_Type)
VEMRA_PENDING(delete_Chan)
VEMRA_PENDING(insert_StateMachineSymbol)
VEMRA_PENDING(modify_StateMachineSymbol_Content)
VEMRA_PENDING(modify_StateMachineSymbol_PaS)
VEMRA_PENDING(delete_StateMachineSymbol)
VEMRA_PENDING(get_StateMachineSyms)
VEMRA_PENDING(insert_FlowLine)
VEMRA_PENDING(insert_DecisionFlowLine)
VEMRA_PENDING(modify_FlowLineCoords)
VEMRA_PENDING(modify_DecisionFlowLinePaS)
VEMRA_PENDING(modify_DecisionFlowLineContent)
VEMRA_PENDING(delete_FlowLine)
VEMRA_PENDING(get_FlowLines)
#undef VEMRA_PENDING

__attribute__((weak)) int get_ReferencingDiagramID(ClientData, Tcl_Interp* interp, int, Tcl_Obj* const[]) {
  return not_available(interp);
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
