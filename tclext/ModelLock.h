#ifndef VEMRA_MODELLOCK_H
#define VEMRA_MODELLOCK_H

#include <tcl.h>

namespace Vemra {
namespace TclExt {

// The one lock of the process's system model: every command of the package
// holds it while it runs, so that interpreters in different threads never
// use the model at the same time. It is recursive: a command that writes the
// result array may fire a variable trace whose script calls commands again
// in the same thread.
class ModelLock {
public:
  ModelLock();
  ~ModelLock();
  ModelLock(const ModelLock&) = delete;
  ModelLock& operator=(const ModelLock&) = delete;
};

// Registers a command that runs under the lock.
void create_LockedCommand(Tcl_Interp* interp, const char* name, Tcl_CmdProc* proc);
void create_LockedObjCommand(Tcl_Interp* interp, const char* name, Tcl_ObjCmdProc* proc);

}  // namespace TclExt
}  // namespace Vemra

#endif
