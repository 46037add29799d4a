#include "xml/XML_Reader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <libxml/parser.h>

#include <climits>
#include <fstream>
#include <iterator>

#include "model/Converter.h"
#include "model/DebugPrinter.h"
#include "xml/XML_Basic.h"
#include "xml/XML_Kinds.h"

namespace Vemra {

namespace {
using B = ClsXML_Basic;
using E = ClsXML_Reader_ErrorReporter;
using R = ClsMoAccessInfo;
using SM = ClsStateMachineSymbol;

// No network, no DTD loading or validation, no entity substitution into the
// tree, no size limits lifted; blank text between elements is dropped so that
// children can be counted by position.
// Small texts are kept inside their nodes (the tree is never changed).
const int PARSE_OPTIONS =
    XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;

const char* const MSG_PARSING = "An error occured during parsing\n ";
const char* const MSG_EMPTY = "Empty document\n ";
const char* const MSG_INTERNAL = "Error in internal data structure";

using NamedKind = ClsXML_NamedKind;
using namespace XML_Kinds;

bool is_OneOf(const xmlNode* Node, const ClsXML_KindTable& Kinds, std::size_t Count, int& Kind) {
  for (std::size_t i = 0; i < Count && i < Kinds.size(); ++i) {
    if (ClsXML_NodeAccess::is_Named(Node, *Kinds[i].Name)) {
      Kind = Kinds[i].Kind;
      return true;
    }
  }
  return false;
}

bool is_DiagramNode(const xmlNode* Node) {
  return ClsXML_NodeAccess::is_Named(Node, B::TN_SYSDIA) || ClsXML_NodeAccess::is_Named(Node, B::TN_BLKDIA) ||
         ClsXML_NodeAccess::is_Named(Node, B::TN_PRODIA) || ClsXML_NodeAccess::is_Named(Node, B::TN_PROCEDUREDIA);
}

// The non-blank children of Node with the first Count names of Kinds, one
// list per name, each in document order: one pass over the children.
std::vector<std::vector<xmlNode*>> children_ByName(xmlNode* Node, const ClsXML_KindTable& Kinds,
                                                  std::size_t Count) {
  std::vector<std::vector<xmlNode*>> Lists(Count);
  for (xmlNode* Child = Node->children; Child; Child = Child->next) {
    if (xmlIsBlankNode(Child)) continue;
    for (std::size_t i = 0; i < Count; ++i) {
      if (ClsXML_NodeAccess::is_Named(Child, *Kinds[i].Name)) {
        Lists[i].push_back(Child);
        break;
      }
    }
  }
  return Lists;
}

void strip_LineBreaks(std::string& Text) {
  if (!Text.empty() && Text.front() == '\n') Text.erase(0, 1);
  if (!Text.empty() && Text.back() == '\n') Text.pop_back();
}

void expect(const R& Info, R::e_ResultType Expected, const std::string& Message) {
  if (Info.get_Info() != Expected) throw E(Message);
}

void expect(const R& Info, R::e_ResultType Expected) {
  if (Info.get_Info() != Expected) throw E();
}
}  // namespace

const std::string ClsXML_Reader::NOT_SPECIFIED = "not specified";
const std::string ClsXML_Reader_ErrorReporter::NOT_SPECIFIED = "not specified";

ClsXML_Reader::ClsXML_Reader() : pSpec(nullptr), pDocument(nullptr) {}

ClsXML_Reader::~ClsXML_Reader() { free_Document(); }

void ClsXML_Reader::free_Document() {
  pIndex.reset();
  pAccess.reset();
  if (pDocument) xmlFreeDoc(pDocument);
  pDocument = nullptr;
}

namespace {

// A regular file mapped read-only into memory; anything else (a missing or
// unreadable file, a directory, a device, a pipe) leaves it empty.
class MappedFile {
public:
  explicit MappedFile(const std::string& FileName) {
    int fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size <= INT_MAX) {
      void* p = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
      if (p != MAP_FAILED) {
        Data = static_cast<const char*>(p);
        Size = static_cast<std::size_t>(st.st_size);
      }
    }
    ::close(fd);
  }
  ~MappedFile() {
    if (Data) ::munmap(const_cast<char*>(Data), Size);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  const char* Data = nullptr;
  std::size_t Size = 0;
};

}  // namespace

// The file is mapped into memory and parsed from there, so that the name is
// only ever a local file name (never standard input, a URL or a compressed
// stream).
void ClsXML_Reader::read_SysSpec(const std::string& FileName, SysSpec* Target) {
  pSpec = Target;
  xmlDocPtr Document = nullptr;
  {
    MappedFile File(FileName);
    if (!File.Data) throw E(MSG_PARSING);
    Document = xmlReadMemory(File.Data, static_cast<int>(File.Size), FileName.c_str(), nullptr, PARSE_OPTIONS);
  }
  read_Document(Document);
}

void ClsXML_Reader::read_SysSpecFromMemory(const std::string& Content, SysSpec* Target) {
  pSpec = Target;
  if (Content.empty() || Content.size() > static_cast<std::size_t>(INT_MAX)) throw E(MSG_PARSING);
  read_Document(xmlReadMemory(Content.data(), static_cast<int>(Content.size()), nullptr, nullptr, PARSE_OPTIONS));
}

// Reads the system diagram and, depth first, every diagram that a reference
// symbol leads to: a referenced diagram is read completely before the next
// symbol of the referencing one. The pending diagrams are kept on an explicit
// stack, so that a long chain of nested diagrams needs no deep recursion.
void ClsXML_Reader::read_Document(xmlDocPtr Document) {
  free_Document();
  if (!Document) throw E(MSG_PARSING);
  pDocument = Document;
  pAccess.reset(new ClsXML_NodeAccess(pDocument));
  xmlNode* Root = xmlDocGetRootElement(pDocument);
  if (!Root) throw E(MSG_EMPTY);
  if (!ClsXML_NodeAccess::is_Named(Root, B::TN_SYSSPEC)) {
    DebugPrinter::print("document of the wrong type, root node (" + ClsXML_NodeAccess::name_of(Root) + ") != " +
                            B::TN_SYSSPEC + "\n",
                        false);
    free_Document();
    return;
  }
  xmlNode* First = Root->children;
  while (First && xmlIsBlankNode(First)) First = First->next;
  if (!First) return;
  if (!ClsXML_NodeAccess::is_Named(First, B::TN_SYSDIA)) {
    DebugPrinter::print("document of the wrong type, was '" + ClsXML_NodeAccess::name_of(First) + "', " +
                            B::TN_SYSDIA + " expected",
                        false);
    free_Document();
    return;
  }
  std::vector<DiagramFrame> Stack;
  Stack.push_back(read_SysDia(First));
  while (!Stack.empty()) {
    DiagramFrame& Top = Stack.back();
    if (Top.Next < Top.Symbols.size()) {
      xmlNode* RefNode = nullptr;
      const Symbol* RefSym = read_NextRecSymbol(Top, RefNode);
      if (RefNode) Stack.push_back(start_ReferencedDiagram(RefNode, RefSym));
      continue;
    }
    finish_Diagram(Top);
    Stack.pop_back();
  }
  free_Document();
}

ClsXML_Reader::DiagramFrame ClsXML_Reader::read_SysDia(xmlNode* Node) {
  if (!ClsXML_NodeAccess::is_Named(Node, B::TN_SYSDIA)) throw E("Not a system diagram");
  IDs.add_ID_Pair(get_IntAttribute(Node, B::AN_ID), pSpec->get_System_Model_ID());
  std::string Name = get_WholeText(get_Child(Node, 0));
  ClsMoAccessInfo Info;
  pSpec->modify_SysDiaName(Name, Info);
  expect(Info, R::MODIFY_OK);
  return start_Diagram(Node, EnumDia::SYS_DIA);
}

ClsXML_Reader::DiagramFrame ClsXML_Reader::start_ReferencedDiagram(xmlNode* Node, const Symbol* RefSym) {
  const Diagram* Referenced = RefSym->get_referenced_Diagram();
  EnumDia::Type Kind = Referenced ? Referenced->get_DiagramType() : EnumDia::NONE;
  const std::string* Expected = Kind == EnumDia::BLK_DIA        ? &B::TN_BLKDIA
                                : Kind == EnumDia::PRO_DIA       ? &B::TN_PRODIA
                                : Kind == EnumDia::PROCEDURE_DIA ? &B::TN_PROCEDUREDIA
                                                                 : nullptr;
  if (!Expected || !ClsXML_NodeAccess::is_Named(Node, *Expected)) throw E();
  if (Kind == EnumDia::PROCEDURE_DIA) read_ProcedureFormalParameters(Node, translate(get_IntAttribute(Node, B::AN_ID)));
  return start_Diagram(Node, Kind);
}

// Pages first, then the list of the structure symbols to read, by kind.
ClsXML_Reader::DiagramFrame ClsXML_Reader::start_Diagram(xmlNode* Node, EnumDia::Type Kind) {
  read_Pages(Node);
  DiagramFrame Frame{Node, Kind, translate(get_IntAttribute(Node, B::AN_ID)), {}, 0};
  const ClsXML_KindTable& Kinds = Kind == EnumDia::PRO_DIA         ? PRO_SYMBOLS
                                        : Kind == EnumDia::PROCEDURE_DIA ? PROCEDURE_SYMBOLS
                                                                         : HL_SYMBOLS;
  for (auto& List : children_ByName(Node, Kinds, Kinds.size()))
    Frame.Symbols.insert(Frame.Symbols.end(), List.begin(), List.end());
  return Frame;
}

void ClsXML_Reader::finish_Diagram(const DiagramFrame& Frame) {
  if (Frame.Kind != EnumDia::PROCEDURE_DIA) read_Channels(Frame.Node, Frame.DiagramID);
  if (Frame.Kind == EnumDia::PRO_DIA || Frame.Kind == EnumDia::PROCEDURE_DIA) {
    read_StateMaSyms(Frame.Node, Frame.DiagramID, Frame.Kind);
    read_FlowLines(Frame.Node, Frame.DiagramID);
  }
}

const Symbol* ClsXML_Reader::read_NextRecSymbol(DiagramFrame& Frame, xmlNode*& RefNode) {
  xmlNode* Node = Frame.Symbols[Frame.Next++];
  int ID = 0, PageID = 0, RefID = 0, x = 0, y = 0, Width = 0, Height = 0, Kind = 0;
  bool HasRef = false;
  std::string Content;
  get_RecSym_from_ElementNode(Node, ID, PageID, HasRef, RefID, x, y, Width, Height, Content);
  is_OneOf(Node, ALL_SYMBOLS, ALL_SYMBOLS.size(), Kind);
  int Page = translate(PageID);
  ClsMoAccessInfo Info;
  int NewID = -1;
  pSpec->insert_Symbol(static_cast<EnumSym::Type>(Kind), Frame.DiagramID, Page, x, y, Width, Height, Content, Info,
                       NewID);
  expect(Info, R::INSERT_OK, "Error in internal data access");
  IDs.add_ID_Pair(ID, NewID);
  const Symbol* Sym = pSpec->get_RecSymbol(NewID, Info);
  expect(Info, R::GET_OK);
  if (Sym->is_referencing_Symbol()) {
    if (!HasRef) throw E("Missing attribute " + B::AN_ID_REF + " in element " + ClsXML_NodeAccess::name_of(Node));
    IDs.add_ID_Pair(RefID, Sym->get_referenced_Diagram_Model_ID());
    RefNode = get_DiagramElementNodeByID(RefID);
  }
  return Sym;
}

void ClsXML_Reader::read_ProcedureFormalParameters(xmlNode* Node, int DiagramID) {
  if (!ClsXML_NodeAccess::is_Named(Node, B::TN_PROCEDUREDIA)) throw E();
  std::string Parameters = get_WholeText(get_Child(Node, 1));
  ClsMoAccessInfo Info;
  pSpec->modify_ProcedureDiaFormalParameters(DiagramID, Parameters, Info);
  expect(Info, R::MODIFY_OK);
}

void ClsXML_Reader::read_Pages(xmlNode* Node) {
  if (!is_DiagramNode(Node)) throw E("Not a diagram node");
  int DiagramID = translate(get_IntAttribute(Node, B::AN_ID));
  ClsMoAccessInfo Info;
  const Diagram* Dia = pSpec->get_Diagram(DiagramID, Info);
  expect(Info, R::GET_OK, MSG_INTERNAL);
  bool First = true;
  for (xmlNode* Child = Node->children; Child; Child = Child->next) {
    if (xmlIsBlankNode(Child) || !ClsXML_NodeAccess::is_Named(Child, B::TN_PAGE)) continue;
    int ID = 0, Width = 0, Height = 0, x = 0, y = 0, FrameWidth = 0, FrameHeight = 0;
    get_Page_from_ElementNode(Child, ID, Width, Height, x, y, FrameWidth, FrameHeight);
    int PageID = -1;
    if (First) {
      PageID = Dia->get_FirstPageID(Info);
      expect(Info, R::PAGE_GET_OK, std::string(MSG_INTERNAL) + "\nID handling");
    } else {
      pSpec->append_NewPage(DiagramID, Info);
      expect(Info, R::PAGE_INSERT_OK, MSG_INTERNAL);
      PageID = pSpec->get_LastPageID(DiagramID, Info);
      expect(Info, R::PAGE_GET_OK, MSG_INTERNAL);
    }
    First = false;
    IDs.add_ID_Pair(ID, PageID);
    pSpec->modify_PageWidth(DiagramID, PageID, Width, Info);
    expect(Info, R::MODIFY_OK, std::string(MSG_INTERNAL) + "\nModifying Page Width");
    pSpec->modify_PageHeight(DiagramID, PageID, Height, Info);
    expect(Info, R::MODIFY_OK, std::string(MSG_INTERNAL) + "\nModifying Page Height");
    pSpec->modify_PageFramePaS(DiagramID, PageID, x, y, FrameWidth, FrameHeight, Info);
    expect(Info, R::MODIFY_OK, std::string(MSG_INTERNAL) + "\nModifying Page Frame PaS");
  }
}

void ClsXML_Reader::read_StateMaSyms(xmlNode* Node, int DiagramID, EnumDia::Type Kind) {
  std::size_t Count = Kind == EnumDia::PRO_DIA ? PROCESS_STATE_MA_KINDS : STATE_MA_SYMBOLS.size();
  auto Lists = children_ByName(Node, STATE_MA_SYMBOLS, Count);
  for (std::size_t k = 0; k < Count; ++k) {
    for (xmlNode* Child : Lists[k]) {
      int ID = 0, PageID = 0, x = 0, y = 0, Width = 0, Height = 0;
      std::string Content;
      get_StateMaSym_from_ElementNode(Child, ID, PageID, x, y, Width, Height, Content);
      int Page = translate(PageID);
      ClsMoAccessInfo Info;
      int NewID = -1;
      pSpec->insert_StateMachineSymbol(static_cast<SM::e_StateMachineSymbolType>(STATE_MA_SYMBOLS[k].Kind),
                                       DiagramID, Page, x, y, Width, Height, Content, Info, NewID);
      expect(Info, R::INSERT_OK);
      IDs.add_ID_Pair(ID, NewID);
    }
  }
}

// All normal flow lines first, then all decision flow lines.
void ClsXML_Reader::read_FlowLines(xmlNode* Node, int DiagramID) {
  auto Lists = children_ByName(Node, FLOW_LINES, FLOW_LINES.size());
  for (std::size_t k = 0; k < Lists.size(); ++k) {
    bool Decision = FLOW_LINES[k].Kind == ClsFlowLine::DECISION_ANSWER;
    for (xmlNode* Child : Lists[k]) {
      int ID = 0, PageID = 0, SourceID = 0, DestID = 0;
      std::list<int> Coords;
      get_FlowLine_from_ElementNode(Child, ID, PageID, Coords, SourceID, DestID);
      ClsRecPaS PaS(0, 0, 0, 0);
      std::string Content;
      if (Decision) {
        PaS = get_PaS_from_Child(Child, 3);
        Content = get_StringContent_from_Element(get_Child(Child, 4), true, true);
      }
      int Page = translate(PageID);
      int Source = translate(SourceID);
      int Dest = translate(DestID);
      ClsMoAccessInfo Info;
      int NewID = -1;
      if (Decision) pSpec->insert_DecisionFlowLine(DiagramID, Page, Coords, Source, Dest, Content, PaS, Info, NewID);
      else pSpec->insert_FlowLine(DiagramID, Page, Coords, Source, Dest, Info, NewID);
      expect(Info, R::INSERT_OK);
      IDs.add_ID_Pair(ID, NewID);
    }
  }
}

void ClsXML_Reader::read_Channels(xmlNode* Node, int DiagramID) {
  if (ClsXML_NodeAccess::is_Named(Node, B::TN_PROCEDUREDIA) || !is_DiagramNode(Node))
    throw E("Node may not contain channels");
  for (xmlNode* Child = Node->children; Child; Child = Child->next) {
    if (!ClsXML_NodeAccess::is_Named(Child, B::TN_CHANNEL)) continue;
    int ID = 0, PageID = 0, SourceID = 0, DestID = 0;
    ClsChannel::e_DelayType Delay = ClsChannel::DELAY;
    ClsChannel::e_DirectionType Direction = ClsChannel::BOTH;
    std::list<int> Coords;
    bool SourceIsEnv = false, DestIsEnv = false;
    get_Channel_from_ElementNode(Child, ID, PageID, Delay, Direction, Coords, SourceIsEnv, SourceID, DestIsEnv,
                                 DestID);
    // The five components; should one occur twice, the last one counts.
    std::vector<std::string> Texts(CHANNEL_COMPONENTS.size());
    std::vector<ClsRecPaS> Boxes(CHANNEL_COMPONENTS.size(), ClsRecPaS(0, 0, 0, 0));
    std::vector<bool> Found(CHANNEL_COMPONENTS.size(), false);
    for (xmlNode* Comp = Child->children; Comp; Comp = Comp->next) {
      for (std::size_t k = 0; k < CHANNEL_COMPONENTS.size(); ++k) {
        if (!ClsXML_NodeAccess::is_Named(Comp, *CHANNEL_COMPONENTS[k].Name)) continue;
        get_ChanComp(Comp, *CHANNEL_COMPONENTS[k].Name, Texts[k], Boxes[k]);
        Found[k] = true;
      }
    }
    for (std::size_t k = 0; k < Found.size(); ++k)
      if (!Found[k]) throw E("Missing child element " + *CHANNEL_COMPONENTS[k].Name + " in " + B::TN_CHANNEL);
    int Page = translate(PageID);
    int Source = SourceIsEnv ? SourceID : translate(SourceID);
    int Dest = DestIsEnv ? DestID : translate(DestID);
    ClsMoAccessInfo Info;
    int NewID = -1;
    pSpec->insert_Channel(DiagramID, Page, Delay, Direction, ClsChanName(Texts[0], Boxes[0]),
                          ClsChanSourceSigList(Texts[1], Boxes[1]), ClsChanSourceCon(Texts[2], Boxes[2]),
                          ClsChanDestSigList(Texts[3], Boxes[3]), ClsChanDestCon(Texts[4], Boxes[4]), Coords,
                          SourceIsEnv, Source, DestIsEnv, Dest, Info, NewID);
    IDs.add_ID_Pair(ID, NewID);
    expect(Info, R::INSERT_OK);
  }
}

// ---- single elements -------------------------------------------------------

void ClsXML_Reader::get_Page_from_ElementNode(xmlNode* Node, int& ID, int& Width, int& Height, int& FrameX,
                                              int& FrameY, int& FrameWidth, int& FrameHeight) {
  if (!ClsXML_NodeAccess::is_Named(Node, B::TN_PAGE)) throw E("Not a page node");
  ID = get_IntAttribute(Node, B::AN_ID);
  Width = get_IntText(get_Child(Node, 0));
  Height = get_IntText(get_Child(Node, 1));
  get_PaS_from_ElementNode(get_Child(get_Child(Node, 2), 0), FrameX, FrameY, FrameWidth, FrameHeight);
}

void ClsXML_Reader::get_PaS_from_ElementNode(xmlNode* Node, int& x, int& y, int& Width, int& Height) {
  if (!ClsXML_NodeAccess::is_Named(Node, B::TN_PAS)) throw E("Not a PaS node");
  x = get_IntAttribute(Node, B::AN_X_LEFT_UP);
  y = get_IntAttribute(Node, B::AN_Y_LEFT_UP);
  Width = get_IntAttribute(Node, B::AN_WIDTH);
  Height = get_IntAttribute(Node, B::AN_HEIGHT);
}

ClsRecPaS ClsXML_Reader::get_PaS_from_Child(xmlNode* Parent, int Position) {
  int x = 0, y = 0, Width = 0, Height = 0;
  get_PaS_from_ElementNode(get_Child(Parent, Position), x, y, Width, Height);
  return ClsRecPaS(x, y, Width, Height);
}

void ClsXML_Reader::get_RecSym_from_ElementNode(xmlNode* Node, int& ID, int& PageID, bool& HasRef,
                                                int& RefDiagramID, int& x, int& y, int& Width, int& Height,
                                                std::string& Content) {
  int Kind = 0;
  if (!is_OneOf(Node, ALL_SYMBOLS, ALL_SYMBOLS.size(), Kind)) throw E("No RecSym node");
  ID = get_IntAttribute(Node, B::AN_ID);
  PageID = get_IntAttribute(Node, B::AN_PARENT_PAGE_ID);
  std::string Ref;
  HasRef = pAccess->get_Attribute(Node, B::AN_ID_REF, Ref);
  if (HasRef) RefDiagramID = ClsXML_NodeAccess::to_Int(Ref);
  Content = get_StringContent_from_Element(get_Child(Node, 0), true, true);
  get_PaS_from_ElementNode(get_Child(Node, 1), x, y, Width, Height);
}

void ClsXML_Reader::get_StateMaSym_from_ElementNode(xmlNode* Node, int& ID, int& PageID, int& x, int& y, int& Width,
                                                    int& Height, std::string& Content) {
  int Kind = 0;
  if (!is_OneOf(Node, STATE_MA_SYMBOLS, STATE_MA_SYMBOLS.size(), Kind)) throw E();
  ID = get_IntAttribute(Node, B::AN_ID);
  PageID = get_IntAttribute(Node, B::AN_PARENT_PAGE_ID);
  Content = get_StringContent_from_Element(get_Child(Node, 0), true, true);
  get_PaS_from_ElementNode(get_Child(Node, 1), x, y, Width, Height);
}

void ClsXML_Reader::get_FlowLine_from_ElementNode(xmlNode* Node, int& ID, int& PageID, std::list<int>& Coords,
                                                  int& SourceID, int& DestID) {
  int Kind = 0;
  if (!is_OneOf(Node, FLOW_LINES, FLOW_LINES.size(), Kind)) throw E();
  ID = get_IntAttribute(Node, B::AN_ID);
  PageID = get_IntAttribute(Node, B::AN_PARENT_PAGE_ID);
  SourceID = get_IntText(get_Child(Node, 0));
  DestID = get_IntText(get_Child(Node, 1));
  Coords = get_Coords(get_Child(Node, 2));
}

void ClsXML_Reader::get_Channel_from_ElementNode(xmlNode* Node, int& ID, int& PageID, ClsChannel::e_DelayType& Delay,
                                                 ClsChannel::e_DirectionType& Direction, std::list<int>& Coords,
                                                 bool& SourceIsEnv, int& SourceID, bool& DestIsEnv, int& DestID) {
  if (!ClsXML_NodeAccess::is_Named(Node, B::TN_CHANNEL)) throw E("Wrong node");
  ID = get_IntAttribute(Node, B::AN_ID);
  PageID = get_IntAttribute(Node, B::AN_PARENT_PAGE_ID);
  std::string Value = get_Attribute(Node, B::AN_DIRECTION_TYPE);
  if (Value == B::AV_DIRECTION_TYPE_BOTH) Direction = ClsChannel::BOTH;
  else if (Value == B::AV_DIRECTION_TYPE_FROM_SOURCE) Direction = ClsChannel::FROM_SOURCE;
  else if (Value == B::AV_DIRECTION_TYPE_FROM_DESTINATION) Direction = ClsChannel::FROM_DESTINATION;
  else throw E();
  Value = get_Attribute(Node, B::AN_DELAY_TYPE);
  if (Value == B::AV_DELAY_TYPE_DELAY) Delay = ClsChannel::DELAY;
  else if (Value == B::AV_DELAY_TYPE_NO_DELAY) Delay = ClsChannel::NO_DELAY;
  else throw E();
  SourceID = get_ChanEndID(get_Child(Node, 0), B::TN_CHANNEL_SOURCE_ID, SourceIsEnv);
  DestID = get_ChanEndID(get_Child(Node, 1), B::TN_CHANNEL_DESTINATION_ID, DestIsEnv);
  xmlNode* CoordsNode = Node->children;
  while (CoordsNode && !ClsXML_NodeAccess::is_Named(CoordsNode, B::TN_COORDS)) CoordsNode = CoordsNode->next;
  if (!CoordsNode) throw E("Missing child element " + B::TN_COORDS + " in " + B::TN_CHANNEL);
  Coords = get_Coords(CoordsNode);
}

// The environment is read as ID 0 without looking at the text.
int ClsXML_Reader::get_ChanEndID(xmlNode* Node, const std::string& Name, bool& IsEnv) {
  if (!ClsXML_NodeAccess::is_Named(Node, Name)) throw E();
  IsEnv = get_Attribute(Node, B::AN_CHANNEL_SOURCE_IS_ENV) == B::AV_CHANNEL_SOURCE_IS_ENV_TRUE;
  if (IsEnv) return 0;
  int ID = 0;
  if (!Converter::String_To_Int(get_StringContent_from_Element(Node, true, true), ID))
    throw E(E::XML_ERROR_CHANNEL_END_ID);
  return ID;
}

void ClsXML_Reader::get_ChanComp(xmlNode* Node, const std::string& Name, std::string& Content, ClsRecPaS& PaS) {
  if (!ClsXML_NodeAccess::is_Named(Node, Name)) throw E();
  Content = get_StringContent_from_Element(get_Child(Node, 0), true, true);
  PaS = get_PaS_from_Child(Node, 1);
}

// ---- look-ups and texts ------------------------------------------------------

xmlNode* ClsXML_Reader::get_DiagramElementNodeByID(int FileID) {
  if (!pIndex) pIndex.reset(new ClsXML_DiagramIndex(pDocument, *pAccess));
  return pIndex->find(FileID);
}

std::string ClsXML_Reader::get_StringContent_from_Element(xmlNode* Node, bool StripFirstLineBreak,
                                                          bool StripLastLineBreak) {
  xmlNode* First = Node->children;
  if (First && First->children) throw E("Content node with children node found");
  if (!First || !xmlNodeIsText(First)) throw E("Content node without text content");
  std::string Text = pAccess->list_String(First);
  if (!Text.empty() && StripFirstLineBreak && Text.front() == '\n') Text.erase(0, 1);
  if (!Text.empty() && StripLastLineBreak && Text.back() == '\n') Text.pop_back();
  return Text;
}

std::string ClsXML_Reader::get_WholeText(xmlNode* Node) {
  if (!Node->children) throw E("Content node without text content");
  std::string Text = pAccess->whole_Text(Node);
  strip_LineBreaks(Text);
  return Text;
}

int ClsXML_Reader::get_IntText(xmlNode* Node) {
  if (!Node->children) throw E("Content node without text content");
  return ClsXML_NodeAccess::to_Int(pAccess->list_String(Node->children));
}

std::list<int> ClsXML_Reader::get_Coords(xmlNode* Node) {
  std::list<int> Coords;
  if (!Converter::IntListString_To_IntList(get_StringContent_from_Element(Node, true, true), Coords))
    throw E(E::XML_ERROR_COORDINATES);
  return Coords;
}

std::string ClsXML_Reader::get_Attribute(xmlNode* Node, const std::string& Name) {
  std::string Value;
  if (!pAccess->get_Attribute(Node, Name, Value))
    throw E("Missing attribute " + Name + " in element " + ClsXML_NodeAccess::name_of(Node));
  return Value;
}

int ClsXML_Reader::get_IntAttribute(xmlNode* Node, const std::string& Name) {
  return ClsXML_NodeAccess::to_Int(get_Attribute(Node, Name));
}

xmlNode* ClsXML_Reader::get_Child(xmlNode* Node, int Position) {
  xmlNode* Child = ClsXML_NodeAccess::element_Child(Node, Position);
  if (!Child) throw E("Missing child element in " + ClsXML_NodeAccess::name_of(Node));
  return Child;
}

}  // namespace Vemra
