// The Tcl command that writes the current system model as SDL/PR text and
// reports the outcome in the result array under its own keys.
#include <string>

#include "sdlpr/SDL_PR_Writer.h"
#include "tclext/AppVars.h"
#include "tclext/CommandShape.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

namespace {

const char* const KEY_STATE = "GeneratingPR_State";
const char* const KEY_ERROR_TYPE = "ErrorType";

int report_NotSpecified(Tcl_Interp* interp) {
  return ResultWriter(interp).set(KEY_STATE, "Error").set(KEY_ERROR_TYPE, "not_specified").status();
}

int report_StateMaError(Tcl_Interp* interp, const ClsSDL_PR_Writer_StateMaSymError& Error) {
  return ResultWriter(interp)
      .set(KEY_STATE, "Error")
      .set(KEY_ERROR_TYPE, ClsSDL_PR_Writer_StateMaSymError::get_StateMaErrorText(Error.get_StateMaErrorType()))
      .set("Symbol_ID", Error.get_Symbol_ID())
      .set("Page_ID", Error.get_PageID())
      .set("Diagram_ID", Error.get_DiagramID())
      .status();
}

}  // namespace

// save_SDL_PR_in_File fileName nested: only the layout word "true" selects
// the nested layout. Generation errors are reported, never returned.
int save_SDL_PR(ClientData, Tcl_Interp* interp, int argc, const char* argv[]) {
  if (!check_Words(save_SDL_PR, interp, argc)) return TCL_ERROR;
  const SysSpec* Model = AppVars.get_SysSpec();
  if (!Model) return report_NotSpecified(interp);
  try {
    ClsSDL_PR_Writer().write_SysSpec(Model, argv[1], std::string(argv[2]) == "true");
  } catch (const ClsSDL_PR_Writer_StateMaSymError& Error) {
    return report_StateMaError(interp, Error);
  } catch (...) {
    return report_NotSpecified(interp);
  }
  return ResultWriter(interp).set(KEY_STATE, "OK").status();
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
