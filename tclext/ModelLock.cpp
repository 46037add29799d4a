#include "tclext/ModelLock.h"

#include <mutex>

namespace Vemra {
namespace TclExt {

namespace {
std::recursive_mutex& model_Mutex() {
  static std::recursive_mutex Mutex;
  return Mutex;
}

// The command's own procedure travels as its client data.
int run_Locked(ClientData proc, Tcl_Interp* interp, int argc, const char* argv[]) {
  ModelLock Guard;
  return reinterpret_cast<Tcl_CmdProc*>(proc)(nullptr, interp, argc, argv);
}

int run_LockedObj(ClientData proc, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]) {
  ModelLock Guard;
  return reinterpret_cast<Tcl_ObjCmdProc*>(proc)(nullptr, interp, objc, objv);
}
}  // namespace

ModelLock::ModelLock() { model_Mutex().lock(); }
ModelLock::~ModelLock() { model_Mutex().unlock(); }

void create_LockedCommand(Tcl_Interp* interp, const char* name, Tcl_CmdProc* proc) {
  Tcl_CreateCommand(interp, name, run_Locked, reinterpret_cast<ClientData>(proc), nullptr);
}

void create_LockedObjCommand(Tcl_Interp* interp, const char* name, Tcl_ObjCmdProc* proc) {
  Tcl_CreateObjCommand(interp, name, run_LockedObj, reinterpret_cast<ClientData>(proc), nullptr);
}

}  // namespace TclExt
}  // namespace Vemra
