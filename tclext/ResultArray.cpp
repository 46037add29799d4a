#include <tcl.h>

#include "model/Converter.h"
#include "tclext/TclModelAccess.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

const char* const MAR_ARRAY = "::Vemra_MAR::arr_MAR";

int clear_MAR_ARR(Tcl_Interp* interp) {
  if (Tcl_UnsetVar(interp, MAR_ARRAY, 0) != TCL_OK) {
    Tcl_SetResult(interp, const_cast<char*>("Script error"), TCL_VOLATILE);
    return TCL_ERROR;
  }
  if (Tcl_SetVar2(interp, MAR_ARRAY, "", "{ }", 0) == nullptr) {
    Tcl_SetResult(interp, const_cast<char*>("Script error"), TCL_VOLATILE);
    return TCL_ERROR;
  }
  return TCL_OK;
}

bool AccessOK(Tcl_Interp* interp, const ClsMoAccessInfo& info, ClsMoAccessInfo::e_ResultType expected) {
  if (info.get_Info() == expected) return true;
  Tcl_SetResult(interp, const_cast<char*>(info.get_Info_Message()), TCL_VOLATILE);
  return false;
}

int OneDimVarSet(Tcl_Interp* interp, const std::string& arrayName, const std::string& key, const std::string& value) {
  return Tcl_SetVar2(interp, arrayName.c_str(), key.c_str(), value.c_str(), 0) ? TCL_OK : TCL_ERROR;
}

int OneDimVarSet(Tcl_Interp* interp, const std::string& arrayName, const std::string& key, int value) {
  return OneDimVarSet(interp, arrayName, key, Converter::Int_to_String(value));
}

int TwoDimVarSet(Tcl_Interp* interp, const std::string& arrayName, int id, const std::string& field,
                 const std::string& value) {
  return OneDimVarSet(interp, arrayName, Converter::Int_to_String(id) + "," + field, value);
}

void createValListScr(const std::list<int>& values, std::string& out) { out = Converter::IntList_to_String(values); }

void createValListScrForStrings(const std::string& text, std::string& out) { out = Converter::StringToMAR_String(text); }

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
