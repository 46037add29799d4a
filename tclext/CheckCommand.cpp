// sdl::check: the findings of the model checker for the current system
// model, as a list of dicts with the keys rule severity diagram path page
// page_number element kind message (model IDs). The result array is not used.
#include <tcl.h>

#include "check/ModelChecker.h"
#include "tclext/AppVars.h"
#include "tclext/TclModelAccess.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

namespace {

Tcl_Obj* new_String(const std::string& Text) { return Tcl_NewStringObj(Text.data(), static_cast<int>(Text.size())); }

void put(Tcl_Obj* Dict, const char* Key, Tcl_Obj* Value) {
  Tcl_DictObjPut(nullptr, Dict, Tcl_NewStringObj(Key, -1), Value);
}

}  // namespace

int check_Model(ClientData, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]) {
  if (objc != 1) {
    Tcl_WrongNumArgs(interp, 1, objv, nullptr);
    return TCL_ERROR;
  }
  const SysSpec* Model = AppVars.get_SysSpec();
  if (!Model) {
    Tcl_SetObjResult(interp, Tcl_NewStringObj("no system model", -1));
    return TCL_ERROR;
  }
  std::vector<ClsCheckFinding> Findings;
  try {
    Findings = check_SysSpec(*Model);
  } catch (const std::bad_alloc&) {
    Tcl_SetObjResult(interp, Tcl_NewStringObj("out of memory", -1));
    return TCL_ERROR;
  }
  Tcl_Obj* List = Tcl_NewListObj(0, nullptr);
  for (const ClsCheckFinding& F : Findings) {
    Tcl_Obj* Dict = Tcl_NewDictObj();
    put(Dict, "rule", new_String(F.Rule));
    put(Dict, "severity", Tcl_NewStringObj(F.get_SeverityText(), -1));
    put(Dict, "diagram", Tcl_NewIntObj(F.DiagramID));
    put(Dict, "path", new_String(F.Path));
    put(Dict, "page", Tcl_NewIntObj(F.PageID));
    put(Dict, "page_number", Tcl_NewIntObj(F.PageNumber));
    put(Dict, "element", Tcl_NewIntObj(F.ElementID));
    put(Dict, "kind", new_String(F.Kind));
    put(Dict, "message", new_String(F.Message));
    Tcl_ListObjAppendElement(nullptr, List, Dict);
  }
  Tcl_SetObjResult(interp, List);
  return TCL_OK;
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
