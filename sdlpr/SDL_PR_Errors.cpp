#include "sdlpr/SDL_PR_Errors.h"

#include "model/SysSpec.h"

namespace Vemra {

ClsSDL_PR_Writer_StateMaSymError::ClsSDL_PR_Writer_StateMaSymError(const SysSpec* Model,
                                                                   const ClsStateMachineSymbol* Sym,
                                                                   e_StateMaErrorType Type)
    : ClsSDL_PR_Writer_ErrorReporter(STATEMA_SYM_ERROR),
      Symbol_ID(Sym->get_Model_ID()),
      PageID(Sym->get_Page_ID()),
      DiagramID(-1),
      StateMaErrorType(Type) {
  ClsMoAccessInfo ignored;
  DiagramID = Model->get_EnclosingDiagramID(Symbol_ID, ignored);
}

std::string ClsSDL_PR_Writer_StateMaSymError::get_StateMaErrorText(e_StateMaErrorType Type) {
  switch (Type) {
    case SMS_ILLEGAL_START_STATE:
      return "sms_illegal_start_state";
    case SMS_TRANSITION_NOT_COMPLETE:
      return "sms_transition_not_complete";
    default:
      return "sms_none";
  }
}

}  // namespace Vemra
