#include "model/MoEleMap.h"

#include <algorithm>
#include <cstdio>

#include "model/Converter.h"
#include "model/DebugPrinter.h"
#include "model/Diagram.h"

namespace Vemra {

namespace {

ClsMoEleMap::e_MoEleBasicType basic_type_of(ClsMoEleType::e_MoEle Type) {
  switch (Type) {
    case ClsMoEleType::SysDia:
    case ClsMoEleType::BlkDia:
    case ClsMoEleType::ProDia:
    case ClsMoEleType::ProcedureDia:
      return ClsMoEleMap::BASIC_DIAGRAM;
    case ClsMoEleType::TextSym:
    case ClsMoEleType::BlkInstRefSym:
    case ClsMoEleType::BlkTypeRefSym:
    case ClsMoEleType::ProInstRefSym:
    case ClsMoEleType::ProTypeRefSym:
    case ClsMoEleType::ProcedureInstRefSym:
      return ClsMoEleMap::BASIC_SYMBOL;
    case ClsMoEleType::ChanSym:
      return ClsMoEleMap::BASIC_CHANNEL;
    case ClsMoEleType::StateMachineSymStart:
    case ClsMoEleType::StateMachineSymState:
    case ClsMoEleType::StateMachineSymOutput:
    case ClsMoEleType::StateMachineSymInput:
    case ClsMoEleType::StateMachineSymStop:
    case ClsMoEleType::StateMachineSymTask:
    case ClsMoEleType::StateMachineSymCondition:
    case ClsMoEleType::StateMachineSymDecision:
    case ClsMoEleType::StateMachineSymCreatePro:
    case ClsMoEleType::StateMachineSymCallProcedure:
    case ClsMoEleType::StateMachineSymProcedureStartState:
    case ClsMoEleType::StateMachineSymProcedureReturn:
      return ClsMoEleMap::BASIC_STATEMACHINESYMBOL;
    case ClsMoEleType::NormalFlowLine:
    case ClsMoEleType::DecisionFlowLine:
      return ClsMoEleMap::BASIC_FLOWLINE;
    default:
      return ClsMoEleMap::BASIC_NONE;
  }
}

const char* dump_text(ClsMoEleType::e_MoEle Type) {
  switch (Type) {
    case ClsMoEleType::SysDia: return "SysDia";
    case ClsMoEleType::BlkDia: return "BlkDia";
    case ClsMoEleType::ProDia: return "ProDia";
    case ClsMoEleType::TextSym: return "TextSym";
    case ClsMoEleType::BlkInstRefSym: return "BlkInstRefSym";
    case ClsMoEleType::BlkTypeRefSym: return "BlkTypeRefSym";
    case ClsMoEleType::ChanSym: return "ChanSym";
    case ClsMoEleType::ProInstRefSym: return "ProInstRefSym";
    case ClsMoEleType::ProTypeRefSym: return "ProTypeRefSym";
    case ClsMoEleType::StateMachineSymStart: return "StateMachineSymStart";
    case ClsMoEleType::StateMachineSymState: return "StateMachineSymState";
    case ClsMoEleType::StateMachineSymOutput: return "StateMachineSymOutput";
    case ClsMoEleType::StateMachineSymInput: return "StateMachineSymInput";
    case ClsMoEleType::StateMachineSymStop: return "StateMachineSymStop";
    case ClsMoEleType::StateMachineSymTask: return "StateMachineSymTask";
    case ClsMoEleType::StateMachineSymCondition: return "StateMachineSymCondition";
    case ClsMoEleType::StateMachineSymDecision: return "StateMachineSymDecision";
    case ClsMoEleType::StateMachineSymCreatePro: return "StateMachineSymCreatePro";
    case ClsMoEleType::NormalFlowLine: return "NormalFlowLine";
    case ClsMoEleType::DecisionFlowLine: return "DecisionFlowLine";
    default: return nullptr;
  }
}

const char* const ADD_MOELE = "error in: void Vemra::ClsMoEleMap::add_MoEle(...)";

}  // namespace

ClsMoEleMap::ClsMoEleInfo::ClsMoEleInfo(ClsMoEleType::e_MoEle Type, Diagram* pDia)
    : BasicType(basic_type_of(Type)), MoEleType(Type), pDiagram(pDia) {
  if (BasicType == BASIC_NONE) {
    pDiagram = nullptr;
    debug_error("error in: Vemra::ClsMoEleMap::ClsMoEleInfo::ClsMoEleInfo(...", "unconsidered type!!!");
  }
}

Diagram* ClsMoEleMap::ClsMoEleInfo::get_Diagram() const {
  if (BasicType != BASIC_DIAGRAM) debug_line("Vemra::Diagram * Vemra::ClsMoEleInfo::get_Diagram( )");
  return pDiagram;
}

Diagram* ClsMoEleMap::ClsMoEleInfo::get_EnclosingDiagram() const {
  if (BasicType == BASIC_NONE || BasicType == BASIC_DIAGRAM)
    debug_line("error in Vemra::Diagram * Vemra::ClsMoEleInfo::get_EnclosingDiagram( )");
  return pDiagram;
}

int ClsMoEleMap::get_ID() {
  int ID = ++IDCounter;
  if (ID_exists_in_Map(ID)) std::printf("error in Vemra::ClsMoEleMap::get_ID\n");
  return ID;
}

const ClsMoEleMap::ClsMoEleInfo* ClsMoEleMap::lookup(int ID) const {
  if (ID < 0 || static_cast<std::size_t>(ID) >= Entries.size()) return nullptr;
  const ClsMoEleInfo& info = Entries[ID];
  return info.get_MoEleBasicType() == BASIC_NONE ? nullptr : &info;
}

bool ClsMoEleMap::ID_exists_in_Map(int ID) const { return lookup(ID) != nullptr; }

void ClsMoEleMap::store(int ID, const ClsMoEleInfo& info) {
  if (ID < 0) return;  // IDs come from the counter, which starts at 1
  std::size_t at = static_cast<std::size_t>(ID);
  if (at >= Entries.size()) Entries.resize(std::max(at + 1, 2 * Entries.size()));
  if (Entries[at].get_MoEleBasicType() == BASIC_NONE) ++Count;
  Entries[at] = info;
}

void ClsMoEleMap::add_MoEle(const ClsObjectWithModel_ID* element, Diagram* diagram) {
  ClsMoEleType::e_MoEle Type = element->get_MoEleType();
  int ID = element->get_Model_ID();
  switch (basic_type_of(Type)) {
    case BASIC_DIAGRAM:
      if (ID_exists_in_Map(ID)) debug_error(ADD_MOELE, "Object-Model-ID exists !!!");
      store(ID, ClsMoEleInfo(Type, diagram));
      return;
    case BASIC_SYMBOL:
    case BASIC_STATEMACHINESYMBOL:
    case BASIC_CHANNEL:
    case BASIC_FLOWLINE: {
      if (ID_exists_in_Map(ID)) debug_error(ADD_MOELE, "Object-Model-ID exists !!!");
      if (!diagram || !ID_exists_in_Map(diagram->get_Model_ID())) debug_error(ADD_MOELE, "Parent not in Map !!!");
      store(ID, ClsMoEleInfo(Type, diagram));
      return;
    }
    default:
      debug_error(ADD_MOELE, "unconsidered type!!!");
      return;
  }
}

void ClsMoEleMap::delete_MoEle(int ID, ClsMoAccessInfo& Info) {
  if (!ID_exists_in_Map(ID)) {
    Info.set_Info(ClsMoAccessInfo::DELETE_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  Entries[ID] = ClsMoEleInfo();
  --Count;
  Info.set_Info(ClsMoAccessInfo::DELETE_OK);
}

Diagram* ClsMoEleMap::find_MoEle(int ID, EnumAccessType Access, ClsMoAccessInfo& Info) const {
  using R = ClsMoAccessInfo;
  R::e_ResultType unknown, wrong, ok;
  bool accepted[6] = {false, false, false, false, false, false};
  switch (Access) {
    case ACCESS_INSERT:
      unknown = R::INSERT_LOCATION_UNKNOWN; wrong = R::INSERT_LOCATION_NO_DIAGRAM; ok = R::INSERT_OK;
      accepted[BASIC_DIAGRAM] = true;
      break;
    case ACCESS_GET_DIAGRAM:
      unknown = R::GET_LOCATION_UNKNOWN; wrong = R::GET_LOCATION_NO_DIAGRAM; ok = R::GET_OK;
      accepted[BASIC_DIAGRAM] = true;
      break;
    case ACCESS_GET_ELEMENT:
      unknown = R::GET_ELEMENT_UNKNOWN; wrong = R::GET_ELEMENT_WRONG_TYPE; ok = R::GET_ELEMENT_OK;
      accepted[BASIC_SYMBOL] = accepted[BASIC_STATEMACHINESYMBOL] = accepted[BASIC_FLOWLINE] = true;
      break;
    case ACCESS_DELETE:
      unknown = R::DELETE_ELEMENT_UNKNOWN; wrong = R::DELETE_WRONG_ELEMENT_TYPE; ok = R::DELETE_OK;
      accepted[BASIC_SYMBOL] = accepted[BASIC_STATEMACHINESYMBOL] = accepted[BASIC_FLOWLINE] =
          accepted[BASIC_CHANNEL] = true;
      break;
    case ACCESS_MODIFY:
      unknown = R::MODIFY_ELEMENT_UNKNOWN; wrong = R::MODIFY_WRONG_ELEMENT_TYPE; ok = R::MODIFY_OK;
      accepted[BASIC_SYMBOL] = accepted[BASIC_STATEMACHINESYMBOL] = accepted[BASIC_FLOWLINE] =
          accepted[BASIC_CHANNEL] = true;
      break;
    default:
      Info.set_Info(R::UNKNOWN_ACCESS_TYPE);
      return nullptr;
  }
  const ClsMoEleInfo* info = lookup(ID);
  if (!info) {
    Info.set_Info(unknown);
    return nullptr;
  }
  if (!accepted[info->get_MoEleBasicType()]) {
    Info.set_Info(wrong);
    return nullptr;
  }
  Info.set_Info(ok);
  return const_cast<Diagram*>(info->get_MoEleBasicType() == BASIC_DIAGRAM ? info->get_Diagram()
                                                                          : info->get_EnclosingDiagram());
}

void ClsMoEleMap::print_Map() const {
  debug_line("void Vemra::ClsMoEleMap::print_Map()");
  auto print_entry = [](int ID, const ClsMoEleInfo& info) {
    DebugPrinter::print("MAP-ID: ", false);
    DebugPrinter::print_iNumber(ID, true);
    DebugPrinter::print("Element-type: ", false);
    const char* text = dump_text(info.get_MoEleType());
    if (text)
      debug_line(text);
    else
      debug_error("error in: void Vemra::ClsMoEleMap::print_Map()", "unconsidered type!!!");
  };
  for (std::size_t ID = 0; ID < Entries.size(); ++ID)
    if (Entries[ID].get_MoEleBasicType() != BASIC_NONE) print_entry(static_cast<int>(ID), Entries[ID]);
  debug_line("END: void Vemra::ClsMoEleMap::print_Map()");
}

}  // namespace Vemra
