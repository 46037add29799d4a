// Commands on the system model and its diagram tree.
#include "tclext/AppVars.h"
#include "tclext/CommandShape.h"

using namespace Vemra;
using namespace Vemra::TclExt::TclModelAccess;
using R = ClsMoAccessInfo;

VEMRA_COMMAND(create_EmptySysSpec) {
  (void)argv;
  if (!check_Words(create_EmptySysSpec, interp, argc)) return TCL_ERROR;
  SysSpec* fresh = nullptr;
  try {
    fresh = new SysSpec();
  } catch (const std::exception& e) {
    Tcl_SetResult(interp, const_cast<char*>(e.what()), TCL_VOLATILE);
    return TCL_ERROR;
  }
  delete AppVars.get_SysSpec();
  AppVars.set_SysSpec(fresh);
  return TCL_OK;
}

VEMRA_COMMAND(get_System_Model_ID) {
  return run_Command(get_System_Model_ID, interp, argc, argv, [](CommandCall& c) {
    return ResultWriter(c.interp).mar_ok().set("System_Model_ID", c.sysSpec().get_System_Model_ID()).status();
  });
}

VEMRA_COMMAND(modify_SysDiaName) {
  return run_Command(modify_SysDiaName, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_SysDiaName(c.text_arg(1), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

// An object command: Tcl's own usage message and integer conversion; the
// answer is the command result.
int Vemra::TclExt::TclModelAccess::get_ReferencingDiagramID(ClientData, Tcl_Interp* interp, int objc,
                                                            Tcl_Obj* const objv[]) {
  if (objc != shape_Of(get_ReferencingDiagramID).count) {
    Tcl_WrongNumArgs(interp, 1, objv, "refID");
    return TCL_ERROR;
  }
  int diagramID = 0;
  if (Tcl_GetIntFromObj(interp, objv[1], &diagramID) != TCL_OK) return TCL_ERROR;
  const SysSpec* sysSpec = AppVars.get_SysSpec();
  if (!sysSpec) {
    Tcl_SetResult(interp, const_cast<char*>(MSG_NO_SYSSPEC), TCL_VOLATILE);
    return TCL_ERROR;
  }
  ClsMoAccessInfo info;
  int referencingID = sysSpec->get_ReferencingDiagramID(diagramID, info);
  if (!AccessOK(interp, info, R::GET_OK)) return TCL_ERROR;
  Tcl_SetObjResult(interp, Tcl_NewIntObj(referencingID));
  return TCL_OK;
}

VEMRA_COMMAND(get_ProcedureDiagramFormalParameters) {
  return run_Command(get_ProcedureDiagramFormalParameters, interp, argc, argv, [](CommandCall& c) {
    std::string parameters;
    c.sysSpec().get_ProcedureDiaFormalParameters(c.int_arg(1), parameters, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    return ResultWriter(c.interp).mar_ok().set_text("HP_FormalParameters", parameters).status();
  });
}

VEMRA_COMMAND(modify_ProcedureDiaFormalParameters) {
  return run_Command(modify_ProcedureDiaFormalParameters, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_ProcedureDiaFormalParameters(c.int_arg(1), c.text_arg(2), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

int Vemra::TclExt::TclModelAccess::write_ReferencedDiagrams_to_Tcl_Interp(Tcl_Interp* interp,
                                                                          std::list<const Diagram*>& list,
                                                                          const Diagram* diagram) {
  std::string ids;
  createValListScr(list, ids);
  ResultWriter w(interp);
  w.mar_ok()
      .set("Count", static_cast<int>(list.size()))
      .set("DiaType", get_DiagramTypeAsString(diagram->get_DiagramType()))
      .set_text("Text", diagram->name_ref())
      .set("IDs", ids);
  w.each(list, [](ResultWriter& w, const Diagram& d) { w.field_text(d.get_Model_ID(), "Text", d.name_ref()); });
  w.each(list, [](ResultWriter& w, const Diagram& d) {
    w.field(d.get_Model_ID(), "DiaType", get_DiagramTypeAsString(d.get_DiagramType()));
  });
  return w.ok() ? 0 : 1;
}

VEMRA_COMMAND(get_AllReferencedDiagrams) {
  return run_Command(get_AllReferencedDiagrams, interp, argc, argv, [](CommandCall& c) {
    int diagramID = c.int_arg(1);
    std::list<const Diagram*> diagrams;
    c.sysSpec().get_AllReferencedDiagrams(diagramID, diagrams, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    const Diagram* diagram = c.sysSpec().get_Diagram(diagramID, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    return write_ReferencedDiagrams_to_Tcl_Interp(c.interp, diagrams, diagram) == 0 ? TCL_OK : TCL_ERROR;
  });
}
