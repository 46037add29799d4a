#include "sdlpr/SDL92_Body.h"

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

ClsSDL92_BodyWriter::Target& ClsSDL92_BodyWriter::top() {
  if (Targets.empty()) throw ClsSDL_PR_Writer_UnspecifiedError();
  return Targets.back();
}

ClsSDL92_BodyWriter::Section& ClsSDL92_BodyWriter::get_StateSection(const SMSym* Sym) {
  std::string Name = get_Text(Sym);
  if (Name != "*" && Name != "-") Name = Exporter.make_Name(Name, "symbol", Sym->get_Model_ID());
  auto Found = StateIndex.emplace(Name, States.size());
  if (Found.second) States.push_back({Name, Sym, {}});
  return States[Found.first->second];
}

void ClsSDL92_BodyWriter::push_State(const SMSym* Sym) {
  Targets.push_back({&get_StateSection(Sym).Text, Level + 2, true, false});
}

// INPUT and PROVIDED open a transition of a state: one level less than the
// transition's statements. A label of the symbol goes after it.
void ClsSDL92_BodyWriter::write_Input(const SMSym* Sym, const char* Keyword) {
  Target& T = top();
  int At = T.StateRoot ? T.Level - 1 : T.Level;
  ClsSDL92_Exporter::write_Cif(*T.Text, At, get_CifKind(Sym->get_SymbolType()), *Sym);
  ClsSDL92_Exporter::write_Line(*T.Text, At, std::string(Keyword) + " " + get_Text(Sym) + ";");
  if (PendingLabelSym != Sym) return;
  ClsSDL92_Exporter::write_Cif(*T.Text, T.Level, "LABEL", *Sym);
  ClsSDL92_Exporter::write_Line(*T.Text, T.Level, PendingLabel + ":");
  PendingLabelSym = nullptr;
}

void ClsSDL92_BodyWriter::put_Statement(const SMSym* Sym, const std::string& Keyword) {
  SMSym::e_StateMachineSymbolType Type = Sym->get_SymbolType();
  std::string Line;
  switch (Type) {
    case SMSym::START:
    case SMSym::PROCEDURE_START_STATE:
      ClsSDL92_Exporter::write_Cif(Start, Level, "START", *Sym);
      ClsSDL92_Exporter::write_Line(Start, Level, "START;");
      Targets.push_back({&Start, Level + 1, false, false});
      return;
    case SMSym::STATE: push_State(Sym); return;
    case SMSym::INPUT:
    case SMSym::CONDITION: write_Input(Sym, Keyword.c_str()); return;
    case SMSym::STOP:
    case SMSym::PROCEDURE_RETURN: Line = Keyword + ";"; break;
    default: Line = Keyword + " " + get_Text(Sym) + ";"; break;
  }
  Target& T = top();
  ClsSDL92_Exporter::write_Cif(*T.Text, T.Level, get_CifKind(Type), *Sym);
  ClsSDL92_Exporter::write_Line(*T.Text, T.Level, Line);
}

void ClsSDL92_BodyWriter::put_Label(const SMSym* Sym, const std::string& Label) {
  if (is_InputLike(Sym)) {
    PendingLabel = Label;
    PendingLabelSym = Sym;
    return;
  }
  Target& T = top();
  ClsSDL92_Exporter::write_Cif(*T.Text, T.Level, "LABEL", *Sym);
  ClsSDL92_Exporter::write_Line(*T.Text, T.Level, Label + ":");
}

// A second way into an input of a state: the INPUT again, then the jump to
// the label written after its first occurrence.
void ClsSDL92_BodyWriter::put_Join(const SMSym* Sym, const std::string& Label) {
  if (is_InputLike(Sym) && top().StateRoot)
    write_Input(Sym, Sym->get_SymbolType() == SMSym::INPUT ? "INPUT" : "PROVIDED");
  Target& T = top();
  ClsSDL92_Exporter::write_Cif(*T.Text, T.Level, "JOIN", *Sym);
  ClsSDL92_Exporter::write_Line(*T.Text, T.Level, "JOIN " + Label + ";");
}

void ClsSDL92_BodyWriter::put_Decision(const SMSym* Sym) {
  Target& T = top();
  ClsSDL92_Exporter::write_Cif(*T.Text, T.Level, "DECISION", *Sym);
  ClsSDL92_Exporter::write_Line(*T.Text, T.Level, "DECISION " + get_Text(Sym) + ";");
  Decisions.push_back(std::make_unique<Decision>());
  Decisions.back()->Level = T.Level;
}

void ClsSDL92_BodyWriter::put_Answer(const ClsDecisionFlowLine* Line) {
  if (top().Answer) Targets.pop_back();
  Decision& D = *Decisions.back();
  std::string Answer(SDL92_Text::trim(Line->content_ref()));
  bool Else = SDL92_Text::first_Word(Answer) == "ELSE" && Answer.size() == 4;
  if (Else && D.Else < 0) D.Else = static_cast<int>(D.Answers.size());
  std::string& Text = D.Answers.emplace_back();
  ClsSDL92_Exporter::write_Cif(Text, D.Level + 1, "ANSWER", Line->get_PaS());
  ClsSDL92_Exporter::write_Line(Text, D.Level + 1, Else ? "ELSE:" : "(" + Answer + "):");
  Targets.push_back({&Text, D.Level + 2, false, true});
}

void ClsSDL92_BodyWriter::put_EndDecision() {
  if (top().Answer) Targets.pop_back();
  Decision& D = *Decisions.back();
  std::string& Host = *top().Text;
  for (std::size_t i = 0; i < D.Answers.size(); ++i)
    if (static_cast<int>(i) != D.Else) Host += D.Answers[i];
  if (D.Else >= 0) Host += D.Answers[static_cast<std::size_t>(D.Else)];
  ClsSDL92_Exporter::write_Line(Host, D.Level, "ENDDECISION;");
  Decisions.pop_back();
}

void ClsSDL92_BodyWriter::put_NextState(const SMSym* Sym) {
  const std::string& Name = get_StateSection(Sym).Name;
  Target& T = top();
  ClsSDL92_Exporter::write_Cif(*T.Text, T.Level, "NEXTSTATE", *Sym);
  ClsSDL92_Exporter::write_Line(*T.Text, T.Level, "NEXTSTATE " + Name + ";");
}

void ClsSDL92_BodyWriter::put_EnclosedState(const SMSym* Sym) { push_State(Sym); }

void ClsSDL92_BodyWriter::put_SectionEnd(const SMSym*) {
  if (!Targets.empty()) Targets.pop_back();
}

void ClsSDL92_BodyWriter::finish(std::string& Out) const {
  Out += Start;
  for (const Section& State : States) {
    if (State.Name == "-") continue;
    ClsSDL92_Exporter::write_Cif(Out, Level, "STATE", *State.Sym);
    ClsSDL92_Exporter::write_Line(Out, Level, "STATE " + State.Name + ";");
    Out += State.Text;
    ClsSDL92_Exporter::write_Line(Out, Level, "ENDSTATE;");
  }
}

}  // namespace Vemra
