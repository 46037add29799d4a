#include "sdlpr/SDL92_Body.h"

#include <algorithm>

#include "sdlpr/SDL92_Exporter.h"
#include "sdlpr/SDL92_Text.h"

namespace Vemra {

namespace {

using SMSym = ClsStateMachineSymbol;

// The CIF kind of a symbol written as its own statement.
const char* get_CifKind(SMSym::e_StateMachineSymbolType Type) {
  switch (Type) {
    case SMSym::START:
    case SMSym::PROCEDURE_START_STATE: return "START";
    case SMSym::STATE: return "STATE";
    case SMSym::INPUT: return "INPUT";
    case SMSym::OUTPUT: return "OUTPUT";
    case SMSym::TASK: return "TASK";
    case SMSym::DECISION: return "DECISION";
    case SMSym::CREATE_PRO: return "CREATE";
    case SMSym::CALL_PROCEDURE: return "PROCEDURECALL";
    case SMSym::STOP: return "STOP";
    case SMSym::PROCEDURE_RETURN: return "RETURN";
    case SMSym::CONDITION: return "PROVIDED";
    default: return "TASK";
  }
}

bool is_InputLike(const SMSym* Sym) {
  return Sym->get_SymbolType() == SMSym::INPUT || Sym->get_SymbolType() == SMSym::CONDITION;
}

std::string get_Text(const SMSym* Sym) { return std::string(SDL92_Text::trim(Sym->content_ref())); }

}  // namespace

std::size_t ClsSDL92_BodyWriter::new_Chunk() {
  Chunks.emplace_back();
  return Chunks.size() - 1;
}

std::string& ClsSDL92_BodyWriter::text_of(std::size_t Index) {
  std::vector<Piece>& Pieces = Chunks[Index].Pieces;
  if (Pieces.empty() || Pieces.back().Child != NO_CHUNK) Pieces.emplace_back();
  return Pieces.back().Text;
}

// Depth-first over the chunks with an explicit stack: a chain of nested
// decisions may be long.
void ClsSDL92_BodyWriter::append_Text(std::string& Out, std::size_t Index) const {
  std::vector<std::pair<std::size_t, std::size_t>> Stack{{Index, 0}};
  while (!Stack.empty()) {
    auto& [ChunkIndex, Next] = Stack.back();
    const std::vector<Piece>& Pieces = Chunks[ChunkIndex].Pieces;
    if (Next == Pieces.size()) {
      Stack.pop_back();
      continue;
    }
    const Piece& P = Pieces[Next++];
    Out += P.Text;
    if (P.Child != NO_CHUNK) Stack.push_back({P.Child, 0});
  }
}

// Outside every part (a state found again when the walk starts from it, as a
// flow line drawn on another page does not count as its predecessor), the
// walk's JOIN belongs nowhere in the body: it goes to a chunk never written.
ClsSDL92_BodyWriter::Target& ClsSDL92_BodyWriter::top() {
  if (Targets.empty()) Targets.push_back({new_Chunk(), Level + 1, false, false});
  return Targets.back();
}

ClsSDL92_BodyWriter::Section& ClsSDL92_BodyWriter::get_StateSection(const SMSym* Sym) {
  std::string Name = get_Text(Sym);
  if (Name != "*" && Name != "-") Name = Exporter.make_Name(Name, "symbol", Sym->get_Model_ID());
  auto Found = StateIndex.emplace(Name, States.size());
  if (Found.second) States.push_back({Name, Sym, new_Chunk()});
  return States[Found.first->second];
}

void ClsSDL92_BodyWriter::push_State(const SMSym* Sym) {
  Targets.push_back({get_StateSection(Sym).Chunk, Level + 2, true, false});
}

// INPUT and PROVIDED open a transition of a state: one level less than the
// transition's statements. A label of the symbol goes after it.
void ClsSDL92_BodyWriter::write_Input(const SMSym* Sym, const char* Keyword) {
  const Target& T = top();
  std::string& Out = text_of(T.Chunk);
  int At = T.StateRoot ? T.Level - 1 : T.Level;
  ClsSDL92_Exporter::write_Cif(Out, At, get_CifKind(Sym->get_SymbolType()), *Sym);
  std::string Text = Sym->get_SymbolType() == SMSym::INPUT
                         ? Exporter.make_Names(Sym->content_ref(), Sym->get_Model_ID())
                         : get_Text(Sym);
  ClsSDL92_Exporter::write_Line(Out, At, std::string(Keyword) + " " + Text + ";");
  if (PendingLabelSym != Sym) return;
  ClsSDL92_Exporter::write_Cif(Out, T.Level, "LABEL", *Sym);
  ClsSDL92_Exporter::write_Line(Out, T.Level, PendingLabel + ":");
  PendingLabelSym = nullptr;
}

void ClsSDL92_BodyWriter::put_Statement(const SMSym* Sym, const std::string& Keyword) {
  SMSym::e_StateMachineSymbolType Type = Sym->get_SymbolType();
  std::string Line;
  switch (Type) {
    case SMSym::START:
    case SMSym::PROCEDURE_START_STATE:
      ClsSDL92_Exporter::write_Cif(text_of(Start), Level, "START", *Sym);
      ClsSDL92_Exporter::write_Line(text_of(Start), Level, "START;");
      Targets.push_back({Start, Level + 1, false, false});
      return;
    case SMSym::STATE: push_State(Sym); return;
    case SMSym::INPUT:
    case SMSym::CONDITION: write_Input(Sym, Keyword.c_str()); return;
    case SMSym::STOP:
    case SMSym::PROCEDURE_RETURN: Line = Keyword + ";"; break;
    case SMSym::OUTPUT:
    case SMSym::CALL_PROCEDURE:
    case SMSym::CREATE_PRO:
      Line = Keyword + " " + Exporter.make_Names(Sym->content_ref(), Sym->get_Model_ID()) + ";";
      break;
    default: Line = Keyword + " " + get_Text(Sym) + ";"; break;
  }
  const Target& T = top();
  std::string& Out = text_of(T.Chunk);
  ClsSDL92_Exporter::write_Cif(Out, T.Level, get_CifKind(Type), *Sym);
  ClsSDL92_Exporter::write_Line(Out, T.Level, Line);
}

void ClsSDL92_BodyWriter::put_Label(const SMSym* Sym, const std::string& Label) {
  if (is_InputLike(Sym)) {
    PendingLabel = Label;
    PendingLabelSym = Sym;
    return;
  }
  const Target& T = top();
  std::string& Out = text_of(T.Chunk);
  ClsSDL92_Exporter::write_Cif(Out, T.Level, "LABEL", *Sym);
  ClsSDL92_Exporter::write_Line(Out, T.Level, Label + ":");
}

// A second way into an input of a state: the INPUT again, then the jump to
// the label written after its first occurrence.
void ClsSDL92_BodyWriter::put_Join(const SMSym* Sym, const std::string& Label) {
  if (is_InputLike(Sym) && top().StateRoot)
    write_Input(Sym, Sym->get_SymbolType() == SMSym::INPUT ? "INPUT" : "PROVIDED");
  const Target& T = top();
  std::string& Out = text_of(T.Chunk);
  ClsSDL92_Exporter::write_Cif(Out, T.Level, "JOIN", *Sym);
  ClsSDL92_Exporter::write_Line(Out, T.Level, "JOIN " + Label + ";");
}

void ClsSDL92_BodyWriter::put_Decision(const SMSym* Sym) {
  const Target& T = top();
  std::string& Out = text_of(T.Chunk);
  ClsSDL92_Exporter::write_Cif(Out, T.Level, "DECISION", *Sym);
  ClsSDL92_Exporter::write_Line(Out, T.Level, "DECISION " + get_Text(Sym) + ";");
  Decisions.push_back({T.Level, -1, {}});
}

// The answer target of the innermost decision, if it is on top.
void ClsSDL92_BodyWriter::pop_Answer() {
  if (top().Answer && top().Decision == Decisions.size()) Targets.pop_back();
}

void ClsSDL92_BodyWriter::put_Answer(const ClsDecisionFlowLine* Line) {
  pop_Answer();
  Decision& D = Decisions.back();
  std::string Answer(SDL92_Text::trim(Line->content_ref()));
  bool Else = SDL92_Text::upper(Answer) == "ELSE";
  if (Else && D.Else < 0) D.Else = static_cast<int>(D.Answers.size());
  std::size_t Chunk = new_Chunk();
  D.Answers.push_back(Chunk);
  std::string& Out = text_of(Chunk);
  ClsSDL92_Exporter::write_Cif(Out, D.Level + 1, "ANSWER", Line->get_PaS());
  ClsSDL92_Exporter::write_Line(Out, D.Level + 1, Else ? "ELSE:" : "(" + Answer + "):");
  Targets.push_back({Chunk, D.Level + 2, false, true, Decisions.size()});
}

void ClsSDL92_BodyWriter::put_EndDecision() {
  pop_Answer();
  Decision D = std::move(Decisions.back());
  Decisions.pop_back();
  std::size_t Host = top().Chunk;
  if (D.Else >= 0) std::rotate(D.Answers.begin() + D.Else, D.Answers.begin() + D.Else + 1, D.Answers.end());
  for (std::size_t Answer : D.Answers) Chunks[Host].Pieces.push_back({{}, Answer});
  ClsSDL92_Exporter::write_Line(text_of(Host), D.Level, "ENDDECISION;");
}

void ClsSDL92_BodyWriter::put_NextState(const SMSym* Sym) {
  const std::string& Name = get_StateSection(Sym).Name;
  const Target& T = top();
  std::string& Out = text_of(T.Chunk);
  ClsSDL92_Exporter::write_Cif(Out, T.Level, "NEXTSTATE", *Sym);
  ClsSDL92_Exporter::write_Line(Out, T.Level, "NEXTSTATE " + Name + ";");
}

void ClsSDL92_BodyWriter::put_EnclosedState(const SMSym* Sym) { push_State(Sym); }

void ClsSDL92_BodyWriter::put_SectionEnd(const SMSym*) {
  if (!Targets.empty()) Targets.pop_back();
}

void ClsSDL92_BodyWriter::finish(std::string& Out) const {
  append_Text(Out, Start);
  for (const Section& State : States) {
    if (State.Name == "-") continue;
    ClsSDL92_Exporter::write_Cif(Out, Level, "STATE", *State.Sym);
    ClsSDL92_Exporter::write_Line(Out, Level, "STATE " + State.Name + ";");
    append_Text(Out, State.Chunk);
    ClsSDL92_Exporter::write_Line(Out, Level, "ENDSTATE;");
  }
}

}  // namespace Vemra
