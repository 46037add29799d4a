#ifndef VEMRA_SDL_PR_STATEMAWALK_H
#define VEMRA_SDL_PR_STATEMAWALK_H

#include <list>
#include <string>
#include <vector>

#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Errors.h"
#include "sdlpr/SDL_PR_WriterHelper.h"

namespace Vemra {

// Receives the pieces of a state-machine body in the order of the walk. The
// SDL/PR writer turns each into its line at once; the SDL-92 exporter sorts
// them into the start transition and one part per state.
class ClsSDL_PR_StateMaSink {
public:
  virtual ~ClsSDL_PR_StateMaSink() = default;
  // A symbol reached again: a jump to the label it got when first written.
  virtual void put_Join(const ClsStateMachineSymbol* Sym, const std::string& Label) = 0;
  // The label of a symbol with more than one incoming flow line, before it.
  virtual void put_Label(const ClsStateMachineSymbol* Sym, const std::string& Label) = 0;
  // Any symbol but a decision; Keyword is the statement word of its kind.
  virtual void put_Statement(const ClsStateMachineSymbol* Sym, const std::string& Keyword) = 0;
  virtual void put_Decision(const ClsStateMachineSymbol* Sym) = 0;
  virtual void put_Answer(const ClsDecisionFlowLine* Line) = 0;
  virtual void put_EndDecision() = 0;
  // A state reached by a flow line, and (when its transitions follow here)
  // the state opened for them.
  virtual void put_NextState(const ClsStateMachineSymbol* Sym) = 0;
  virtual void put_EnclosedState(const ClsStateMachineSymbol* Sym) = 0;
  // The walk has followed every flow line of a start symbol or of a state
  // (written as a statement or opened after its NEXTSTATE).
  virtual void put_SectionEnd(const ClsStateMachineSymbol*) {}
};

struct ClsSDL_PR_WalkRules;

// Depth-first walk over the graph of state-machine symbols and flow lines.
// Every symbol is written once; a later arrival becomes a JOIN to the label
// the symbol got when it was first written (labels and the set of written
// symbols live in the helper, shared by all walks of one generation).
//
// The walk is naturally recursive (one level per symbol along a path). It is
// run with an explicit stack of frames, one per symbol whose outgoing flow
// lines are being followed, so that its output and its errors are those of
// the recursive walk while the call stack stays flat.
class ClsSDL_PR_StateMaWalk {
public:
  ClsSDL_PR_StateMaWalk(const SysSpec* Model, ClsSDL_PR_WriterHelper& Helper, ClsSDL_PR_StateMaSink& Sink,
                        bool Procedure);

  // Walks from every start symbol, then from every state, without incoming
  // flow line; then reports the first symbol that needs a predecessor and
  // has none.
  static void walk_Body(const SysSpec* Model, ClsSDL_PR_WriterHelper& Helper, ClsSDL_PR_StateMaSink& Sink,
                        const Diagram* Dia);

  // Walk from X: JOIN if written, else its statement and then its successors.
  void visit(bool Starting, const ClsStateMachineSymbol* X);
  // The STATE line of state Y, then a walk from each of its successors.
  void enclose(const ClsStateMachineSymbol* Y);
  // Follows the pending flow lines until every frame is done.
  void run();

private:
  enum FrameKind { SUCCESSORS, START_SUCCESSORS, ANSWERS, ENCLOSED };
  // The outgoing flow lines of a frame's symbol are Lines[Begin, ...); Next is
  // the one to follow next. Frames above it append their lines after them and
  // truncate Lines back when popped, so for the top frame its lines end at
  // the end of Lines.
  struct Frame {
    FrameKind Kind;
    const ClsStateMachineSymbol* Sym;
    std::size_t Begin;
    std::size_t Next;
  };

  void follow(const ClsFlowLine* Line, bool StartRule);
  const std::string* get_Keyword(ClsStateMachineSymbol::e_StateMachineSymbolType Type) const;
  std::size_t count_Incoming(int ID);
  bool has_Outgoing(int ID);
  std::size_t read_Outgoing(int ID);
  const ClsStateMachineSymbol* get_Destination(const ClsFlowLine* Line) const;

  const SysSpec* pSysSpec;
  ClsSDL_PR_WriterHelper& Helper;
  ClsSDL_PR_StateMaSink& Sink;
  const ClsSDL_PR_WalkRules& Kinds;
  std::vector<Frame> Frames;
  std::vector<const ClsFlowLine*> Lines;
  std::list<const ClsFlowLine*> Scratch;
};

}  // namespace Vemra

#endif
