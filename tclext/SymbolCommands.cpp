// Commands on the structure symbols (text and reference symbols).
#include "tclext/CommandShape.h"

using namespace Vemra;
using namespace Vemra::TclExt::TclModelAccess;
using R = ClsMoAccessInfo;

namespace {
const char* const MSG_UNKNOWN_SYMBOL_INSERT = "unknown symbol type in proc: insert_RecSym_into_Model";
const char* const MSG_UNKNOWN_SYMBOL_GET = "unknown symbol type in proc: get_Symbols_from_Model";
}  // namespace

VEMRA_COMMAND(insert_RecSym) {
  return run_Command(insert_RecSym, interp, argc, argv, [](CommandCall& c) {
    int diagramID = c.int_arg(1), pageID = c.int_arg(2);
    EnumSym::Type type;
    determine_SymbolType(c.text_arg(3), type);
    if (type == EnumSym::NONE) return c.reject_Type(MSG_UNKNOWN_SYMBOL_INSERT);
    int newID = -1;
    c.sysSpec().insert_Symbol(type, diagramID, pageID, c.int_arg(4), c.int_arg(5), c.int_arg(6), c.int_arg(7),
                              c.text_arg(8), c.info(), newID);
    if (!c.ok(R::INSERT_OK)) return TCL_ERROR;
    const Symbol* symbol = c.sysSpec().get_RecSymbol(newID, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    ResultWriter w(c.interp);
    w.mar_ok().set("NewObj_Model_ID", newID);
    if (symbol->is_referencing_Symbol()) w.set("RefDia_Model_ID", symbol->get_referenced_Diagram_Model_ID());
    return w.status();
  });
}

int Vemra::TclExt::TclModelAccess::write_Syms_to_Tcl_Interp(Tcl_Interp* interp, std::list<const Symbol*>& list) {
  ResultWriter w(interp);
  w.list_frame(list);
  w.each(list, [](ResultWriter& w, const Symbol& s) { w.field_pas(s.get_Model_ID(), "PaS", s); });
  w.each(list, [](ResultWriter& w, const Symbol& s) { w.field_text(s.get_Model_ID(), "Text", s.content_ref()); });
  w.each(list, [](ResultWriter& w, const Symbol& s) {
    if (s.is_referencing_Symbol()) w.field(s.get_Model_ID(), "RefDia_Model_ID", s.get_referenced_Diagram_Model_ID());
  });
  return w.ok() ? 0 : 1;
}

VEMRA_COMMAND(get_Symbols) {
  return run_Command(get_Symbols, interp, argc, argv, [](CommandCall& c) {
    EnumSym::Type type;
    determine_SymbolType(c.text_arg(1), type);
    if (type == EnumSym::NONE) return c.reject_Type(MSG_UNKNOWN_SYMBOL_GET);
    std::list<const Symbol*> symbols;
    c.sysSpec().get_Syms(type, c.int_arg(2), c.int_arg(3), symbols, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    return write_Syms_to_Tcl_Interp(c.interp, symbols) == 0 ? TCL_OK : TCL_ERROR;
  });
}

VEMRA_COMMAND(modify_RecSym_Content) {
  return run_Command(modify_RecSym_Content, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_SymbolContent(c.int_arg(1), c.text_arg(2), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(set_RecSym_PaS) {
  return run_Command(set_RecSym_PaS, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().set_SymbolPaS(c.int_arg(1), c.int_arg(2), c.int_arg(3), c.int_arg(4), c.int_arg(5), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(delete_RecSym) {
  return run_Command(delete_RecSym, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().delete_Symbol(c.int_arg(1), c.info());
    return c.finish(R::DELETE_OK);
  });
}
