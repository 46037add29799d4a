#include <tcl.h>

#include <iterator>

#include "model/Converter.h"
#include "model/Diagram.h"
#include "tclext/TclModelAccess.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

const char* const MAR_ARRAY = "::Vemra_MAR::arr_MAR";

int clear_MAR_ARR(Tcl_Interp* interp) {
  if (Tcl_UnsetVar(interp, MAR_ARRAY, 0) != TCL_OK) {
    Tcl_SetResult(interp, const_cast<char*>("Script error"), TCL_VOLATILE);
    return TCL_ERROR;
  }
  if (Tcl_SetVar2(interp, MAR_ARRAY, "", "{ }", 0) == nullptr) {
    Tcl_SetResult(interp, const_cast<char*>("Script error"), TCL_VOLATILE);
    return TCL_ERROR;
  }
  return TCL_OK;
}

bool AccessOK(Tcl_Interp* interp, const ClsMoAccessInfo& info, ClsMoAccessInfo::e_ResultType expected) {
  if (info.get_Info() == expected) return true;
  Tcl_SetResult(interp, const_cast<char*>(info.get_Info_Message()), TCL_VOLATILE);
  return false;
}

int OneDimVarSet(Tcl_Interp* interp, const std::string& arrayName, const std::string& key, const std::string& value) {
  return Tcl_SetVar2(interp, arrayName.c_str(), key.c_str(), value.c_str(), 0) ? TCL_OK : TCL_ERROR;
}

std::string field_Key(int id, const std::string& field) { return Converter::Int_to_String(id) + "," + field; }

void createValListScr(const std::list<int>& values, std::string& out) { out = Converter::IntList_to_String(values); }

namespace {

template <class It>
void format_Ints(It begin, It end, std::string& out) {
  out.clear();
  for (It it = begin; it != end; ++it) {
    if (it != begin) out += ' ';
    out += Converter::Int_to_String(*it);
  }
}

template <class T>
void format_IDs(const std::list<const T*>& elements, std::string& out) {
  out.clear();
  bool first = true;
  for (const T* e : elements) {
    if (!first) out += ' ';
    out += Converter::Int_to_String(e->get_Model_ID());
    first = false;
  }
}

void format_PaS(const ClsRecPaS& pas, std::string& out) {
  const int values[] = {pas.get_x_left_up(), pas.get_y_left_up(), pas.get_width(), pas.get_height()};
  format_Ints(std::begin(values), std::end(values), out);
}

}  // namespace

void createValListScr(const std::list<const ClsFlowLine*>& elements, std::string& out) { format_IDs(elements, out); }
void createValListScr(const std::list<const ClsChannel*>& elements, std::string& out) { format_IDs(elements, out); }
void createValListScr(const std::list<const Diagram*>& elements, std::string& out) { format_IDs(elements, out); }
void createValListScr(const std::list<const Symbol*>& elements, std::string& out) { format_IDs(elements, out); }
void createValListScr(const std::list<const ClsStateMachineSymbol*>& elements, std::string& out) {
  format_IDs(elements, out);
}

void createValListScr(const ClsFlowLine* e, std::string& out) {
  format_Ints(e->coords_ref().begin(), e->coords_ref().end(), out);
}
void createValListScr(const ClsChannel* e, std::string& out) {
  format_Ints(e->coords_ref().begin(), e->coords_ref().end(), out);
}
void createValListScr(const Symbol* e, std::string& out) { format_PaS(*e, out); }
void createValListScr(const ClsStateMachineSymbol* e, std::string& out) { format_PaS(*e, out); }

void createValListScrForStrings(const std::string& text, std::string& out) {
  out = Converter::StringToMAR_String(text);
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
