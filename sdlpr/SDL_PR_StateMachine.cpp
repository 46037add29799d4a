// The state-machine walk (see SDL_PR_StateMaWalk.h) and the SDL/PR writer's
// text for the pieces it reports.
#include <list>
#include <vector>

#include "sdlpr/SDL_PR_StateMaWalk.h"
#include "sdlpr/SDL_PR_WalkRules.h"
#include "sdlpr/SDL_PR_Writer.h"

namespace Vemra {

using SMSym = ClsStateMachineSymbol;
using SMError = ClsSDL_PR_Writer_StateMaSymError;

namespace {

[[noreturn]] void throw_Unspecified() { throw ClsSDL_PR_Writer_UnspecifiedError(); }

void require_OK(const ClsMoAccessInfo& Info) {
  if (Info.get_Info() != ClsMoAccessInfo::GET_OK) throw_Unspecified();
}

}  // namespace

// ---- the walk ----------------------------------------------------------------

ClsSDL_PR_StateMaWalk::ClsSDL_PR_StateMaWalk(const SysSpec* Model, ClsSDL_PR_WriterHelper& Helper,
                                             ClsSDL_PR_StateMaSink& Sink, bool Procedure)
    : pSysSpec(Model), Helper(Helper), Sink(Sink), Kinds(Procedure ? SDL_PR_PROCEDURE_WALK : SDL_PR_PROCESS_WALK) {
  if (!pSysSpec) throw_Unspecified();
}

void ClsSDL_PR_StateMaWalk::visit(bool Starting, const SMSym* X) {
  int ID = X->get_Model_ID();
  if (Helper.StateMaSym_written(ID)) {
    Sink.put_Join(X, Helper.get_Label(ID));
    return;
  }
  std::size_t Incoming = count_Incoming(ID);
  if (!Helper.set_StateMaSym_written(ID)) throw_Unspecified();
  SMSym::e_StateMachineSymbolType Type = X->get_SymbolType();
  if (Type == SMSym::DECISION) {
    if (Incoming > 1) Sink.put_Label(X, Helper.get_Label(ID));
    Sink.put_Decision(X);
    std::size_t Begin = read_Outgoing(ID);
    if (Lines.size() - Begin < 2) throw SMError(pSysSpec, X, SMError::SMS_TRANSITION_NOT_COMPLETE);
    Frames.push_back({ANSWERS, X, Begin, Begin});
    return;
  }
  const std::string* Keyword = get_Keyword(Type);
  if (!Keyword) throw_Unspecified();
  if (Incoming > 1) Sink.put_Label(X, Helper.get_Label(ID));
  Sink.put_Statement(X, *Keyword);
  std::size_t Begin = read_Outgoing(ID);
  if (Lines.size() == Begin && !Kinds.may_End(Type, Starting))
    throw SMError(pSysSpec, X, SMError::SMS_TRANSITION_NOT_COMPLETE);
  Frames.push_back({Type == Kinds.Start ? START_SUCCESSORS : SUCCESSORS, X, Begin, Begin});
}

void ClsSDL_PR_StateMaWalk::enclose(const SMSym* Y) {
  Sink.put_EnclosedState(Y);
  std::size_t Begin = read_Outgoing(Y->get_Model_ID());
  Frames.push_back({ENCLOSED, Y, Begin, Begin});
}

void ClsSDL_PR_StateMaWalk::run() {
  while (!Frames.empty()) {
    Frame& Top = Frames.back();
    if (Top.Next == Lines.size()) {
      Frame Done = Top;
      Lines.resize(Top.Begin);
      Frames.pop_back();
      SMSym::e_StateMachineSymbolType Type = Done.Sym->get_SymbolType();
      if (Done.Kind == ANSWERS) Sink.put_EndDecision();
      else if (Done.Kind == ENCLOSED || Type == SMSym::STATE || Type == Kinds.Start) Sink.put_SectionEnd(Done.Sym);
      continue;
    }
    FrameKind Kind = Top.Kind;
    const ClsFlowLine* Line = Lines[Top.Next++];
    // Top may dangle from here on: the calls below push frames.
    switch (Kind) {
      case SUCCESSORS: follow(Line, false); break;
      case START_SUCCESSORS: follow(Line, true); break;
      case ANSWERS:
        if (Line->get_FlowLineType() != ClsFlowLine::DECISION_ANSWER) throw_Unspecified();
        Sink.put_Answer(static_cast<const ClsDecisionFlowLine*>(Line));
        follow(Line, false);
        break;
      case ENCLOSED: visit(false, get_Destination(Line)); break;
    }
  }
}

// The successor of a flow line: states get NEXTSTATE (and their transitions
// the first time), every other symbol is walked.
void ClsSDL_PR_StateMaWalk::follow(const ClsFlowLine* Line, bool StartRule) {
  const SMSym* Y = get_Destination(Line);
  int ID = Y->get_Model_ID();
  if (Y->get_SymbolType() != SMSym::STATE) {
    visit(false, Y);
    return;
  }
  if (Helper.StateMaSym_written(ID)) {
    Sink.put_Join(Y, Helper.get_Label(ID));
    return;
  }
  if (!Helper.set_StateMaSym_written(ID)) throw_Unspecified();
  if (count_Incoming(ID) > 1) Sink.put_Label(Y, Helper.get_Label(ID));
  Sink.put_NextState(Y);
  if (StartRule || has_Outgoing(ID)) enclose(Y);
}

const std::string* ClsSDL_PR_StateMaWalk::get_Keyword(SMSym::e_StateMachineSymbolType Type) const {
  using W = ClsSDL_PR_Writer;
  if (Type == Kinds.Start)
    return Type == SMSym::START ? &W::KW_STATE_MA_START_SYM : &W::KW_STATE_MA_PROCEDURE_START_STATE_SYM;
  if (Type == Kinds.End) return Type == SMSym::STOP ? &W::KW_STATE_MA_STOP_SYM : &W::KW_STATE_MA_PROCEDURE_RETURN_SYM;
  switch (Type) {
    case SMSym::STATE: return &W::KW_STATE_MA_STATE_SYM;
    case SMSym::OUTPUT: return &W::KW_STATE_MA_OUTPUT_SYM;
    case SMSym::INPUT: return &W::KW_STATE_MA_INPUT_SYM;
    case SMSym::TASK: return &W::KW_STATE_MA_TASK_SYM;
    case SMSym::CONDITION: return &W::KW_STATE_MA_CONDITION_SYM;
    case SMSym::CREATE_PRO: return &W::KW_STATE_MA_CREATE_PROC_SYM;
    case SMSym::CALL_PROCEDURE: return &W::KW_STATE_MA_CALL_PROCEDURE_SYM;
    default: return nullptr;
  }
}

std::size_t ClsSDL_PR_StateMaWalk::count_Incoming(int ID) {
  ClsMoAccessInfo Info;
  pSysSpec->get_InComingFlowLinesFromStateMaSym(ID, Scratch, Info);
  require_OK(Info);
  return Scratch.size();
}

bool ClsSDL_PR_StateMaWalk::has_Outgoing(int ID) {
  ClsMoAccessInfo Info;
  pSysSpec->get_OutgoingFlowLinesFromStateMaSym(ID, Scratch, Info);
  require_OK(Info);
  return !Scratch.empty();
}

// Appends the outgoing flow lines of the symbol to Lines; returns where they begin.
std::size_t ClsSDL_PR_StateMaWalk::read_Outgoing(int ID) {
  has_Outgoing(ID);
  std::size_t Begin = Lines.size();
  Lines.insert(Lines.end(), Scratch.begin(), Scratch.end());
  return Begin;
}

const SMSym* ClsSDL_PR_StateMaWalk::get_Destination(const ClsFlowLine* Line) const {
  ClsMoAccessInfo Info;
  const SMSym* Sym = pSysSpec->get_StateMachineSymbol(Line->get_DestID_as_Int(), Info);
  if (!Sym) throw_Unspecified();
  require_OK(Info);
  return Sym;
}

void ClsSDL_PR_StateMaWalk::walk_Body(const SysSpec* Model, ClsSDL_PR_WriterHelper& Helper,
                                      ClsSDL_PR_StateMaSink& Sink, const Diagram* Dia) {
  bool Procedure = Dia->get_DiagramType() == EnumDia::PROCEDURE_DIA;
  ClsSDL_PR_StateMaWalk Walk(Model, Helper, Sink, Procedure);
  const ClsSDL_PR_WalkRules& Kinds = Walk.Kinds;
  int DiaID = Dia->get_Model_ID();
  std::list<const SMSym*> Starting;
  auto query = [&](SMSym::e_StateMachineSymbolType Type) {
    ClsMoAccessInfo Info;
    Model->get_StartingStateMachineSymsFromDiagram(Type, DiaID, Starting, Info);
    require_OK(Info);
  };
  for (SMSym::e_StateMachineSymbolType Type : {Kinds.Start, SMSym::STATE}) {
    query(Type);
    for (const SMSym* Sym : Starting) {
      Walk.visit(true, Sym);
      Walk.run();
    }
  }
  for (SMSym::e_StateMachineSymbolType Type : Kinds.NeedPredecessor) {
    query(Type);
    if (!Starting.empty()) throw SMError(Model, Starting.front(), SMError::SMS_ILLEGAL_START_STATE);
  }
}

// ---- the SDL/PR writer's lines -----------------------------------------------

class ClsSDL_PR_TextSink : public ClsSDL_PR_StateMaSink {
public:
  explicit ClsSDL_PR_TextSink(const ClsSDL_PR_Writer& Writer) : W(Writer) {}
  using WR = ClsSDL_PR_Writer;
  void put_Join(const SMSym*, const std::string& Label) override { W.write_Statement(WR::KW_JOIN, Label); }
  void put_Label(const SMSym*, const std::string& Label) override { W.write_Line(Label, " :"); }
  void put_Statement(const SMSym* Sym, const std::string& Keyword) override {
    W.write_Statement(Keyword, Sym->content_ref());
  }
  void put_Decision(const SMSym* Sym) override {
    W.write_Line(WR::KW_STATE_MA_DECISION_SYM, " (", Sym->content_ref(), ");");
  }
  void put_Answer(const ClsDecisionFlowLine* Line) override { W.write_Line("(", Line->content_ref(), "):"); }
  void put_EndDecision() override { W.write_Line(WR::KW_STATE_MA_ENDDECISION, ";"); }
  void put_NextState(const SMSym* Sym) override { W.write_Statement(WR::KW_NEXTSTATE, Sym->content_ref()); }
  void put_EnclosedState(const SMSym* Sym) override {
    W.write_Statement(WR::KW_STATE_MA_STATE_SYM, Sym->content_ref());
  }

private:
  const ClsSDL_PR_Writer& W;
};

namespace {

void walk_From(ClsSDL_PR_Writer& Writer, const SysSpec* Model, bool Procedure, bool Starting, const SMSym* Sym,
               bool Enclosed) {
  ClsSDL_PR_TextSink Sink(Writer);
  ClsSDL_PR_StateMaWalk Walk(Model, Writer, Sink, Procedure);
  if (Enclosed) Walk.enclose(Sym);
  else Walk.visit(Starting, Sym);
  Walk.run();
}

}  // namespace

void ClsSDL_PR_Writer::write_StateMaSymAndSuccessors(bool Starting, const ClsStateMachineSymbol* Sym, int) {
  walk_From(*this, pSysSpec, false, Starting, Sym, false);
}

void ClsSDL_PR_Writer::write_ProcedureStateMaSymAndSuccessors(bool Starting, const ClsStateMachineSymbol* Sym,
                                                              int) {
  walk_From(*this, pSysSpec, true, Starting, Sym, false);
}

void ClsSDL_PR_Writer::write_StateMaSymEnclosedState(const ClsStateMachineSymbol* Sym, int) {
  walk_From(*this, pSysSpec, false, false, Sym, true);
}

void ClsSDL_PR_Writer::write_ProcedureStateMaSymEnclosedState(const ClsStateMachineSymbol* Sym, int) {
  walk_From(*this, pSysSpec, true, false, Sym, true);
}

void ClsSDL_PR_Writer::write_StateMaBody(const Diagram* Dia) {
  ClsSDL_PR_TextSink Sink(*this);
  ClsSDL_PR_StateMaWalk::walk_Body(pSysSpec, *this, Sink, Dia);
}

}  // namespace Vemra
