#ifndef VEMRA_COMMANDSHAPE_H
#define VEMRA_COMMANDSHAPE_H

// The shape shared by every string command: clear the result array (before
// or after the word count check, or never), check the count, make sure a
// system model exists, convert the words, call the model, check its status
// and write the answer. Each command supplies only its own middle part.

#include <tcl.h>

#include <exception>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "model/SysSpec.h"
#include "model/ArgConvert.h"
#include "tclext/TclModelAccess.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

using namespace ArgConvert;

enum class Clear { NEVER, BEFORE_COUNT, AFTER_COUNT };

// How a command starts: its word count (command name included) and its clear.
struct Shape {
  int count;
  Clear clear;
};

// A command's shape, from its row of the command table (SdlInit.cpp). The
// procedure is the key, so that the client data stays free for whoever
// registers the command.
const Shape& shape_Of(Tcl_CmdProc* proc);
const Shape& shape_Of(Tcl_ObjCmdProc* proc);

extern const char* const MSG_NO_SYSSPEC;

// Clears the result array as the command's shape says and checks the word
// count; false when the command must end with TCL_ERROR (the interpreter
// result is then set).
bool check_Words(Tcl_CmdProc* command, Tcl_Interp* interp, int argc);

// One call of a string command.
class CommandCall {
public:
  CommandCall(Tcl_Interp* interp, int argc, const char* argv[]) : interp(interp), argc(argc), argv(argv) {}

  // Clear, count and system model check; false when the command must end
  // with TCL_ERROR (the interpreter result is then set).
  bool begin(Tcl_CmdProc* command);

  int int_arg(int i) const { return get_Int(argv[i]); }
  std::string text_arg(int i) const { return argv[i]; }
  void int_list_arg(int i, std::list<int>& out) const { get_IntList_from_space_separated_IntListString(argv[i], out); }
  // A position and size string over the preset x 0, y 0, width 10, height 10.
  ClsRecPaS pas_arg(int i) const;

  SysSpec& sysSpec() const { return *pSysSpec; }
  // A fresh status object for the next model call.
  ClsMoAccessInfo& info() {
    Info = ClsMoAccessInfo();
    return Info;
  }
  // Compares the last status with the expected one (AccessOK).
  bool ok(ClsMoAccessInfo::e_ResultType expected) { return AccessOK(interp, Info, expected); }
  // The end of a modification or deletion: nothing to write.
  int finish(ClsMoAccessInfo::e_ResultType expected) { return ok(expected) ? TCL_OK : TCL_ERROR; }
  // Ends the command with TCL_ERROR and `message` as interpreter result.
  int fail(const char* message);
  // An unknown symbol type name: "Result" = "MAR_ERROR", then fail(message).
  int reject_Type(const char* message);

  Tcl_Interp* const interp;

private:
  const int argc;
  const char** const argv;
  SysSpec* pSysSpec = nullptr;
  ClsMoAccessInfo Info;
};

// Collects the keys of an answer and writes them into the result array in
// the order they were given, stopping at the first failed write. Nothing is
// written before ok() or status(): every value is read from the model first,
// so a variable trace on the array that changes or replaces the model while
// the keys are written cannot pull elements away under the writer.
class ResultWriter {
public:
  explicit ResultWriter(Tcl_Interp* interp) : interp(interp) {}

  ResultWriter& set(const char* key, std::string value);
  ResultWriter& set(const char* key, int value);
  // A model text, with its braces escaped.
  ResultWriter& set_text(const char* key, const std::string& text);
  ResultWriter& field(int id, const char* name, std::string value);
  ResultWriter& field(int id, const char* name, int value);
  ResultWriter& field_text(int id, const char* name, const std::string& text);
  ResultWriter& field_pas(int id, const char* name, const ClsRecPaS& pas);

  // "Result" = "MAR_OK" / "MAR_ERROR".
  ResultWriter& mar_ok() { return set("Result", "MAR_OK"); }
  ResultWriter& mar_error() { return set("Result", "MAR_ERROR"); }
  // The frame of every list answer: "Result", "Count" and "IDs".
  template <class T>
  ResultWriter& list_frame(const std::list<const T*>& elements) {
    std::string ids;
    createValListScr(elements, ids);
    return mar_ok().set("Count", static_cast<int>(elements.size())).set("IDs", ids);
  }
  // Calls `write(writer, element)` for every element.
  template <class T, class F>
  ResultWriter& each(const std::list<const T*>& elements, F write) {
    for (const T* e : elements) write(*this, *e);
    return *this;
  }

  // Writes the collected keys; true when all of them went through.
  bool ok();
  int status() { return ok() ? TCL_OK : TCL_ERROR; }

private:
  Tcl_Interp* interp;
  std::vector<std::pair<std::string, std::string>> pending;
  bool good = true;
};

// Runs the string command `command`: its shape's prelude, then `body(call)`,
// which returns the Tcl code. No exception leaves the command.
template <class F>
int run_Command(Tcl_CmdProc* command, Tcl_Interp* interp, int argc, const char* argv[], F body) {
  CommandCall call(interp, argc, argv);
  try {
    if (!call.begin(command)) return TCL_ERROR;
    return body(call);
  } catch (const std::exception& e) {
    Tcl_SetResult(interp, const_cast<char*>(e.what()), TCL_VOLATILE);
    return TCL_ERROR;
  }
}

// Writes "Result" = "MAR_OK" and "NewObj_Model_ID" after an insertion.
int write_NewObj(Tcl_Interp* interp, int newID);

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra

// Definition of a string command procedure (its client data is unused).
#define VEMRA_COMMAND(name) \
  int Vemra::TclExt::TclModelAccess::name(ClientData, Tcl_Interp* interp, int argc, const char* argv[])

#endif
