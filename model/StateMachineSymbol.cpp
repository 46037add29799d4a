#include "model/StateMachineSymbol.h"

namespace Vemra {

ClsStateMachineSymbol* create_StateMachineSymbol(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int ModelID,
                                                 int x, int y, int Width, int Height, const std::string& Content,
                                                 int PageID) {
  switch (Type) {
    case ClsStateMachineSymbol::START:
      return new ClsStateMachineStartSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::STATE:
      return new ClsStateMachineStateSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::OUTPUT:
      return new ClsStateMachineOutputSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::INPUT:
      return new ClsStateMachineInputSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::STOP:
      return new ClsStateMachineStopSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::TASK:
      return new ClsStateMachineTaskSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::CONDITION:
      return new ClsStateMachineConditionSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::DECISION:
      return new ClsStateMachineDecisionSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::CREATE_PRO:
      return new ClsStateMachineCreateProSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::CALL_PROCEDURE:
      return new ClsStateMachineCallProcedureSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::PROCEDURE_START_STATE:
      return new ClsStateMachineProcedureStartStateSymbol(ModelID, x, y, Width, Height, Content, PageID);
    case ClsStateMachineSymbol::PROCEDURE_RETURN:
      return new ClsStateMachineProcedureReturnSymbol(ModelID, x, y, Width, Height, Content, PageID);
    default: return nullptr;
  }
}

bool destroy_StateMachineSymbol(ClsStateMachineSymbol* sym) {
  switch (sym->get_SymbolType()) {
    case ClsStateMachineSymbol::START: delete static_cast<ClsStateMachineStartSymbol*>(sym); return true;
    case ClsStateMachineSymbol::STATE: delete static_cast<ClsStateMachineStateSymbol*>(sym); return true;
    case ClsStateMachineSymbol::OUTPUT: delete static_cast<ClsStateMachineOutputSymbol*>(sym); return true;
    case ClsStateMachineSymbol::INPUT: delete static_cast<ClsStateMachineInputSymbol*>(sym); return true;
    case ClsStateMachineSymbol::STOP: delete static_cast<ClsStateMachineStopSymbol*>(sym); return true;
    case ClsStateMachineSymbol::TASK: delete static_cast<ClsStateMachineTaskSymbol*>(sym); return true;
    case ClsStateMachineSymbol::CONDITION: delete static_cast<ClsStateMachineConditionSymbol*>(sym); return true;
    case ClsStateMachineSymbol::DECISION: delete static_cast<ClsStateMachineDecisionSymbol*>(sym); return true;
    case ClsStateMachineSymbol::CREATE_PRO: delete static_cast<ClsStateMachineCreateProSymbol*>(sym); return true;
    case ClsStateMachineSymbol::CALL_PROCEDURE:
      delete static_cast<ClsStateMachineCallProcedureSymbol*>(sym);
      return true;
    case ClsStateMachineSymbol::PROCEDURE_START_STATE:
      delete static_cast<ClsStateMachineProcedureStartStateSymbol*>(sym);
      return true;
    case ClsStateMachineSymbol::PROCEDURE_RETURN:
      delete static_cast<ClsStateMachineProcedureReturnSymbol*>(sym);
      return true;
    default: return false;
  }
}

}  // namespace Vemra
