#ifndef VEMRA_SDL92_BODY_H
#define VEMRA_SDL92_BODY_H

#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "sdlpr/SDL_PR_StateMaWalk.h"

namespace Vemra {

class ClsSDL92_Exporter;

// Sorts the pieces of a state-machine walk into the SDL-92 body of a process
// or procedure: the start transition first, then one STATE ... ENDSTATE per
// state name (state symbols with the same name are one state), each with the
// transitions found at any of its symbols. A state that is only a NEXTSTATE
// gets an empty part, so every state named is defined. Answers of a decision
// keep their order, except that the ELSE part goes last.
class ClsSDL92_BodyWriter : public ClsSDL_PR_StateMaSink {
public:
  ClsSDL92_BodyWriter(ClsSDL92_Exporter& Exporter, int Level) : Exporter(Exporter), Level(Level) {}

  void put_Join(const ClsStateMachineSymbol* Sym, const std::string& Label) override;
  void put_Label(const ClsStateMachineSymbol* Sym, const std::string& Label) override;
  void put_Statement(const ClsStateMachineSymbol* Sym, const std::string& Keyword) override;
  void put_Decision(const ClsStateMachineSymbol* Sym) override;
  void put_Answer(const ClsDecisionFlowLine* Line) override;
  void put_EndDecision() override;
  void put_NextState(const ClsStateMachineSymbol* Sym) override;
  void put_EnclosedState(const ClsStateMachineSymbol* Sym) override;
  void put_SectionEnd(const ClsStateMachineSymbol* Sym) override;

  // Appends the body.
  void finish(std::string& Out) const;

private:
  struct Section {
    std::string Name;
    const ClsStateMachineSymbol* Sym;
    std::string Text;
  };
  // Where statements go now: a start or state part, or one answer of a
  // decision; Level is that of the statements of a transition there.
  struct Target {
    std::string* Text;
    int Level;
    bool StateRoot;
    bool Answer;
  };
  struct Decision {
    int Level;
    int Else = -1;
    std::deque<std::string> Answers;
  };

  Target& top();
  Section& get_StateSection(const ClsStateMachineSymbol* Sym);
  void push_State(const ClsStateMachineSymbol* Sym);
  void write_Input(const ClsStateMachineSymbol* Sym, const char* Keyword);
  void write_PendingLabel();

  ClsSDL92_Exporter& Exporter;
  int Level;
  std::string Start;
  std::deque<Section> States;
  std::unordered_map<std::string, std::size_t> StateIndex;
  std::vector<Target> Targets;
  std::vector<std::unique_ptr<Decision>> Decisions;
  // A label of an input symbol: written after the INPUT, before its transition.
  std::string PendingLabel;
  const ClsStateMachineSymbol* PendingLabelSym = nullptr;
};

}  // namespace Vemra

#endif
