// The Tcl commands that store the current system model in a model file and
// replace it by the content of one. Both report under their own keys of the
// result array; the Tcl return code only tells a wrong call or an array that
// cannot be set.
#include <string>

#include "tclext/AppVars.h"
#include "tclext/CommandShape.h"
#include "xml/XML_ReaderError.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

// The file is read into a new system model; only a successful read replaces
// the current one, so a failed load leaves the model and its IDs untouched.
int load_Model_from_File(ClientData, Tcl_Interp* interp, int argc, const char* argv[]) {
  if (!check_Words(load_Model_from_File, interp, argc)) return TCL_ERROR;
  ResultWriter w(interp);
  SysSpec* Loaded = nullptr;
  try {
    Loaded = new SysSpec();
    Loaded->load(argv[1]);
  } catch (const ClsXML_Reader_ErrorReporter& Error) {
    delete Loaded;
    return w.set("LoadingState", "Error")
        .set("ErrorType", "ReaderError")
        .set("ErrorMessage", "{" + Error.get_ErrorMessage() + "}")
        .status();
  } catch (...) {
    delete Loaded;
    return w.set("LoadingState", "Error").set("ErrorType", "unconsidered").status();
  }
  delete AppVars.get_SysSpec();
  AppVars.set_SysSpec(Loaded);
  return w.set("LoadingState", "OK").status();
}

// Without a current system model there is nothing to store: "Error".
int store_Model_in_File(ClientData, Tcl_Interp* interp, int argc, const char* argv[]) {
  if (!check_Words(store_Model_in_File, interp, argc)) return TCL_ERROR;
  bool Stored = false;
  if (SysSpec* Current = AppVars.get_SysSpec()) {
    try {
      Stored = Current->store(argv[1]);
    } catch (...) {
      Stored = false;
    }
  }
  return ResultWriter(interp).set("StoringState", Stored ? "OK" : "Error").status();
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
