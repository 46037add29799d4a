#ifndef VEMRA_SDL92_BODY_H
#define VEMRA_SDL92_BODY_H

#include <deque>
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
// keep their order, except that the ELSE part goes last. Labels and JOINs
// are those of the walk; as no label may stand before an INPUT, an input's
// label goes right after it, and a second way into that input (from another
// state) is written as the INPUT again followed by a JOIN to that label.
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
  // The text is kept as chunks: a chunk is a sequence of pieces, each some
  // text and then, optionally, another chunk. Parts are filled in the order
  // of the walk and put in their order by linking chunks, never by copying
  // text, so that deep nesting costs no more than its length.
  static constexpr std::size_t NO_CHUNK = static_cast<std::size_t>(-1);
  struct Piece {
    std::string Text;
    std::size_t Child = NO_CHUNK;
  };
  struct Chunk {
    std::vector<Piece> Pieces;
  };
  struct Section {
    std::string Name;
    const ClsStateMachineSymbol* Sym;
    std::size_t Chunk;
  };
  // Where statements go now: a start or state part, or one answer of a
  // decision; Level is that of the statements of a transition there.
  struct Target {
    std::size_t Chunk;
    int Level;
    bool StateRoot;
    bool Answer;
    std::size_t Decision = 0;  // of an answer: the number of open decisions
  };
  struct Decision {
    int Level;
    int Else = -1;
    std::vector<std::size_t> Answers;
  };

  std::size_t new_Chunk();
  // The text at the end of a chunk, to append to.
  std::string& text_of(std::size_t Chunk);
  void append_Text(std::string& Out, std::size_t Chunk) const;
  Target& top();
  void pop_Answer();
  Section& get_StateSection(const ClsStateMachineSymbol* Sym);
  void push_State(const ClsStateMachineSymbol* Sym);
  void write_Input(const ClsStateMachineSymbol* Sym, const char* Keyword);

  ClsSDL92_Exporter& Exporter;
  int Level;
  std::deque<Chunk> Chunks;
  std::size_t Start = new_Chunk();
  std::deque<Section> States;
  std::unordered_map<std::string, std::size_t> StateIndex;
  std::vector<Target> Targets;
  std::vector<Decision> Decisions;
  // A label of an input symbol: written after the INPUT, before its transition.
  std::string PendingLabel;
  const ClsStateMachineSymbol* PendingLabelSym = nullptr;
};

}  // namespace Vemra

#endif
