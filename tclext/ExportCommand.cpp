// sdl::export_pr FILE: writes the current system model as SDL-92 text with
// CIF layout for other SDL tools. Returns the list of warnings; a graph that
// cannot be written raises an error that names the symbol, page and diagram
// (message as the exporter describes it, error code
// {SDL EXPORT kind ?symbolID pageID diagramID?}). The text goes to a
// temporary file next to FILE that is renamed to FILE only when complete, so
// a failed export leaves FILE as it was.
#include <tcl.h>

#include <string>

#include "sdlpr/SDL92_Exporter.h"
#include "tclext/AppVars.h"
#include "tclext/TclModelAccess.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

namespace {

int raise(Tcl_Interp* interp, const std::string& Message, Tcl_Obj* Code) {
  Tcl_SetObjResult(interp, Tcl_NewStringObj(Message.c_str(), -1));
  Tcl_SetObjErrorCode(interp, Code);
  return TCL_ERROR;
}

Tcl_Obj* error_Code(const char* Kind) {
  Tcl_Obj* Code = Tcl_NewListObj(0, nullptr);
  for (const char* Word : {"SDL", "EXPORT", Kind}) Tcl_ListObjAppendElement(nullptr, Code, Tcl_NewStringObj(Word, -1));
  return Code;
}

int raise_ExportError(Tcl_Interp* interp, const ClsSDL_PR_Writer_ErrorReporter& Error) {
  if (Error.get_ErrorType() != ClsSDL_PR_Writer_ErrorReporter::STATEMA_SYM_ERROR)
    return raise(interp, describe_SDL_PR_Error(Error), error_Code("not_specified"));
  const auto& Graph = static_cast<const ClsSDL_PR_Writer_StateMaSymError&>(Error);
  std::string Kind = ClsSDL_PR_Writer_StateMaSymError::get_StateMaErrorText(Graph.get_StateMaErrorType());
  Tcl_Obj* Code = error_Code(Kind.c_str());
  for (int ID : {Graph.get_Symbol_ID(), Graph.get_PageID(), Graph.get_DiagramID()})
    Tcl_ListObjAppendElement(nullptr, Code, Tcl_NewIntObj(ID));
  return raise(interp, describe_SDL_PR_Error(Error), Code);
}

}  // namespace

int export_PR(ClientData, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]) {
  if (objc != 2) {
    Tcl_WrongNumArgs(interp, 1, objv, "fileName");
    return TCL_ERROR;
  }
  const SysSpec* Model = AppVars.get_SysSpec();
  if (!Model) return raise(interp, "no system model", error_Code("not_specified"));
  ClsSDL92_Exporter Exporter(*Model);
  std::string Text;
  try {
    Text = Exporter.export_Text();
  } catch (const ClsSDL_PR_Writer_ErrorReporter& Error) {
    return raise_ExportError(interp, Error);
  } catch (const std::exception& Error) {
    return raise(interp, Error.what(), error_Code("not_specified"));
  } catch (...) {
    return raise(interp, "not_specified", error_Code("not_specified"));
  }
  std::string Path = Tcl_GetString(objv[1]);
  std::string Failure = write_FileReplacing(Path, Text);
  if (!Failure.empty()) return raise(interp, "cannot write \"" + Path + "\": " + Failure, error_Code("write_failed"));
  Tcl_Obj* Warnings = Tcl_NewListObj(0, nullptr);
  for (const std::string& Warning : Exporter.get_Warnings())
    Tcl_ListObjAppendElement(nullptr, Warnings, Tcl_NewStringObj(Warning.c_str(), -1));
  Tcl_SetObjResult(interp, Warnings);
  return TCL_OK;
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
