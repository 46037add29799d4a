// Commands on the flow lines between state-machine symbols.
#include "tclext/CommandShape.h"

using namespace Vemra;
using namespace Vemra::TclExt::TclModelAccess;
using R = ClsMoAccessInfo;

VEMRA_COMMAND(insert_FlowLine) {
  return run_Command(insert_FlowLine, interp, argc, argv, [](CommandCall& c) {
    std::list<int> coords;
    c.int_list_arg(5, coords);
    int newID = -1;
    c.sysSpec().insert_FlowLine(c.int_arg(1), c.int_arg(2), coords, c.int_arg(3), c.int_arg(4), c.info(), newID);
    if (!c.ok(R::INSERT_OK)) return TCL_ERROR;
    return write_NewObj(c.interp, newID);
  });
}

VEMRA_COMMAND(insert_DecisionFlowLine) {
  return run_Command(insert_DecisionFlowLine, interp, argc, argv, [](CommandCall& c) {
    std::list<int> coords;
    c.int_list_arg(5, coords);
    int newID = -1;
    c.sysSpec().insert_DecisionFlowLine(c.int_arg(1), c.int_arg(2), coords, c.int_arg(3), c.int_arg(4), c.text_arg(6),
                                        c.pas_arg(7), c.info(), newID);
    if (!c.ok(R::INSERT_OK)) return TCL_ERROR;
    return write_NewObj(c.interp, newID);
  });
}

VEMRA_COMMAND(modify_FlowLineCoords) {
  return run_Command(modify_FlowLineCoords, interp, argc, argv, [](CommandCall& c) {
    std::list<int> coords;
    c.int_list_arg(2, coords);
    c.sysSpec().modify_FlowLineCoords(c.int_arg(1), coords, c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(modify_DecisionFlowLinePaS) {
  return run_Command(modify_DecisionFlowLinePaS, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_DecisionFlowLinePaS(c.int_arg(1), c.int_arg(2), c.int_arg(3), c.int_arg(4), c.int_arg(5),
                                           c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(modify_DecisionFlowLineContent) {
  return run_Command(modify_DecisionFlowLineContent, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_DecisionFlowLineContent(c.int_arg(1), c.text_arg(2), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(delete_FlowLine) {
  return run_Command(delete_FlowLine, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().delete_FlowLine(c.int_arg(1), c.info());
    return c.finish(R::DELETE_OK);
  });
}

int Vemra::TclExt::TclModelAccess::write_FlowLines_to_Tcl_Interp(Tcl_Interp* interp,
                                                                 std::list<const ClsFlowLine*>& list) {
  ResultWriter w(interp);
  w.list_frame(list);
  bool knownTypes = true;
  w.each(list, [&knownTypes](ResultWriter& w, const ClsFlowLine& line) {
    if (!knownTypes) return;
    int id = line.get_Model_ID();
    std::string coords;
    createValListScr(&line, coords);
    w.field(id, "Coords", coords)
        .field(id, "Source_Model_ID", line.get_SourceID_as_String())
        .field(id, "Dest_Model_ID", line.get_DestID_as_String());
    switch (line.get_FlowLineType()) {
      case ClsFlowLine::NORMAL:
        w.field(id, "Type", "normal");
        break;
      case ClsFlowLine::DECISION_ANSWER: {
        const auto& answer = static_cast<const ClsDecisionFlowLine&>(line);
        w.field(id, "Type", "decision")
            .field_pas(id, "PaS", answer.get_PaS())
            .field_text(id, "Content", answer.content_ref());
        break;
      }
      default:
        knownTypes = false;
    }
  });
  return w.ok() && knownTypes ? 0 : 1;
}

VEMRA_COMMAND(get_FlowLines) {
  return run_Command(get_FlowLines, interp, argc, argv, [](CommandCall& c) {
    std::list<const ClsFlowLine*> lines;
    c.sysSpec().get_FlowLines(c.int_arg(1), c.int_arg(2), lines, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    return write_FlowLines_to_Tcl_Interp(c.interp, lines) == 0 ? TCL_OK : TCL_ERROR;
  });
}
