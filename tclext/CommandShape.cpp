#include "tclext/CommandShape.h"

#include "model/Converter.h"
#include "tclext/AppVars.h"

namespace Vemra {
namespace TclExt {
namespace TclModelAccess {

const char* const MSG_NO_SYSSPEC = "no system model: call create_EmptySysSpec or load_Model_from_File first";

bool check_Words(Tcl_CmdProc* command, Tcl_Interp* interp, int argc) {
  const Shape& shape = shape_Of(command);
  if (shape.clear == Clear::BEFORE_COUNT && clear_MAR_ARR(interp) != TCL_OK) return false;
  if (argc != shape.count) {
    Tcl_SetResult(interp, const_cast<char*>("wrong # args"), TCL_VOLATILE);
    return false;
  }
  return shape.clear != Clear::AFTER_COUNT || clear_MAR_ARR(interp) == TCL_OK;
}

bool CommandCall::begin(Tcl_CmdProc* command) {
  if (!check_Words(command, interp, argc)) return false;
  pSysSpec = AppVars.get_SysSpec();
  if (!pSysSpec) {
    fail(MSG_NO_SYSSPEC);
    return false;
  }
  return true;
}

ClsRecPaS CommandCall::pas_arg(int i) const {
  ClsRecPaS pas(0, 0, 10, 10);
  get_PaS_from_space_separated_IntListString(argv[i], pas);
  return pas;
}

int CommandCall::fail(const char* message) {
  Tcl_SetResult(interp, const_cast<char*>(message), TCL_VOLATILE);
  return TCL_ERROR;
}

int CommandCall::reject_Type(const char* message) {
  if (!ResultWriter(interp).mar_error().ok()) return TCL_ERROR;
  return fail(message);
}

ResultWriter& ResultWriter::set(const char* key, std::string value) {
  pending.emplace_back(key, std::move(value));
  return *this;
}

ResultWriter& ResultWriter::set(const char* key, int value) { return set(key, Converter::Int_to_String(value)); }

ResultWriter& ResultWriter::set_text(const char* key, const std::string& text) {
  std::string value;
  createValListScrForStrings(text, value);
  return set(key, std::move(value));
}

ResultWriter& ResultWriter::field(int id, const char* name, std::string value) {
  pending.emplace_back(field_Key(id, name), std::move(value));
  return *this;
}

ResultWriter& ResultWriter::field(int id, const char* name, int value) {
  return field(id, name, Converter::Int_to_String(value));
}

ResultWriter& ResultWriter::field_text(int id, const char* name, const std::string& text) {
  std::string value;
  createValListScrForStrings(text, value);
  return field(id, name, std::move(value));
}

ResultWriter& ResultWriter::field_pas(int id, const char* name, const ClsRecPaS& pas) {
  return field(id, name, pas.get_PaS_as_String());
}

bool ResultWriter::ok() {
  for (const auto& entry : pending) {
    if (!good) break;
    good = OneDimVarSet(interp, MAR_ARRAY, entry.first, entry.second) == TCL_OK;
  }
  pending.clear();
  return good;
}

int write_NewObj(Tcl_Interp* interp, int newID) {
  return ResultWriter(interp).mar_ok().set("NewObj_Model_ID", newID).status();
}

}  // namespace TclModelAccess
}  // namespace TclExt
}  // namespace Vemra
