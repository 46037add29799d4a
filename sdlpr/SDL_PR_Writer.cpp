#include "sdlpr/SDL_PR_Writer.h"

#include <list>

#include "sdlpr/SDL_PR_Elements.h"

namespace Vemra {

const std::string ClsSDL_PR_Writer::KW_SYSDIA = "SYSTEM";
const std::string ClsSDL_PR_Writer::KW_END_SYSDIA = "ENDSYSTEM";
const std::string ClsSDL_PR_Writer::KW_BLKDIA = "BLOCK";
const std::string ClsSDL_PR_Writer::KW_END_BLKDIA = "ENDBLOCK";
const std::string ClsSDL_PR_Writer::KW_PRODIA = "PROCESS";
const std::string ClsSDL_PR_Writer::KW_END_PRODIA = "ENDPROCESS";
const std::string ClsSDL_PR_Writer::KW_PROCEDUREDIA = "PROCEDURE";
const std::string ClsSDL_PR_Writer::KW_END_PROCEDUREDIA = "ENDPROCEDURE";
const std::string ClsSDL_PR_Writer::KW_CHANNEL = "CHANNEL";
const std::string ClsSDL_PR_Writer::KW_END_CHANNEL = "ENDCHANNEL";
const std::string ClsSDL_PR_Writer::KW_CHANNEL_DELAY = "DELAY";
const std::string ClsSDL_PR_Writer::KW_CHANNEL_NODELAY = "NODELAY";
const std::string ClsSDL_PR_Writer::KW_CHANNEL_FROM = "FROM";
const std::string ClsSDL_PR_Writer::KW_CHANNEL_TO = "TO";
const std::string ClsSDL_PR_Writer::KW_CHANNEL_WITH = "WITH";
const std::string ClsSDL_PR_Writer::KW_CHANNEL_ENVIROMENT = "ENV";
const std::string ClsSDL_PR_Writer::KW_CHANNEL_CONNECT = "CONNECT";
const std::string ClsSDL_PR_Writer::KW_CHANNEL_AND = "AND";
const std::string ClsSDL_PR_Writer::KW_BLOCK_REFERENCED = "BLOCK";
const std::string ClsSDL_PR_Writer::KW_BLOCK_TYPE_REFERENCED = "BLOCK TYPE";
const std::string ClsSDL_PR_Writer::KW_PROCESS_REFERENCED = "PROCESS";
const std::string ClsSDL_PR_Writer::KW_PROCESS_TYPE_REFERENCED = "PROCESS TYPE";
const std::string ClsSDL_PR_Writer::KW_PROCEDURE_REFERENCED = "PROCEDURE";
const std::string ClsSDL_PR_Writer::KW_REFERENCED = "REFERENCED";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_START_SYM = "START";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_STATE_SYM = "STATE";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_INPUT_SYM = "INPUT";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_CONDITION_SYM = "PROVIDED";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_OUTPUT_SYM = "OUTPUT";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_TASK_SYM = "TASK";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_STOP_SYM = "STOP";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_DECISION_SYM = "DECISION";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_CREATE_PROC_SYM = "CREATE";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_CALL_PROCEDURE_SYM = "CALL";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_PROCEDURE_START_STATE_SYM = "START";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_PROCEDURE_RETURN_SYM = "RETURN";
const std::string ClsSDL_PR_Writer::KW_STATE_MA_ENDDECISION = "ENDDECISION";
const std::string ClsSDL_PR_Writer::KW_NEXTSTATE = "NEXTSTATE";
const std::string ClsSDL_PR_Writer::KW_JOIN = "JOIN";

using namespace SDL_PR_Elements;

ClsSDL_PR_Writer::ClsSDL_PR_Writer() : pStream(nullptr), pSysSpec(nullptr) {}

ClsSDL_PR_Writer::~ClsSDL_PR_Writer() { close_Stream(); }

// Closes and frees the stream of an earlier generation without throwing: a
// failed close only sets the stream's fail state.
void ClsSDL_PR_Writer::close_Stream() {
  if (!pStream) return;
  pStream->exceptions(std::ios::goodbit);
  if (pStream->is_open()) pStream->close();
  delete pStream;
  pStream = nullptr;
  FileName.clear();
}

void ClsSDL_PR_Writer::write_SysSpec(const SysSpec* Model, const std::string& Name, bool Nested) {
  close_Stream();
  if (!Model) throw ClsSDL_PR_Writer_UnspecifiedError();
  FileName = Name;
  pStream = new std::ofstream(FileName, std::ios::out);
  if (pStream->fail()) throw ClsSDL_PR_Writer_UnspecifiedError();
  pStream->exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
  reset_Helper();
  pSysSpec = Model;
  write_Dia(Model->get_SysDia(), Nested);
  pStream->close();
  if (pStream->fail()) throw ClsSDL_PR_Writer_UnspecifiedError();
}

void ClsSDL_PR_Writer::write_StringBlockToFile(std::string_view Text, bool NewLine) const {
  if (!pStream) throw ClsSDL_PR_Writer_UnspecifiedError();
  pStream->write(Text.data(), static_cast<std::streamsize>(Text.size()));
  if (NewLine) pStream->put('\n');
}

void ClsSDL_PR_Writer::write_Statement(const std::string& Keyword, const std::string& Text) const {
  write_Line(Keyword, " ", Text, ";");
}

// ---- diagrams --------------------------------------------------------------

void ClsSDL_PR_Writer::write_Dia(const Diagram* Dia, bool Nested) { write_DiaTree(Dia, Nested); }

void ClsSDL_PR_Writer::write_HL_InstDia(const Diagram* Dia, bool Nested) {
  EnumDia::Type Type = Dia->get_DiagramType();
  if (Type != EnumDia::SYS_DIA && Type != EnumDia::BLK_DIA) throw ClsSDL_PR_Writer_UnspecifiedError();
  write_DiaTree(Dia, Nested);
}

void ClsSDL_PR_Writer::write_ProDia(const ClsProcessDia* Dia, bool Nested) { write_DiaTree(Dia, Nested); }

void ClsSDL_PR_Writer::write_ProcedureDia(const ClsProcedureDia* Dia, bool Nested) { write_DiaTree(Dia, Nested); }

// Depth-first over the diagram tree. A diagram's definition is its opening
// part, then (nested layout) the definitions it references, then its closing
// part; in the referenced layout the opening writes the reference lines and
// the closing part at once, and the referenced definitions follow.
void ClsSDL_PR_Writer::write_DiaTree(const Diagram* Root, bool Nested) {
  std::vector<DiaStep> Steps{{Root, false}};
  while (!Steps.empty()) {
    DiaStep Step = Steps.back();
    Steps.pop_back();
    if (Step.Closing) write_DiaClosing(Step.Dia);
    else write_DiaOpening(Step.Dia, Nested, Steps);
  }
}

void ClsSDL_PR_Writer::write_DiaOpening(const Diagram* Dia, bool Nested, std::vector<DiaStep>& Steps) {
  EnumDia::Type Type = Dia->get_DiagramType();
  const std::string* Header = nullptr;
  switch (Type) {
    case EnumDia::SYS_DIA: Header = &KW_SYSDIA; break;
    case EnumDia::BLK_DIA: Header = &KW_BLKDIA; break;
    case EnumDia::PRO_DIA: Header = &KW_PRODIA; break;
    case EnumDia::PROCEDURE_DIA: Header = &KW_PROCEDUREDIA; break;
    default: throw ClsSDL_PR_Writer_UnspecifiedError();
  }
  int DiaID = Dia->get_Model_ID();
  write_Statement(*Header, Dia->name_ref());
  if (Type == EnumDia::PROCEDURE_DIA)
    write_Line(static_cast<const ClsProcedureDia*>(Dia)->get_FormalParameters(), ";");
  for_each_Sym(Dia, EnumSym::TEXT_SYM, [&](const Symbol* Sym) { write_RecSym(Sym, DiaID); });

  std::vector<const Diagram*> Referenced;
  if (Type != EnumDia::PROCEDURE_DIA) {
    for_each_Channel(Dia, [&](const ClsChannel* Chan) { write_Channel(Chan, DiaID); });
    if (Type == EnumDia::BLK_DIA)
      for_each_Channel(Dia, [&](const ClsChannel* Chan) { write_ChannelConnection(Chan, DiaID); });
    bool Structure = !is_StateMaDiagram(Type);
    write_References(Dia, Structure ? EnumSym::BLK_INST_REF_SYM : EnumSym::PRO_INST_REF_SYM, Nested, Referenced);
    write_References(Dia, Structure ? EnumSym::PRO_INST_REF_SYM : EnumSym::PROCEDURE_INST_REF_SYM, Nested,
                     Referenced);
  }

  if (Nested) Steps.push_back({Dia, true});
  else write_DiaClosing(Dia);
  for (auto it = Referenced.rbegin(); it != Referenced.rend(); ++it) Steps.push_back({*it, false});
}

void ClsSDL_PR_Writer::write_DiaClosing(const Diagram* Dia) {
  const std::string* End = nullptr;
  switch (Dia->get_DiagramType()) {
    case EnumDia::SYS_DIA: End = &KW_END_SYSDIA; break;
    case EnumDia::BLK_DIA: End = &KW_END_BLKDIA; break;
    case EnumDia::PRO_DIA: End = &KW_END_PRODIA; break;
    case EnumDia::PROCEDURE_DIA: End = &KW_END_PROCEDUREDIA; break;
    default: throw ClsSDL_PR_Writer_UnspecifiedError();
  }
  if (is_StateMaDiagram(Dia->get_DiagramType())) write_StateMaBody(Dia);
  write_Statement(*End, Dia->name_ref());
}

// The reference symbols of one kind: reference lines (referenced layout) and
// the diagrams they stand for, collected for later.
void ClsSDL_PR_Writer::write_References(const Diagram* Dia, EnumSym::Type Kind, bool Nested,
                                        std::vector<const Diagram*>& Referenced) const {
  int DiaID = Dia->get_Model_ID();
  for_each_Sym(Dia, Kind, [&](const Symbol* Sym) {
    if (!Nested) write_RecSym(Sym, DiaID);
    if (Sym->is_referencing_Symbol() && Sym->get_referenced_Diagram())
      Referenced.push_back(Sym->get_referenced_Diagram());
  });
}

// ---- structure symbols and channels ------------------------------------------------

void ClsSDL_PR_Writer::write_RecSym(const Symbol* Sym, int) const {
  const std::string* Keyword = nullptr;
  switch (Sym->get_SymbolType()) {
    case EnumSym::TEXT_SYM: write_Line(Sym->content_ref()); return;
    case EnumSym::BLK_INST_REF_SYM: Keyword = &KW_BLOCK_REFERENCED; break;
    case EnumSym::BLK_TYPE_REF_SYM: Keyword = &KW_BLOCK_TYPE_REFERENCED; break;
    case EnumSym::PRO_INST_REF_SYM: Keyword = &KW_PROCESS_REFERENCED; break;
    case EnumSym::PRO_TYPE_REF_SYM: Keyword = &KW_PROCESS_TYPE_REFERENCED; break;
    case EnumSym::PROCEDURE_INST_REF_SYM: Keyword = &KW_PROCEDURE_REFERENCED; break;
    default: throw ClsSDL_PR_Writer_UnspecifiedError();
  }
  write_Line(*Keyword, " ", Sym->content_ref(), " ", KW_REFERENCED, ";");
}

void ClsSDL_PR_Writer::write_Channel(const ClsChannel* Chan, int) const {
  const std::string* Delay = nullptr;
  switch (Chan->get_DelayType()) {
    case ClsChannel::DELAY: Delay = &KW_CHANNEL_DELAY; break;
    case ClsChannel::NO_DELAY: Delay = &KW_CHANNEL_NODELAY; break;
    default: throw ClsSDL_PR_Writer_UnspecifiedError();
  }
  const std::string& Name = Chan->get_ChanName()->content_ref();
  write_Line(KW_CHANNEL, " ", Name, " ", *Delay);
  switch (Chan->get_DirectionType()) {
    case ClsChannel::BOTH:
      write_ChannelPath(Chan, true);
      write_ChannelPath(Chan, false);
      break;
    case ClsChannel::FROM_SOURCE: write_ChannelPath(Chan, true); break;
    case ClsChannel::FROM_DESTINATION: write_ChannelPath(Chan, false); break;
    default: throw ClsSDL_PR_Writer_UnspecifiedError();
  }
  write_Statement(KW_END_CHANNEL, Name);
}

// FROM a TO b WITH list; from the source to the destination or back.
void ClsSDL_PR_Writer::write_ChannelPath(const ClsChannel* Chan, bool FromSource) const {
  const std::string& Source = get_ChannelEndText(Chan->Source_is_Env(), Chan->get_SourceID_as_Int());
  const std::string& Dest = get_ChannelEndText(Chan->Destination_is_Env(), Chan->get_DestID_as_Int());
  const std::string& From = FromSource ? Source : Dest;
  const std::string& To = FromSource ? Dest : Source;
  const std::string& Signals =
      FromSource ? Chan->get_ChanSourceSigList()->content_ref() : Chan->get_ChanDestSigList()->content_ref();
  write_Line(KW_CHANNEL_FROM, " ", From, " ", KW_CHANNEL_TO, " ", To, " ", KW_CHANNEL_WITH, " ", Signals, ";");
}

// ENV, or the text of the structure symbol at the channel end; an end that
// names no symbol cannot be written.
const std::string& ClsSDL_PR_Writer::get_ChannelEndText(bool IsEnv, int SymbolID) const {
  if (IsEnv) return KW_CHANNEL_ENVIROMENT;
  if (!pSysSpec) throw ClsSDL_PR_Writer_UnspecifiedError();
  ClsMoAccessInfo Info;
  const Symbol* Sym = pSysSpec->get_RecSymbol(SymbolID, Info);
  if (!Sym || Info.get_Info() != ClsMoAccessInfo::GET_OK) throw ClsSDL_PR_Writer_UnspecifiedError();
  return Sym->content_ref();
}

void ClsSDL_PR_Writer::write_ChannelConnection(const ClsChannel* Chan, int) const {
  const std::string* Connection = nullptr;
  if (Chan->Source_is_Env()) Connection = &Chan->get_ChanDestCon()->content_ref();
  else if (Chan->Destination_is_Env()) Connection = &Chan->get_ChanSourceCon()->content_ref();
  else return;
  write_Line(KW_CHANNEL_CONNECT, " ", *Connection, " ", KW_CHANNEL_AND, " ", Chan->get_ChanName()->content_ref(),
             ";");
}

}  // namespace Vemra
