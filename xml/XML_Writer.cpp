#include "xml/XML_Writer.h"

#include <charconv>

#include "model/Converter.h"
#include "xml/XML_Basic.h"
#include "xml/XML_Kinds.h"

namespace Vemra {

namespace {
using B = ClsXML_Basic;
const std::size_t FLUSH_SIZE = 1 << 16;

const std::string NONE_VALUE = "none";

const std::string& DirectionValue(ClsChannel::e_DirectionType Type) {
  switch (Type) {
    case ClsChannel::BOTH: return B::AV_DIRECTION_TYPE_BOTH;
    case ClsChannel::FROM_SOURCE: return B::AV_DIRECTION_TYPE_FROM_SOURCE;
    case ClsChannel::FROM_DESTINATION: return B::AV_DIRECTION_TYPE_FROM_DESTINATION;
    default: return NONE_VALUE;
  }
}

const std::string& DelayValue(ClsChannel::e_DelayType Type) {
  switch (Type) {
    case ClsChannel::DELAY: return B::AV_DELAY_TYPE_DELAY;
    case ClsChannel::NO_DELAY: return B::AV_DELAY_TYPE_NO_DELAY;
    default: return NONE_VALUE;
  }
}
}  // namespace

const std::string ClsXML_Writer::TAG_PROLOG = "<?xml version=\"1.0\"?>\n<!DOCTYPE SYSSPEC SYSTEM \"Vemra.dtd\">";

ClsXML_Writer::~ClsXML_Writer() {
  if (pStream && pStream->is_open()) {
    pStream->exceptions(std::ios_base::goodbit);
    pStream->close();
  }
  delete pStream;
}

void ClsXML_Writer::add_AttrToTag(std::string& Tag, const std::string& Name, const std::string& Value) {
  if (Tag.empty()) return;
  Tag.insert(Tag.size() - 1, " " + Name + "=\"" + Value + "\"");
}

void ClsXML_Writer::add_AttrToTag(std::string& Tag, const std::string& Name, const int& Value) {
  add_AttrToTag(Tag, Name, Converter::Int_to_String(Value));
}

bool ClsXML_Writer::write_SysSpec(const ClsSysDia* SysDia, const std::string& Name) {
  if (pStream) {
    if (pStream->is_open()) {
      pStream->exceptions(std::ios_base::goodbit);
      pStream->close();
    }
    delete pStream;
    pStream = nullptr;
    FileName = "";
  }
  Buffer.clear();
  FileName = Name;
  pStream = new std::ofstream(FileName.c_str(), std::ios_base::out | std::ios_base::trunc | std::ios_base::binary);
  if (pStream->fail()) return false;
  pStream->exceptions(std::ios_base::badbit | std::ios_base::eofbit | std::ios_base::failbit);

  put(TAG_PROLOG);
  put('\n');
  put_StartTag(B::TN_SYSSPEC);
  put('\n');
  write_Dia(SysDia);
  put_EndTag(B::TN_SYSSPEC);
  flush_Buffer(true);
  pStream->close();
  return !pStream->fail();
}

// Depth-first over the diagram tree with an explicit stack, so that a long
// chain of nested diagrams cannot exhaust the call stack. Each diagram's
// referenced diagrams follow it in the order of their reference symbols.
void ClsXML_Writer::write_Dia(const Diagram* Dia) const {
  DiagramList Pending{Dia};
  DiagramList Referenced;
  while (!Pending.empty()) {
    const Diagram* Current = Pending.back();
    Pending.pop_back();
    Referenced.clear();
    switch (Current->get_DiagramType()) {
      case EnumDia::SYS_DIA:
      case EnumDia::BLK_DIA: write_HL_InstDia(Current, Referenced); break;
      case EnumDia::PRO_DIA: write_ProDia(static_cast<const ClsProcessDia*>(Current), Referenced); break;
      case EnumDia::PROCEDURE_DIA: write_ProcedureDia(static_cast<const ClsProcedureDia*>(Current)); break;
      default: break;
    }
    Pending.insert(Pending.end(), Referenced.rbegin(), Referenced.rend());
  }
}

void ClsXML_Writer::write_HL_InstDia(const Diagram* Dia, DiagramList& Referenced) const {
  const std::string& Name = Dia->get_DiagramType() == EnumDia::SYS_DIA ? B::TN_SYSDIA : B::TN_BLKDIA;
  std::list<int> Pages;
  write_DiagramHead(Name, Dia, nullptr, Pages);
  write_StructureElements(Dia, Pages, XML_Kinds::HL_SYMBOLS, Referenced);
  put_EndTag(Name);
}

void ClsXML_Writer::write_ProDia(const ClsProcessDia* Dia, DiagramList& Referenced) const {
  std::list<int> Pages;
  write_DiagramHead(B::TN_PRODIA, Dia, nullptr, Pages);
  write_StructureElements(Dia, Pages, XML_Kinds::PRO_SYMBOLS, Referenced);
  write_StateMachineElements(Dia, Pages);
  put_EndTag(B::TN_PRODIA);
}

void ClsXML_Writer::write_ProcedureDia(const ClsProcedureDia* Dia) const {
  std::list<int> Pages;
  std::string Parameters = Dia->get_FormalParameters();
  write_DiagramHead(B::TN_PROCEDUREDIA, Dia, &Parameters, Pages);
  DiagramList None;  // text symbols reference nothing
  write_StructureElements(Dia, Pages, XML_Kinds::PROCEDURE_SYMBOLS, None);
  write_StateMachineElements(Dia, Pages);
  put_EndTag(B::TN_PROCEDUREDIA);
}

// Start tag, name, formal parameters (procedures only) and all pages.
void ClsXML_Writer::write_DiagramHead(const std::string& Name, const Diagram* Dia, const std::string* Parameters,
                                      std::list<int>& Pages) const {
  put_OpenTag(Name);
  put_Attr(B::AN_ID, Dia->get_Model_ID());
  put(">\n");
  write_Element(B::TN_DIANAME, Dia->name_ref(), true);
  if (Parameters) write_Element(B::TN_FORMAL_PARAMETERS, *Parameters, true);
  Dia->get_IDsOfPages(Pages);
  for (int PageID : Pages) write_Page(Dia, PageID);
}

// Structure symbols page by page, grouped by kind in the order given, then the
// channels page by page (a procedure diagram has none).
void ClsXML_Writer::write_StructureElements(const Diagram* Dia, const std::list<int>& Pages,
                                            const ClsXML_KindTable& Kinds, DiagramList& Referenced) const {
  ClsMoAccessInfo Ignored;
  std::list<const Symbol*> Syms;
  for (int PageID : Pages) {
    for (const ClsXML_NamedKind& Kind : Kinds) {
      Syms.clear();
      Dia->get_Syms(static_cast<EnumSym::Type>(Kind.Kind), PageID, Syms, Ignored);
      for (const Symbol* Sym : Syms) {
        write_RecSym(Sym);
        if (Sym->is_referencing_Symbol()) Referenced.push_back(Sym->get_referenced_Diagram());
      }
    }
  }
  if (Dia->get_DiagramType() == EnumDia::PROCEDURE_DIA) return;
  std::list<const ClsChannel*> Channels;
  for (int PageID : Pages) {
    Channels.clear();
    Dia->get_Channels(PageID, Channels, Ignored);
    for (const ClsChannel* Chan : Channels) write_Channel(Chan);
  }
}

void ClsXML_Writer::write_StateMachineElements(const Diagram* Dia, const std::list<int>& Pages) const {
  ClsMoAccessInfo Ignored;
  std::list<const ClsStateMachineSymbol*> Syms;
  for (int PageID : Pages) {
    Syms.clear();
    Dia->get_StateMachineSyms(PageID, Syms, Ignored);
    for (const ClsStateMachineSymbol* Sym : Syms) write_StateMaSym(Sym);
  }
  std::list<const ClsFlowLine*> Lines;
  for (int PageID : Pages) {
    Lines.clear();
    Dia->get_FlowLines(PageID, Lines, Ignored);
    for (const ClsFlowLine* Line : Lines) write_FlowLine(Line);
  }
}

void ClsXML_Writer::write_Page(const Diagram* Dia, int PageID) const {
  put_OpenTag(B::TN_PAGE);
  put_Attr(B::AN_ID, PageID);
  put(">\n");
  int Width = 0, Height = 0;
  ClsMoAccessInfo Ignored;
  Dia->get_PageSize(PageID, Width, Height, Ignored);
  write_Element(B::TN_WIDTH, Width, false);
  write_Element(B::TN_HEIGHT, Height, false);
  write_PageFrame(Dia, PageID);
  put_EndTag(B::TN_PAGE);
}

void ClsXML_Writer::write_PageFrame(const Diagram* Dia, int PageID) const {
  put_StartTag(B::TN_PAGEFRAME);
  put('\n');
  ClsRecPaS Frame(0, 0, 0, 0);
  ClsMoAccessInfo Ignored;
  Dia->get_PageFramePaS(PageID, Frame, Ignored);
  write_PaS(Frame);
  put_EndTag(B::TN_PAGEFRAME);
}

void ClsXML_Writer::write_PaS(int x, int y, int Width, int Height) const {
  put_OpenTag(B::TN_PAS);
  put_Attr(B::AN_X_LEFT_UP, x);
  put_Attr(B::AN_Y_LEFT_UP, y);
  put_Attr(B::AN_WIDTH, Width);
  put_Attr(B::AN_HEIGHT, Height);
  put('>');
  put_EndTag(B::TN_PAS);
}

void ClsXML_Writer::write_PaS(const ClsRecPaS& PaS) const {
  write_PaS(PaS.get_x_left_up(), PaS.get_y_left_up(), PaS.get_width(), PaS.get_height());
}

void ClsXML_Writer::write_RecSym(const Symbol* Sym) const {
  const std::string* Name = XML_Kinds::name_of_Kind(XML_Kinds::ALL_SYMBOLS, Sym->get_SymbolType());
  if (!Name) return;
  int RefID = Sym->is_referencing_Symbol() ? Sym->get_referenced_Diagram_Model_ID() : 0;
  put_ElementStart(*Name, Sym->get_Model_ID(), Sym->is_referencing_Symbol() ? &RefID : nullptr, Sym->get_Page_ID());
  put_BoxedBody(*Name, Sym->content_ref(), *Sym);
}

void ClsXML_Writer::write_StateMaSym(const ClsStateMachineSymbol* Sym) const {
  const std::string* Name = XML_Kinds::name_of_Kind(XML_Kinds::STATE_MA_SYMBOLS, Sym->get_SymbolType());
  if (!Name) return;
  put_ElementStart(*Name, Sym->get_Model_ID(), nullptr, Sym->get_Page_ID());
  put_BoxedBody(*Name, Sym->content_ref(), *Sym);
}

void ClsXML_Writer::write_Channel(const ClsChannel* Chan) const {
  put_OpenTag(B::TN_CHANNEL);
  put_Attr(B::AN_ID, Chan->get_Model_ID());
  put_Attr(B::AN_PARENT_PAGE_ID, Chan->get_Page_ID());
  put_Attr(B::AN_DIRECTION_TYPE, DirectionValue(Chan->get_DirectionType()));
  put_Attr(B::AN_DELAY_TYPE, DelayValue(Chan->get_DelayType()));
  put(">\n");
  write_ChanEnd(B::TN_CHANNEL_SOURCE_ID, Chan->Source_is_Env(), Chan->get_SourceID_as_Int());
  write_ChanEnd(B::TN_CHANNEL_DESTINATION_ID, Chan->Destination_is_Env(), Chan->get_DestID_as_Int());
  write_Coords(Chan->coords_ref());
  write_ChanComp(Chan->get_ChanName());
  write_ChanComp(Chan->get_ChanSourceSigList());
  write_ChanComp(Chan->get_ChanSourceCon());
  write_ChanComp(Chan->get_ChanDestSigList());
  write_ChanComp(Chan->get_ChanDestCon());
  put_EndTag(B::TN_CHANNEL);
}

// The end's text is written as it is: "ENV" or a decimal ID. Both ends share
// the attribute name and values.
void ClsXML_Writer::write_ChanEnd(const std::string& Name, bool IsEnv, int ID) const {
  put_OpenTag(Name);
  put_Attr(B::AN_CHANNEL_SOURCE_IS_ENV, IsEnv ? B::AV_CHANNEL_SOURCE_IS_ENV_TRUE : B::AV_CHANNEL_SOURCE_IS_ENV_FALSE);
  put(">\n");
  if (IsEnv) put("ENV");
  else put_Int(ID);
  put('\n');
  put_EndTag(Name);
}

void ClsXML_Writer::write_ChanComp(const ClsChanComp* Comp) const {
  const std::string* Name = XML_Kinds::name_of_Kind(XML_Kinds::CHANNEL_COMPONENTS, Comp->get_CompType());
  if (Name) put_StartTag(*Name);
  else put("STARTNONE");
  put('\n');
  write_Element(B::TN_CONTENT, Comp->content_ref(), true);
  write_PaS(Comp->get_RecPaS());
  if (Name) put_EndTag(*Name);
  else put("ENDNONE\n");
}

void ClsXML_Writer::write_FlowLine(const ClsFlowLine* Line) const {
  bool Decision = Line->get_FlowLineType() == ClsFlowLine::DECISION_ANSWER;
  if (!Decision && Line->get_FlowLineType() != ClsFlowLine::NORMAL) return;
  const std::string& Name = Decision ? B::TN_DECISION_FLOWLINE : B::TN_NORMAL_FLOWLINE;
  put_ElementStart(Name, Line->get_Model_ID(), nullptr, Line->get_Page_ID());
  write_Element(B::TN_FLOWLINE_SOURCE_ID, Line->get_SourceID_as_Int(), false);
  write_Element(B::TN_FLOWLINE_DESTINATION_ID, Line->get_DestID_as_Int(), false);
  write_Coords(Line->coords_ref());
  if (Decision) {
    const ClsDecisionFlowLine* Answer = static_cast<const ClsDecisionFlowLine*>(Line);
    write_PaS(Answer->get_PaS());
    write_Element(B::TN_CONTENT, Answer->content_ref(), true);
  }
  put_EndTag(Name);
}

void ClsXML_Writer::write_Element(const std::string& Name, const std::string& Text, bool LineBreaks) const {
  put_StartTag(Name);
  if (LineBreaks) put('\n');
  put_Escaped(Text);
  if (LineBreaks) put('\n');
  put_EndTag(Name);
}

void ClsXML_Writer::write_Element(const std::string& Name, int Value, bool LineBreaks) const {
  put_StartTag(Name);
  if (LineBreaks) put('\n');
  put_Int(Value);
  if (LineBreaks) put('\n');
  put_EndTag(Name);
}

// COORDS with line breaks: the list as decimal numbers separated by blanks.
void ClsXML_Writer::write_Coords(const CoordList& Coords) const {
  put_StartTag(B::TN_COORDS);
  put('\n');
  for (std::size_t i = 0; i < Coords.size(); ++i) {
    if (i) put(' ');
    put_Int(Coords[i]);
  }
  put('\n');
  put_EndTag(B::TN_COORDS);
}

void ClsXML_Writer::put_ElementStart(const std::string& Name, int ID, const int* RefID, int PageID) const {
  put_OpenTag(Name);
  put_Attr(B::AN_ID, ID);
  if (RefID) put_Attr(B::AN_ID_REF, *RefID);
  put_Attr(B::AN_PARENT_PAGE_ID, PageID);
  put(">\n");
}

void ClsXML_Writer::put_BoxedBody(const std::string& Name, const std::string& Content, const ClsRecPaS& PaS) const {
  write_Element(B::TN_CONTENT, Content, true);
  write_PaS(PaS);
  put_EndTag(Name);
}

// ---- output buffer ---------------------------------------------------------

void ClsXML_Writer::put(const std::string& Text) const {
  Buffer += Text;
  flush_Buffer(false);
}

void ClsXML_Writer::put(const char* Text) const {
  Buffer += Text;
  flush_Buffer(false);
}

void ClsXML_Writer::put(char c) const { Buffer += c; }

void ClsXML_Writer::put_Int(int Value) const {
  char Digits[16];
  auto Result = std::to_chars(Digits, Digits + sizeof Digits, Value);
  Buffer.append(Digits, Result.ptr);
}

// "&" becomes "&amp;" and "<" becomes "&lt;"; nothing else is replaced.
void ClsXML_Writer::put_Escaped(const std::string& Text) const {
  std::size_t Start = 0;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    char c = Text[i];
    if (c != '&' && c != '<') continue;
    Buffer.append(Text, Start, i - Start);
    Buffer += c == '&' ? "&amp;" : "&lt;";
    Start = i + 1;
  }
  Buffer.append(Text, Start, std::string::npos);
  flush_Buffer(false);
}

void ClsXML_Writer::put_OpenTag(const std::string& Name) const {
  Buffer += '<';
  Buffer += Name;
}

void ClsXML_Writer::put_StartTag(const std::string& Name) const {
  put_OpenTag(Name);
  Buffer += '>';
}

void ClsXML_Writer::put_EndTag(const std::string& Name) const {
  Buffer += "</";
  Buffer += Name;
  Buffer += ">\n";
  flush_Buffer(false);
}

void ClsXML_Writer::put_Attr(const std::string& Name, int Value) const {
  Buffer += ' ';
  Buffer += Name;
  Buffer += "=\"";
  put_Int(Value);
  Buffer += '"';
}

void ClsXML_Writer::put_Attr(const std::string& Name, const std::string& Value) const {
  Buffer += ' ';
  Buffer += Name;
  Buffer += "=\"";
  Buffer += Value;
  Buffer += '"';
}

void ClsXML_Writer::flush_Buffer(bool Always) const {
  if (Buffer.empty() || (!Always && Buffer.size() < FLUSH_SIZE)) return;
  pStream->write(Buffer.data(), static_cast<std::streamsize>(Buffer.size()));
  Buffer.clear();
}

}  // namespace Vemra
