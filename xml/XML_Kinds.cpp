#include "xml/XML_Kinds.h"

#include "model/Channel.h"
#include "model/FlowLine.h"
#include "model/StateMachineSymbol.h"
#include "model/Symbol.h"
#include "xml/XML_Basic.h"

namespace Vemra {
namespace XML_Kinds {

namespace {
using B = ClsXML_Basic;
using SM = ClsStateMachineSymbol;
}  // namespace

const ClsXML_KindTable HL_SYMBOLS = {{&B::TN_RECSYM_TEXTSYM, EnumSym::TEXT_SYM},
                                     {&B::TN_RECSYM_BLK_INST_REF, EnumSym::BLK_INST_REF_SYM},
                                     {&B::TN_RECSYM_BLK_TYPE_REF, EnumSym::BLK_TYPE_REF_SYM},
                                     {&B::TN_RECSYM_PRO_INST_REF, EnumSym::PRO_INST_REF_SYM},
                                     {&B::TN_RECSYM_PRO_TYPE_REF, EnumSym::PRO_TYPE_REF_SYM}};
const ClsXML_KindTable PRO_SYMBOLS = {{&B::TN_RECSYM_TEXTSYM, EnumSym::TEXT_SYM},
                                      {&B::TN_RECSYM_PRO_INST_REF, EnumSym::PRO_INST_REF_SYM},
                                      {&B::TN_RECSYM_PRO_TYPE_REF, EnumSym::PRO_TYPE_REF_SYM},
                                      {&B::TN_RECSYM_PROCEDURE_INST_REF, EnumSym::PROCEDURE_INST_REF_SYM}};
const ClsXML_KindTable PROCEDURE_SYMBOLS = {{&B::TN_RECSYM_TEXTSYM, EnumSym::TEXT_SYM}};
const ClsXML_KindTable ALL_SYMBOLS = [] {
  ClsXML_KindTable All = HL_SYMBOLS;
  All.push_back({&B::TN_RECSYM_PROCEDURE_INST_REF, EnumSym::PROCEDURE_INST_REF_SYM});
  return All;
}();
const ClsXML_KindTable STATE_MA_SYMBOLS = {{&B::TN_STATE_MA_SYM_START, SM::START},
                                           {&B::TN_STATE_MA_SYM_STATE, SM::STATE},
                                           {&B::TN_STATE_MA_SYM_OUTPUT, SM::OUTPUT},
                                           {&B::TN_STATE_MA_SYM_INPUT, SM::INPUT},
                                           {&B::TN_STATE_MA_SYM_CONDITION, SM::CONDITION},
                                           {&B::TN_STATE_MA_SYM_STOP, SM::STOP},
                                           {&B::TN_STATE_MA_SYM_TASK, SM::TASK},
                                           {&B::TN_STATE_MA_SYM_DECISION, SM::DECISION},
                                           {&B::TN_STATE_MA_SYM_CREATE_PRO, SM::CREATE_PRO},
                                           {&B::TN_STATE_MA_SYM_CALL_PROCEDURE, SM::CALL_PROCEDURE},
                                           {&B::TN_STATE_MA_SYM_PROCEDURE_START_STATE, SM::PROCEDURE_START_STATE},
                                           {&B::TN_STATE_MA_SYM_PROCEDURE_RETURN, SM::PROCEDURE_RETURN}};
const ClsXML_KindTable FLOW_LINES = {{&B::TN_NORMAL_FLOWLINE, ClsFlowLine::NORMAL},
                                     {&B::TN_DECISION_FLOWLINE, ClsFlowLine::DECISION_ANSWER}};
const ClsXML_KindTable CHANNEL_COMPONENTS = {{&B::TN_CHANNEL_COMP_NAME, ClsChanComp::NAME},
                                             {&B::TN_CHANNEL_COMP_SOURCE_SIG, ClsChanComp::SOURCE_SIG_LIST},
                                             {&B::TN_CHANNEL_COMP_SOURCE_CON, ClsChanComp::SOURCE_CON},
                                             {&B::TN_CHANNEL_COMP_DEST_SIG, ClsChanComp::DEST_SIG_LIST},
                                             {&B::TN_CHANNEL_COMP_DEST_CON, ClsChanComp::DEST_CON}};

const std::string* name_of_Kind(const ClsXML_KindTable& Table, int Kind) {
  for (const ClsXML_NamedKind& Entry : Table)
    if (Entry.Kind == Kind) return Entry.Name;
  return nullptr;
}

}  // namespace XML_Kinds
}  // namespace Vemra
