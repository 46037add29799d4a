#ifndef VEMRA_SDL_PR_WALKRULES_H
#define VEMRA_SDL_PR_WALKRULES_H

#include "model/Diagram.h"
#include "model/StateMachineSymbol.h"

namespace Vemra {

// The rules of the state-machine walk that differ between process and
// procedure diagrams. The SDL/PR generator walks by them, and the model
// checker uses the same rules to find every place where the walk would stop.
struct ClsSDL_PR_WalkRules {
  using SMType = ClsStateMachineSymbol::e_StateMachineSymbolType;

  SMType Start;
  // The kind besides states that may end a transition.
  SMType End;
  // Kinds that need an incoming flow line, checked in this order after the walks.
  SMType NeedPredecessor[7];

  // The rules of a process diagram, or of a procedure diagram for any other kind.
  static const ClsSDL_PR_WalkRules& for_Diagram(EnumDia::Type Type);

  // Whether the walk writes symbols of the kind (the other walk's start and
  // end kinds and unknown kinds stop it).
  bool handles(SMType Type) const;
  // Whether a walked symbol of the kind may have no outgoing flow line; a
  // state may not when it is a starting state (no incoming flow line).
  bool may_End(SMType Type, bool StartingState) const {
    return Type == End || (Type == ClsStateMachineSymbol::STATE && !StartingState);
  }
  bool needs_Predecessor(SMType Type) const;
};

extern const ClsSDL_PR_WalkRules SDL_PR_PROCESS_WALK;
extern const ClsSDL_PR_WalkRules SDL_PR_PROCEDURE_WALK;

}  // namespace Vemra

#endif
