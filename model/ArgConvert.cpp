#include "model/ArgConvert.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "model/DebugPrinter.h"

namespace Vemra {
namespace ArgConvert {

const char* const ENV_NAME = "ENV";

namespace {

// Looks `name` up in a table of (name, value) pairs, first match wins.
template <class T, std::size_t N>
bool find_Name(const std::string& name, const std::pair<const char*, T> (&table)[N], T& value) {
  for (const auto& entry : table) {
    if (name == entry.first) {
      value = entry.second;
      return true;
    }
  }
  return false;
}

const std::pair<const char*, EnumSym::Type> SYMBOL_NAMES[] = {
    {"TextSym", EnumSym::TEXT_SYM},
    {"ProInstRefSym", EnumSym::PRO_INST_REF_SYM},
    {"ProTypeRefSym", EnumSym::PRO_TYPE_REF_SYM},
    {"BlkInstRefSym", EnumSym::BLK_INST_REF_SYM},
    {"BlkTypeRefSym", EnumSym::BLK_TYPE_REF_SYM},
    {"ProcedureInstRefSym", EnumSym::PROCEDURE_INST_REF_SYM},
};

using SMType = ClsStateMachineSymbol::e_StateMachineSymbolType;
const std::pair<const char*, SMType> STATE_MACHINE_SYMBOL_NAMES[] = {
    {"StateMaStartStateSym", ClsStateMachineSymbol::START},
    {"StateMaStateSym", ClsStateMachineSymbol::STATE},
    {"StateMaOutputSym", ClsStateMachineSymbol::OUTPUT},
    {"StateMaInputSym", ClsStateMachineSymbol::INPUT},
    {"StateMaStopSym", ClsStateMachineSymbol::STOP},
    {"StateMaTaskSym", ClsStateMachineSymbol::TASK},
    {"StateMaConditionSym", ClsStateMachineSymbol::CONDITION},
    {"StateMaDecisionSym", ClsStateMachineSymbol::DECISION},
    {"StateMaCreateProSym", ClsStateMachineSymbol::CREATE_PRO},
    {"StateMaCallProcedureSym", ClsStateMachineSymbol::CALL_PROCEDURE},
    {"StateMaProcedureStartStateSym", ClsStateMachineSymbol::PROCEDURE_START_STATE},
    {"StateMaProcedureReturnSym", ClsStateMachineSymbol::PROCEDURE_RETURN},
};

const std::pair<const char*, ClsChannel::e_DirectionType> DIRECTION_NAMES[] = {
    {"both", ClsChannel::BOTH},
    {"from_source", ClsChannel::FROM_SOURCE},
    {"from_destination", ClsChannel::FROM_DESTINATION},
};

const std::pair<const char*, ClsChannel::e_DelayType> DELAY_NAMES[] = {
    {"delay", ClsChannel::DELAY},
    {"no_delay", ClsChannel::NO_DELAY},
};

const std::pair<const char*, ClsChanComp::e_CompType> COMP_NAMES[] = {
    {"ChanName", ClsChanComp::NAME},
    {"ChanSourceSig", ClsChanComp::SOURCE_SIG_LIST},
    {"ChanDestSig", ClsChanComp::DEST_SIG_LIST},
    {"ChanSourceCon", ClsChanComp::SOURCE_CON},
    {"ChanDestCon", ClsChanComp::DEST_CON},
};

const char* const UNKNOWN_TYPE_REASON = "unknown Tcl-SymbolType";

// Splits at every single blank; each piece, empty ones too, becomes a number.
// `take` receives the numbers in order and returns false to stop early.
template <class F>
void for_each_Piece(const std::string& text, F take) {
  std::string::size_type start = 0;
  for (;;) {
    std::string::size_type blank = text.find(' ', start);
    std::string piece = text.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
    if (!take(get_Int(piece)) || blank == std::string::npos) return;
    start = blank + 1;
  }
}

}  // namespace

int get_Int(const char* text) {
  errno = 0;
  long value = std::strtol(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int get_Int(const std::string& text) { return get_Int(text.c_str()); }

void get_IntList_from_space_separated_IntListString(const std::string& text, std::list<int>& out) {
  out.clear();
  for_each_Piece(text, [&out](int value) {
    out.push_back(value);
    return true;
  });
}

void get_PaS_from_space_separated_IntListString(const std::string& text, ClsRecPaS& pas) {
  int values[4] = {pas.get_x_left_up(), pas.get_y_left_up(), pas.get_width(), pas.get_height()};
  int count = 0;
  for_each_Piece(text, [&](int value) {
    values[count++] = value;
    return count < 4;
  });
  pas.set_PaS(values[0], values[1], values[2], values[3]);
}

void determine_SymbolType(const std::string& name, EnumSym::Type& type) {
  type = EnumSym::NONE;
  if (find_Name(name, SYMBOL_NAMES, type)) return;
  debug_error(
      "error in: void Vemra::TclExt::TclModelAccess::determine_SymbolType(const string str_SymbolType, "
      "e_SymbolType & SymbolType)",
      UNKNOWN_TYPE_REASON);
}

void determine_StateMachineSymbolType(const std::string& name, SMType& type) {
  type = ClsStateMachineSymbol::NONE;
  if (find_Name(name, STATE_MACHINE_SYMBOL_NAMES, type)) return;
  debug_error("error in: void Vemra::TclExt::TclModelAccess::determine_StateMachineSymbolType(...)",
              UNKNOWN_TYPE_REASON);
}

bool determine_ChannelDirectionType(const std::string& name, ClsChannel::e_DirectionType& type) {
  return find_Name(name, DIRECTION_NAMES, type);
}

bool determine_ChannelDelayType(const std::string& name, ClsChannel::e_DelayType& type) {
  return find_Name(name, DELAY_NAMES, type);
}

bool determine_ChanCompType(const std::string& name, ClsChanComp::e_CompType& type) {
  return find_Name(name, COMP_NAMES, type);
}

std::string get_DiagramTypeAsString(EnumDia::Type type) {
  switch (type) {
    case EnumDia::SYS_DIA: return "SysDia";
    case EnumDia::BLK_DIA: return "BlkDia";
    case EnumDia::PRO_DIA: return "ProDia";
    case EnumDia::BLK_TYPE_DIA: return "BlkTypeDia";
    case EnumDia::PRO_TYPE_DIA: return "ProTypeDia";
    case EnumDia::PROCEDURE_DIA: return "ProcedureDia";
    default: return "none";
  }
}

bool ChannelConPoint_is_Enviroment(const std::string& name) { return name == ENV_NAME; }

}  // namespace ArgConvert
}  // namespace Vemra
