// Commands on the state-machine symbols of process and procedure diagrams.
#include "tclext/CommandShape.h"

using namespace Vemra;
using namespace Vemra::TclExt::TclModelAccess;
using R = ClsMoAccessInfo;
using SMType = ClsStateMachineSymbol::e_StateMachineSymbolType;

namespace {
const char* const MSG_UNKNOWN_INSERT = "unknown process diagram symbol type in insert_StateMachineSymbol()";
const char* const MSG_UNKNOWN_GET = "unknown process diagram symbol type in get_StateMachineSyms()";
}  // namespace

VEMRA_COMMAND(insert_StateMachineSymbol) {
  return run_Command(insert_StateMachineSymbol, interp, argc, argv, [](CommandCall& c) {
    int diagramID = c.int_arg(1), pageID = c.int_arg(2);
    SMType type;
    determine_StateMachineSymbolType(c.text_arg(3), type);
    if (type == ClsStateMachineSymbol::NONE) return c.reject_Type(MSG_UNKNOWN_INSERT);
    int newID = -1;
    c.sysSpec().insert_StateMachineSymbol(type, diagramID, pageID, c.int_arg(4), c.int_arg(5), c.int_arg(6),
                                          c.int_arg(7), c.text_arg(8), c.info(), newID);
    if (!c.ok(R::INSERT_OK)) return TCL_ERROR;
    c.sysSpec().get_StateMachineSymbol(newID, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    return write_NewObj(c.interp, newID);
  });
}

int Vemra::TclExt::TclModelAccess::write_StateMachineSyms_to_Tcl_Interp(
    Tcl_Interp* interp, std::list<const ClsStateMachineSymbol*>& list) {
  ResultWriter w(interp);
  w.list_frame(list);
  w.each(list, [](ResultWriter& w, const ClsStateMachineSymbol& s) { w.field_pas(s.get_Model_ID(), "PaS", s); });
  w.each(list, [](ResultWriter& w, const ClsStateMachineSymbol& s) {
    w.field_text(s.get_Model_ID(), "Text", s.content_ref());
  });
  return w.ok() ? 0 : 1;
}

VEMRA_COMMAND(get_StateMachineSyms) {
  return run_Command(get_StateMachineSyms, interp, argc, argv, [](CommandCall& c) {
    SMType type;
    determine_StateMachineSymbolType(c.text_arg(1), type);
    if (type == ClsStateMachineSymbol::NONE) return c.reject_Type(MSG_UNKNOWN_GET);
    std::list<const ClsStateMachineSymbol*> symbols;
    c.sysSpec().get_StateMachineSyms(type, c.int_arg(2), c.int_arg(3), symbols, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    return write_StateMachineSyms_to_Tcl_Interp(c.interp, symbols) == 0 ? TCL_OK : TCL_ERROR;
  });
}

VEMRA_COMMAND(modify_StateMachineSymbol_Content) {
  return run_Command(modify_StateMachineSymbol_Content, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_StateMachineSymContent(c.int_arg(1), c.text_arg(2), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(modify_StateMachineSymbol_PaS) {
  return run_Command(modify_StateMachineSymbol_PaS, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_StateMachineSymPaS(c.int_arg(1), c.int_arg(2), c.int_arg(3), c.int_arg(4), c.int_arg(5),
                                          c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(delete_StateMachineSymbol) {
  return run_Command(delete_StateMachineSymbol, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().delete_StateMachineSymbol(c.int_arg(1), c.info());
    return c.finish(R::DELETE_OK);
  });
}
