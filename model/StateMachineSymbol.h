#ifndef VEMRA_STATEMACHINESYMBOL_H
#define VEMRA_STATEMACHINESYMBOL_H

#include <string>

#include "model/Geometry.h"

namespace Vemra {

// A symbol of a process or procedure graph: a box with a text.
class ClsStateMachineSymbol : public ClsPageObject, public ClsObjectWithModel_ID, public ClsRecPaS {
public:
  enum e_StateMachineSymbolType : int {
    NONE = 0,
    START = 1,
    STATE = 2,
    OUTPUT = 3,
    INPUT = 4,
    STOP = 5,
    TASK = 6,
    CONDITION = 7,
    DECISION = 8,
    CREATE_PRO = 9,
    CALL_PROCEDURE = 10,
    PROCEDURE_START_STATE = 11,
    PROCEDURE_RETURN = 12
  };

  ClsStateMachineSymbol(int ModelID, e_StateMachineSymbolType Type, int x, int y, int Width, int Height,
                        std::string Content, int PageID)
      : ClsPageObject(PageID),
        ClsObjectWithModel_ID(ModelID),
        ClsRecPaS(x, y, Width, Height),
        Content(std::move(Content)),
        SymbolType(Type) {}

  ClsMoEleType::e_MoEle get_MoEleType() const override = 0;

  e_StateMachineSymbolType get_SymbolType() const { return SymbolType; }
  std::string get_content() const { return Content; }
  const std::string& content_ref() const { return Content; }
  void modify_Content(std::string NewContent) { Content = std::move(NewContent); }
  bool operator==(const ClsStateMachineSymbol& other) const { return get_Model_ID() == other.get_Model_ID(); }

protected:
  ~ClsStateMachineSymbol() = default;

private:
  std::string Content;
  e_StateMachineSymbolType SymbolType;
};

#define VEMRA_DECLARE_SM_SYMBOL(Cls, Kind, MoEle)                                                            \
  class Cls final : public ClsStateMachineSymbol {                                                           \
  public:                                                                                                    \
    Cls(int ModelID, int x, int y, int Width, int Height, std::string Content, int PageID)                   \
        : ClsStateMachineSymbol(ModelID, ClsStateMachineSymbol::Kind, x, y, Width, Height, std::move(Content), \
                                PageID) {}                                                                   \
    ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::MoEle; }                    \
  };

VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineStartSymbol, START, StateMachineSymStart)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineStateSymbol, STATE, StateMachineSymState)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineOutputSymbol, OUTPUT, StateMachineSymOutput)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineInputSymbol, INPUT, StateMachineSymInput)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineStopSymbol, STOP, StateMachineSymStop)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineTaskSymbol, TASK, StateMachineSymTask)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineConditionSymbol, CONDITION, StateMachineSymCondition)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineDecisionSymbol, DECISION, StateMachineSymDecision)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineCreateProSymbol, CREATE_PRO, StateMachineSymCreatePro)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineCallProcedureSymbol, CALL_PROCEDURE, StateMachineSymCallProcedure)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineProcedureStartStateSymbol, PROCEDURE_START_STATE,
                        StateMachineSymProcedureStartState)
VEMRA_DECLARE_SM_SYMBOL(ClsStateMachineProcedureReturnSymbol, PROCEDURE_RETURN, StateMachineSymProcedureReturn)

#undef VEMRA_DECLARE_SM_SYMBOL

// Creates the concrete symbol of the kind, or null for a kind outside the twelve.
ClsStateMachineSymbol* create_StateMachineSymbol(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int ModelID,
                                                 int x, int y, int Width, int Height, const std::string& Content,
                                                 int PageID);
// Destroys a symbol through its concrete class; false for an unknown kind.
bool destroy_StateMachineSymbol(ClsStateMachineSymbol* sym);

}  // namespace Vemra

#endif
