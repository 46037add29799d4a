// sdl::export_pr FILE: writes the current system model as SDL-92 text with
// CIF layout for other SDL tools. Returns the list of warnings; a graph that
// cannot be written raises an error that names the symbol, page and diagram
// (message as the exporter describes it, error code
// {SDL EXPORT kind ?symbolID pageID diagramID?}). The text goes to a
// temporary file next to FILE that is renamed to FILE only when complete, so
// a failed export leaves FILE as it was.
#include <fcntl.h>
#include <sys/stat.h>
#include <tcl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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

// Writes the text to a new file next to Path and renames it to Path; an
// empty string on success, else the reason.
std::string write_Replacing(const std::string& Path, const std::string& Text) {
  std::vector<char> Temp(Path.begin(), Path.end());
  for (char c : std::string(".tmpXXXXXX")) Temp.push_back(c);
  Temp.push_back('\0');
  int fd = ::mkstemp(Temp.data());
  if (fd < 0) return std::strerror(errno);
  std::size_t Done = 0;
  while (Done < Text.size()) {
    ssize_t n = ::write(fd, Text.data() + Done, Text.size() - Done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    Done += static_cast<std::size_t>(n);
  }
  int Failure = Done == Text.size() ? 0 : (errno ? errno : EIO);
  // mkstemp creates the file for the owner only: keep the mode of the file
  // replaced, or give a new one the usual mode.
  struct stat Old;
  mode_t Mode = ::stat(Path.c_str(), &Old) == 0 ? (Old.st_mode & 07777) : 0644;
  if (!Failure && ::fchmod(fd, Mode) != 0) Failure = errno;
  if (::close(fd) != 0 && !Failure) Failure = errno;
  if (!Failure && std::rename(Temp.data(), Path.c_str()) != 0) Failure = errno;
  if (!Failure) return {};
  ::unlink(Temp.data());
  return std::strerror(Failure);
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
  }
  std::string Path = Tcl_GetString(objv[1]);
  std::string Failure = write_Replacing(Path, Text);
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
