// The Tcl commands that store the current system model in a model file and
// replace it by the content of one. Both report under their own keys of the
// result array; the Tcl return code only tells a wrong call or an array that
// cannot be set.
#include <tcl.h>

#include <string>

#include "model/SysSpec.h"
#include "tclext/AppVars.h"
#include "tclext/TclModelAccess.h"
#include "xml/XML_ReaderError.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

namespace {
int wrong_args(Tcl_Interp* interp) {
  Tcl_SetResult(interp, const_cast<char*>("wrong # args"), TCL_VOLATILE);
  return TCL_ERROR;
}

int set_Entry(Tcl_Interp* interp, const char* key, const std::string& value) {
  return OneDimVarSet(interp, MAR_ARRAY, key, value);
}
}  // namespace

// The file is read into a new system model; only a successful read replaces
// the current one, so a failed load leaves the model and its IDs untouched.
int load_Model_from_File(ClientData, Tcl_Interp* interp, int argc, const char* argv[]) {
  if (argc != 2) return wrong_args(interp);
  if (clear_MAR_ARR(interp) != TCL_OK) return TCL_ERROR;
  SysSpec* Loaded = nullptr;
  try {
    Loaded = new SysSpec();
    Loaded->load(argv[1]);
  } catch (const ClsXML_Reader_ErrorReporter& Error) {
    delete Loaded;
    if (set_Entry(interp, "LoadingState", "Error") != TCL_OK) return TCL_ERROR;
    if (set_Entry(interp, "ErrorType", "ReaderError") != TCL_OK) return TCL_ERROR;
    return set_Entry(interp, "ErrorMessage", "{" + Error.get_ErrorMessage() + "}");
  } catch (...) {
    delete Loaded;
    if (set_Entry(interp, "LoadingState", "Error") != TCL_OK) return TCL_ERROR;
    return set_Entry(interp, "ErrorType", "unconsidered");
  }
  delete AppVars.get_SysSpec();
  AppVars.set_SysSpec(Loaded);
  return set_Entry(interp, "LoadingState", "OK");
}

// Without a current system model there is nothing to store: "Error".
int store_Model_in_File(ClientData, Tcl_Interp* interp, int argc, const char* argv[]) {
  if (argc != 2) return wrong_args(interp);
  bool Stored = false;
  if (SysSpec* Current = AppVars.get_SysSpec()) {
    try {
      Stored = Current->store(argv[1]);
    } catch (...) {
      Stored = false;
    }
  }
  return set_Entry(interp, "StoringState", Stored ? "OK" : "Error");
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
