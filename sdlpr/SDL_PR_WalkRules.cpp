#include "sdlpr/SDL_PR_WalkRules.h"

namespace Vemra {

using SMSym = ClsStateMachineSymbol;

const ClsSDL_PR_WalkRules SDL_PR_PROCESS_WALK = {
    SMSym::START,
    SMSym::STOP,
    {SMSym::INPUT, SMSym::OUTPUT, SMSym::TASK, SMSym::STOP, SMSym::DECISION, SMSym::CREATE_PRO,
     SMSym::CALL_PROCEDURE}};

const ClsSDL_PR_WalkRules SDL_PR_PROCEDURE_WALK = {
    SMSym::PROCEDURE_START_STATE,
    SMSym::PROCEDURE_RETURN,
    {SMSym::INPUT, SMSym::OUTPUT, SMSym::TASK, SMSym::PROCEDURE_RETURN, SMSym::DECISION, SMSym::CREATE_PRO,
     SMSym::CALL_PROCEDURE}};

const ClsSDL_PR_WalkRules& ClsSDL_PR_WalkRules::for_Diagram(EnumDia::Type Type) {
  return Type == EnumDia::PRO_DIA ? SDL_PR_PROCESS_WALK : SDL_PR_PROCEDURE_WALK;
}

bool ClsSDL_PR_WalkRules::handles(SMType Type) const {
  switch (Type) {
    case SMSym::STATE:
    case SMSym::OUTPUT:
    case SMSym::INPUT:
    case SMSym::TASK:
    case SMSym::CONDITION:
    case SMSym::DECISION:
    case SMSym::CREATE_PRO:
    case SMSym::CALL_PROCEDURE: return true;
    default: return Type == Start || Type == End;
  }
}

bool ClsSDL_PR_WalkRules::needs_Predecessor(SMType Type) const {
  for (SMType Kind : NeedPredecessor)
    if (Kind == Type) return true;
  return false;
}

}  // namespace Vemra
