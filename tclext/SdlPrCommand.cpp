// The Tcl command that writes the current system model as SDL/PR text and
// reports the outcome in the result array under its own keys.
#include <string>

#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Writer.h"
#include "tclext/AppVars.h"
#include "tclext/TclModelAccess.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

namespace {

const char* const KEY_STATE = "GeneratingPR_State";
const char* const KEY_ERROR_TYPE = "ErrorType";

// Writes the keys in order; stops at the first that cannot be written.
int set_Keys(Tcl_Interp* interp, std::initializer_list<std::pair<const char*, std::string>> Keys) {
  for (const auto& Key : Keys)
    if (OneDimVarSet(interp, MAR_ARRAY, Key.first, Key.second) != TCL_OK) return TCL_ERROR;
  return TCL_OK;
}

int report_NotSpecified(Tcl_Interp* interp) {
  return set_Keys(interp, {{KEY_STATE, "Error"}, {KEY_ERROR_TYPE, "not_specified"}});
}

int report_StateMaError(Tcl_Interp* interp, const ClsSDL_PR_Writer_StateMaSymError& Error) {
  if (set_Keys(interp, {{KEY_STATE, "Error"},
                        {KEY_ERROR_TYPE, ClsSDL_PR_Writer_StateMaSymError::get_StateMaErrorText(
                                             Error.get_StateMaErrorType())}}) != TCL_OK)
    return TCL_ERROR;
  if (OneDimVarSet(interp, MAR_ARRAY, "Symbol_ID", Error.get_Symbol_ID()) != TCL_OK) return TCL_ERROR;
  if (OneDimVarSet(interp, MAR_ARRAY, "Page_ID", Error.get_PageID()) != TCL_OK) return TCL_ERROR;
  return OneDimVarSet(interp, MAR_ARRAY, "Diagram_ID", Error.get_DiagramID());
}

}  // namespace

// save_SDL_PR_in_File fileName nested: only the layout word "true" selects
// the nested layout. Generation errors are reported, never returned.
int save_SDL_PR(ClientData, Tcl_Interp* interp, int argc, const char* argv[]) {
  ClsSDL_PR_Writer Writer;
  if (argc != 3) {
    Tcl_SetResult(interp, const_cast<char*>("wrong # args"), TCL_VOLATILE);
    return TCL_ERROR;
  }
  if (clear_MAR_ARR(interp) != TCL_OK) return TCL_ERROR;
  const SysSpec* Model = AppVars.get_SysSpec();
  if (!Model) return report_NotSpecified(interp);
  try {
    Writer.write_SysSpec(Model, argv[1], std::string(argv[2]) == "true");
  } catch (const ClsSDL_PR_Writer_StateMaSymError& Error) {
    return report_StateMaError(interp, Error);
  } catch (const ClsSDL_PR_Writer_ErrorReporter&) {
    return report_NotSpecified(interp);
  } catch (...) {
    return report_NotSpecified(interp);
  }
  return set_Keys(interp, {{KEY_STATE, "OK"}});
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
