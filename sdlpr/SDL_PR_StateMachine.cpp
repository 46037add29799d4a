// The state-machine body of process and procedure definitions: a depth-first
// walk over the graph of state-machine symbols and flow lines from every
// starting symbol. Every symbol is written once; a later arrival becomes a
// JOIN to the label the symbol got when it was first written.
//
// The walk is naturally recursive (one level per symbol along a path). It is
// run here with an explicit stack of frames, one per symbol whose outgoing
// flow lines are being followed, so that its output and its errors are those
// of the recursive walk while the call stack stays flat.
#include <list>
#include <vector>

#include "sdlpr/SDL_PR_WalkRules.h"
#include "sdlpr/SDL_PR_Writer.h"

namespace Vemra {

namespace {

using SMSym = ClsStateMachineSymbol;
using SMError = ClsSDL_PR_Writer_StateMaSymError;

using WalkKinds = ClsSDL_PR_WalkRules;

[[noreturn]] void throw_Unspecified() { throw ClsSDL_PR_Writer_UnspecifiedError(); }

void require_OK(const ClsMoAccessInfo& Info) {
  if (Info.get_Info() != ClsMoAccessInfo::GET_OK) throw_Unspecified();
}

}  // namespace

class ClsSDL_PR_StateMaWalk {
public:
  ClsSDL_PR_StateMaWalk(ClsSDL_PR_Writer& Writer, const WalkKinds& Kinds) : W(Writer), Kinds(Kinds) {
    if (!W.pSysSpec) throw_Unspecified();
  }

  // Walk from X: JOIN if written, else its statement and then its successors.
  void visit(bool Starting, const SMSym* X) {
    int ID = X->get_Model_ID();
    if (W.StateMaSym_written(ID)) {
      write_Join(ID);
      return;
    }
    std::size_t Incoming = count_Incoming(ID);
    if (!W.set_StateMaSym_written(ID)) throw_Unspecified();
    SMSym::e_StateMachineSymbolType Type = X->get_SymbolType();
    if (Type == SMSym::DECISION) {
      if (Incoming > 1) write_LabelLine(ID);
      W.write_Line(ClsSDL_PR_Writer::KW_STATE_MA_DECISION_SYM, " (", X->content_ref(), ");");
      std::size_t Begin = read_Outgoing(ID);
      if (Lines.size() - Begin < 2) throw SMError(W.pSysSpec, X, SMError::SMS_TRANSITION_NOT_COMPLETE);
      Frames.push_back({ANSWERS, Begin, Begin});
      return;
    }
    const std::string* Keyword = Kinds.handles(Type) ? get_Keyword(Type) : nullptr;
    if (!Keyword) throw_Unspecified();
    if (Incoming > 1) write_LabelLine(ID);
    W.write_Statement(*Keyword, X->content_ref());
    std::size_t Begin = read_Outgoing(ID);
    if (Lines.size() == Begin && !Kinds.may_End(Type, Starting))
      throw SMError(W.pSysSpec, X, SMError::SMS_TRANSITION_NOT_COMPLETE);
    Frames.push_back({Type == Kinds.Start ? START_SUCCESSORS : SUCCESSORS, Begin, Begin});
  }

  // The STATE line of state Y, then a walk from each of its successors.
  void enclose(const SMSym* Y) {
    W.write_Statement(ClsSDL_PR_Writer::KW_STATE_MA_STATE_SYM, Y->content_ref());
    std::size_t Begin = read_Outgoing(Y->get_Model_ID());
    Frames.push_back({ENCLOSED, Begin, Begin});
  }

  // Follows the pending flow lines until every frame is done.
  void run() {
    while (!Frames.empty()) {
      Frame& Top = Frames.back();
      if (Top.Next == Lines.size()) {
        FrameKind Done = Top.Kind;
        Lines.resize(Top.Begin);
        Frames.pop_back();
        if (Done == ANSWERS) W.write_Line(ClsSDL_PR_Writer::KW_STATE_MA_ENDDECISION, ";");
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
          W.write_Line("(", static_cast<const ClsDecisionFlowLine*>(Line)->content_ref(), "):");
          follow(Line, false);
          break;
        case ENCLOSED: visit(false, get_Destination(Line)); break;
      }
    }
  }

private:
  enum FrameKind { SUCCESSORS, START_SUCCESSORS, ANSWERS, ENCLOSED };
  // The outgoing flow lines of a frame's symbol are Lines[Begin, ...); Next is
  // the one to follow next. Frames above it append their lines after them and
  // truncate Lines back when popped, so for the top frame its lines end at
  // the end of Lines.
  struct Frame {
    FrameKind Kind;
    std::size_t Begin;
    std::size_t Next;
  };

  // The successor of a flow line: states get NEXTSTATE (and their transitions
  // the first time), every other symbol is walked.
  void follow(const ClsFlowLine* Line, bool StartRule) {
    const SMSym* Y = get_Destination(Line);
    int ID = Y->get_Model_ID();
    if (Y->get_SymbolType() != SMSym::STATE) {
      visit(false, Y);
      return;
    }
    if (W.StateMaSym_written(ID)) {
      write_Join(ID);
      return;
    }
    if (!W.set_StateMaSym_written(ID)) throw_Unspecified();
    if (count_Incoming(ID) > 1) write_LabelLine(ID);
    W.write_Statement(ClsSDL_PR_Writer::KW_NEXTSTATE, Y->content_ref());
    if (StartRule || has_Outgoing(ID)) enclose(Y);
  }

  const std::string* get_Keyword(SMSym::e_StateMachineSymbolType Type) const {
    if (Type == Kinds.Start)
      return Type == SMSym::START ? &ClsSDL_PR_Writer::KW_STATE_MA_START_SYM
                                  : &ClsSDL_PR_Writer::KW_STATE_MA_PROCEDURE_START_STATE_SYM;
    if (Type == Kinds.End)
      return Type == SMSym::STOP ? &ClsSDL_PR_Writer::KW_STATE_MA_STOP_SYM
                                 : &ClsSDL_PR_Writer::KW_STATE_MA_PROCEDURE_RETURN_SYM;
    switch (Type) {
      case SMSym::STATE: return &ClsSDL_PR_Writer::KW_STATE_MA_STATE_SYM;
      case SMSym::OUTPUT: return &ClsSDL_PR_Writer::KW_STATE_MA_OUTPUT_SYM;
      case SMSym::INPUT: return &ClsSDL_PR_Writer::KW_STATE_MA_INPUT_SYM;
      case SMSym::TASK: return &ClsSDL_PR_Writer::KW_STATE_MA_TASK_SYM;
      case SMSym::CONDITION: return &ClsSDL_PR_Writer::KW_STATE_MA_CONDITION_SYM;
      case SMSym::CREATE_PRO: return &ClsSDL_PR_Writer::KW_STATE_MA_CREATE_PROC_SYM;
      case SMSym::CALL_PROCEDURE: return &ClsSDL_PR_Writer::KW_STATE_MA_CALL_PROCEDURE_SYM;
      default: return nullptr;
    }
  }

  void write_Join(int ID) { W.write_Statement(ClsSDL_PR_Writer::KW_JOIN, W.get_Label(ID)); }
  void write_LabelLine(int ID) { W.write_Line(W.get_Label(ID), " :"); }

  std::size_t count_Incoming(int ID) {
    ClsMoAccessInfo Info;
    W.pSysSpec->get_InComingFlowLinesFromStateMaSym(ID, Scratch, Info);
    require_OK(Info);
    return Scratch.size();
  }

  bool has_Outgoing(int ID) {
    ClsMoAccessInfo Info;
    W.pSysSpec->get_OutgoingFlowLinesFromStateMaSym(ID, Scratch, Info);
    require_OK(Info);
    return !Scratch.empty();
  }

  // Appends the outgoing flow lines of the symbol to Lines; returns where they begin.
  std::size_t read_Outgoing(int ID) {
    has_Outgoing(ID);
    std::size_t Begin = Lines.size();
    Lines.insert(Lines.end(), Scratch.begin(), Scratch.end());
    return Begin;
  }

  const SMSym* get_Destination(const ClsFlowLine* Line) const {
    ClsMoAccessInfo Info;
    const SMSym* Sym = W.pSysSpec->get_StateMachineSymbol(Line->get_DestID_as_Int(), Info);
    if (!Sym) throw_Unspecified();
    require_OK(Info);
    return Sym;
  }

  ClsSDL_PR_Writer& W;
  const WalkKinds& Kinds;
  std::vector<Frame> Frames;
  std::vector<const ClsFlowLine*> Lines;
  std::list<const ClsFlowLine*> Scratch;
};

void ClsSDL_PR_Writer::write_StateMaSymAndSuccessors(bool Starting, const ClsStateMachineSymbol* Sym, int) {
  ClsSDL_PR_StateMaWalk Walk(*this, SDL_PR_PROCESS_WALK);
  Walk.visit(Starting, Sym);
  Walk.run();
}

void ClsSDL_PR_Writer::write_ProcedureStateMaSymAndSuccessors(bool Starting, const ClsStateMachineSymbol* Sym,
                                                              int) {
  ClsSDL_PR_StateMaWalk Walk(*this, SDL_PR_PROCEDURE_WALK);
  Walk.visit(Starting, Sym);
  Walk.run();
}

void ClsSDL_PR_Writer::write_StateMaSymEnclosedState(const ClsStateMachineSymbol* Sym, int) {
  ClsSDL_PR_StateMaWalk Walk(*this, SDL_PR_PROCESS_WALK);
  Walk.enclose(Sym);
  Walk.run();
}

void ClsSDL_PR_Writer::write_ProcedureStateMaSymEnclosedState(const ClsStateMachineSymbol* Sym, int) {
  ClsSDL_PR_StateMaWalk Walk(*this, SDL_PR_PROCEDURE_WALK);
  Walk.enclose(Sym);
  Walk.run();
}

// Walks from every start symbol, then from every state, without incoming flow
// line; then reports the first symbol that needs a predecessor and has none.
void ClsSDL_PR_Writer::write_StateMaBody(const Diagram* Dia) {
  bool Process = Dia->get_DiagramType() == EnumDia::PRO_DIA;
  const WalkKinds& Kinds = WalkKinds::for_Diagram(Dia->get_DiagramType());
  int DiaID = Dia->get_Model_ID();
  std::list<const ClsStateMachineSymbol*> Starting;
  auto query = [&](SMSym::e_StateMachineSymbolType Type) {
    ClsMoAccessInfo Info;
    pSysSpec->get_StartingStateMachineSymsFromDiagram(Type, DiaID, Starting, Info);
    require_OK(Info);
  };
  for (SMSym::e_StateMachineSymbolType Type : {Kinds.Start, SMSym::STATE}) {
    query(Type);
    for (const ClsStateMachineSymbol* Sym : Starting) {
      if (Process) write_StateMaSymAndSuccessors(true, Sym, DiaID);
      else write_ProcedureStateMaSymAndSuccessors(true, Sym, DiaID);
    }
  }
  for (SMSym::e_StateMachineSymbolType Type : Kinds.NeedPredecessor) {
    query(Type);
    if (!Starting.empty()) throw SMError(pSysSpec, Starting.front(), SMError::SMS_ILLEGAL_START_STATE);
  }
}

}  // namespace Vemra
