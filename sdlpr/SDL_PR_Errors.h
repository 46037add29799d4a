#ifndef VEMRA_SDL_PR_ERRORS_H
#define VEMRA_SDL_PR_ERRORS_H

#include <string>

namespace Vemra {

class SysSpec;
class ClsStateMachineSymbol;

// Base of the failures of an SDL/PR generation. Thrown by value, caught by
// reference; the kind tells the two derived classes apart.
class ClsSDL_PR_Writer_ErrorReporter {
public:
  enum e_ErrorType { UNSPECIFIED_ERROR = 0, STATEMA_SYM_ERROR = 1 };

  explicit ClsSDL_PR_Writer_ErrorReporter(e_ErrorType Type) : ErrorType(Type) {}
  e_ErrorType get_ErrorType() const { return ErrorType; }

private:
  e_ErrorType ErrorType;
};

// A failure without details: an unreadable model, an unknown kind, a file
// that cannot be opened or closed.
class ClsSDL_PR_Writer_UnspecifiedError : public ClsSDL_PR_Writer_ErrorReporter {
public:
  ClsSDL_PR_Writer_UnspecifiedError() : ClsSDL_PR_Writer_ErrorReporter(UNSPECIFIED_ERROR) {}
};

// A state-machine graph that cannot be written: names the symbol, its page
// and its diagram so that the editor can lead the user there.
class ClsSDL_PR_Writer_StateMaSymError : public ClsSDL_PR_Writer_ErrorReporter {
public:
  enum e_StateMaErrorType { SMS_NONE = 0, SMS_ILLEGAL_START_STATE = 1, SMS_TRANSITION_NOT_COMPLETE = 2 };

  ClsSDL_PR_Writer_StateMaSymError(const SysSpec* Model, const ClsStateMachineSymbol* Sym, e_StateMaErrorType Type);

  e_StateMaErrorType get_StateMaErrorType() const { return StateMaErrorType; }
  int get_Symbol_ID() const { return Symbol_ID; }
  int get_PageID() const { return PageID; }
  int get_DiagramID() const { return DiagramID; }

  // The reported text of an error type: "sms_illegal_start_state",
  // "sms_transition_not_complete", else "sms_none".
  static std::string get_StateMaErrorText(e_StateMaErrorType Type);

private:
  int Symbol_ID;
  int PageID;
  int DiagramID;
  e_StateMaErrorType StateMaErrorType;
};

}  // namespace Vemra

#endif
