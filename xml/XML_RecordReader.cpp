#include "xml/XML_RecordReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <libxml/SAX2.h>
#include <libxml/parserInternals.h>
#include <libxml/parser.h>
#include <libxml/uri.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <exception>
#include <list>

#include "model/Converter.h"
#include "model/FlowLine.h"
#include "xml/XML_Basic.h"
#include "xml/XML_Kinds.h"
#include "xml/XML_NodeAccess.h"

namespace Vemra {

namespace {
using B = ClsXML_Basic;
using E = ClsXML_Reader_ErrorReporter;
using A = ClsXML_NodeAccess;
using namespace XML_Kinds;

// No network, no DTD loading or validation, no entity substitution into the
// tree, no size limits lifted; blank text between elements is dropped so that
// children can be counted by position.
const int PARSE_OPTIONS =
    XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;
const char* const MSG_PARSING = "An error occured during parsing\n ";
const std::string* const DIAGRAM_NAMES[4] = {&B::TN_SYSDIA, &B::TN_BLKDIA, &B::TN_PRODIA, &B::TN_PROCEDUREDIA};

bool find_Kind(const xmlNode* Node, const ClsXML_KindTable& Kinds, std::size_t& Index) {
  for (Index = 0; Index < Kinds.size(); ++Index)
    if (A::is_Named(Node, *Kinds[Index].Name)) return true;
  return false;
}

int diagram_Name(const xmlNode* Node) {
  for (int k = 0; k < 4; ++k)
    if (A::is_Named(Node, *DIAGRAM_NAMES[k])) return k;
  return -1;
}

// A regular file read with plain reads. Its size and modification time are
// taken when it is opened; a read that ends early, fails, or finds the file
// changed afterwards marks the read as failed.
class FileSource {
public:
  explicit FileSource(const std::string& FileName) {
    fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a pipe must not block
    if (fd < 0) return;
    if (::fstat(fd, &Opened) == 0 && S_ISREG(Opened.st_mode) && Opened.st_size > 0 && Opened.st_size <= INT_MAX)
      Size = static_cast<std::size_t>(Opened.st_size);
  }
  ~FileSource() {
    if (fd >= 0) ::close(fd);
  }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool usable() const { return Size > 0; }
  std::size_t size() const { return Size; }

  static int read_Chunk(void* Context, char* Buffer, int Length) {
    FileSource* S = static_cast<FileSource*>(Context);
    std::size_t Want = std::min(static_cast<std::size_t>(Length), S->Size - S->Done);
    if (S->Failed) return -1;
    if (Want == 0) return 0;
    ssize_t Got;
    do Got = ::read(S->fd, Buffer, Want);
    while (Got < 0 && errno == EINTR);
    if (Got <= 0) {
      S->Failed = true;
      return -1;
    }
    S->Done += static_cast<std::size_t>(Got);
    return static_cast<int>(Got);
  }

  // True when every byte was read and the file is still what it was.
  bool read_Whole() const {
    struct stat Now;
    return !Failed && Done == Size && ::fstat(fd, &Now) == 0 && Now.st_size == Opened.st_size &&
           Now.st_mtim.tv_sec == Opened.st_mtim.tv_sec && Now.st_mtim.tv_nsec == Opened.st_mtim.tv_nsec;
  }

private:
  int fd = -1;
  struct stat Opened {};
  std::size_t Size = 0, Done = 0;
  bool Failed = false;
};

// Fills the records while libxml2 parses the file and builds its tree: each
// child of a diagram element is read as soon as its end tag is parsed and is
// then freed, so that the tree never holds more than one such child (and
// the diagram elements themselves). The tree builder is libxml2's own, so
// that every element read looks exactly as in a complete document tree.
class Collector {
public:
  explicit Collector(ClsXML_FileRecords& Out) : Out(Out) {}
  // False when the file is not well-formed XML.
  bool run(xmlParserCtxtPtr Parser);

private:
  struct Open {
    xmlNode* Node;
    int Diagram;       // record index of a diagram element whose children are read one by one, or -1
    bool InChild;      // inside such a child
    int ElementChildren;
  };

  static void start_Element(void* Context, const xmlChar* Name, const xmlChar* Prefix, const xmlChar* URI,
                            int NbNamespaces, const xmlChar** Namespaces, int NbAttributes, int NbDefaulted,
                            const xmlChar** Attributes);
  static void end_Element(void* Context, const xmlChar* Name, const xmlChar* Prefix, const xmlChar* URI);
  void take_Children(Open& Diagram);
  // No exception may cross the parser: the first one stops it and is thrown
  // again once the parser has returned.
  template <class F>
  void guarded(F Work) {
    if (Failure) return;
    try {
      Work();
    } catch (...) {
      Failure = std::current_exception();
      xmlStopParser(Parser);
    }
  }
  void read_Root(xmlDocPtr Doc);

  int add_Diagram(xmlNode* Node, int Name);
  void read_Child(int Diagram, xmlNode* Child, int Position);
  void add_NestedDiagrams(xmlNode* Root);

  void read_ID(xmlNode* Node, ClsXML_IDRec& Rec);
  void read_Title(xmlNode* Node, ClsXML_TextRec& Rec);
  void read_Page(xmlNode* Node, ClsXML_PageRec& Rec);
  void read_RecSymbol(xmlNode* Node, ClsXML_SymbolRec& Rec);
  void read_StateMaSymbol(xmlNode* Node, ClsXML_SymbolRec& Rec);
  void read_FlowLine(xmlNode* Node, bool Decision, ClsXML_FlowLineRec& Rec);
  void read_Channel(xmlNode* Node, ClsXML_ChannelRec& Rec);
  // Runs one element read, keeping its error and its entity work in Rec.
  template <class F>
  void checked(ClsXML_Outcome& Rec, F Read) {
    try {
      Read();
    } catch (const E& Error) {
      Rec.fail(Error);
    }
    Rec.Work = Access->take_Work();
  }

  void get_PaS(xmlNode* Node, int& x, int& y, int& Width, int& Height);
  ClsRecPaS get_PaS_from_Child(xmlNode* Parent, int Position);
  int get_ChanEndID(xmlNode* Node, const std::string& Name, bool& IsEnv);
  std::string get_StringContent(xmlNode* Node);
  int get_IntText(xmlNode* Node);
  std::vector<int> get_Coords(xmlNode* Node);
  std::string get_Attribute(xmlNode* Node, const std::string& Name);
  int get_IntAttribute(xmlNode* Node, const std::string& Name) { return A::to_Int(get_Attribute(Node, Name)); }
  static xmlNode* get_Child(xmlNode* Node, int Position);

  ClsXML_FileRecords& Out;
  xmlParserCtxtPtr Parser = nullptr;
  std::unique_ptr<A> Access;
  std::vector<Open> Stack;
  std::exception_ptr Failure;
  std::vector<std::pair<const xmlNode*, int>> RootChildDiagrams;
  static thread_local Collector* Current;
};

thread_local Collector* Collector::Current = nullptr;

bool Collector::run(xmlParserCtxtPtr Context) {
  Parser = Context;
  Parser->sax->startElementNs = start_Element;
  Parser->sax->endElementNs = end_Element;
  xmlCtxtUseOptions(Parser, PARSE_OPTIONS);
  Collector* Outer = Current;
  Current = this;
  xmlParseDocument(Parser);
  Current = Outer;
  if (Failure) {
    xmlFreeDoc(Parser->myDoc);
    Parser->myDoc = nullptr;
    std::rethrow_exception(Failure);
  }
  bool Parsed = Parser->wellFormed && Parser->myDoc;
  if (Parsed) read_Root(Parser->myDoc);
  if (Parser->myDoc) xmlFreeDoc(Parser->myDoc);
  Parser->myDoc = nullptr;
  return Parsed;
}

// Elements of entity contents are parsed in contexts of their own; they are
// left to the tree builder alone.
void Collector::start_Element(void* Context, const xmlChar* Name, const xmlChar* Prefix, const xmlChar* URI,
                              int NbNamespaces, const xmlChar** Namespaces, int NbAttributes, int NbDefaulted,
                              const xmlChar** Attributes) {
  xmlParserCtxtPtr Parser = static_cast<xmlParserCtxtPtr>(Context);
  xmlSAX2StartElementNs(Context, Name, Prefix, URI, NbNamespaces, Namespaces, NbAttributes, NbDefaulted, Attributes);
  Collector* Self = Current;
  if (!Self || Parser != Self->Parser) return;
  Self->guarded([&] {
    if (!Self->Access) Self->Access.reset(new A(Parser->myDoc));
    xmlNode* Node = Parser->node;
    const Open* Parent = Self->Stack.empty() ? nullptr : &Self->Stack.back();
    bool InChild = Parent && (Parent->InChild || Parent->Diagram >= 0);
    int Diagram = -1;
    int Kind = InChild ? -1 : diagram_Name(Node);
    if (Kind >= 0) {
      Diagram = Self->add_Diagram(Node, Kind);
      if (Self->Stack.size() == 1) Self->RootChildDiagrams.emplace_back(Node, Diagram);
    }
    Self->Stack.push_back({Node, Diagram, InChild, 0});
  });
}

void Collector::end_Element(void* Context, const xmlChar* Name, const xmlChar* Prefix, const xmlChar* URI) {
  xmlParserCtxtPtr Parser = static_cast<xmlParserCtxtPtr>(Context);
  xmlSAX2EndElementNs(Context, Name, Prefix, URI);
  Collector* Self = Current;
  if (!Self || Parser != Self->Parser || Self->Stack.empty()) return;
  Self->guarded([&] {
    Open Closed = Self->Stack.back();
    Self->Stack.pop_back();
    if (!Self->Stack.empty() && Self->Stack.back().Diagram >= 0) Self->take_Children(Self->Stack.back());
    if (Closed.Diagram >= 0) Self->take_Children(Closed);
  });
}

// Reads the children that the diagram element has so far, in document
// order, and frees them.
void Collector::take_Children(Open& Diagram) {
  xmlNode* Child = Diagram.Node->children;
  while (Child) {
    xmlNode* Next = Child->next;
    bool Element = Child->type == XML_ELEMENT_NODE;
    read_Child(Diagram.Diagram, Child, Element ? Diagram.ElementChildren++ : -1);
    if (Element) add_NestedDiagrams(Child);
    xmlUnlinkNode(Child);
    xmlFreeNode(Child);
    Child = Next;
  }
}

// The root and its first child that is not blank (the root's children are
// all still there).
void Collector::read_Root(xmlDocPtr Doc) {
  xmlNode* Root = xmlDocGetRootElement(Doc);
  if (!Root) return;
  Out.HasRoot = true;
  Out.RootName = A::name_of(Root);
  xmlNode* First = Root->children;
  while (First && xmlIsBlankNode(First)) First = First->next;
  if (!First) return;
  Out.HasFirstChild = true;
  Out.FirstChildName = A::name_of(First);
  int Kind = diagram_Name(First);
  if (Kind != ClsXML_DiagramRec::SYSDIA) return;
  for (const auto& Entry : RootChildDiagrams)
    if (Entry.first == First) Out.SysDia = Entry.second;
  if (Out.SysDia < 0) Out.SysDia = add_Diagram(First, Kind);
}

int Collector::add_Diagram(xmlNode* Node, int Name) {
  Out.Diagrams.emplace_back();
  ClsXML_DiagramRec& Rec = Out.Diagrams.back();
  Rec.Name = static_cast<ClsXML_DiagramRec::e_Name>(Name);
  Rec.Indexed = Node->type == XML_ELEMENT_NODE && !Node->ns;
  Rec.Title.fail(E("Missing child element in " + *DIAGRAM_NAMES[Name]));
  read_ID(Node, Rec.ID);
  return static_cast<int>(Out.Diagrams.size() - 1);
}

// Position counts the element children (-1 for other nodes). A child that
// is no element but carries an element's name is read like one and fails.
void Collector::read_Child(int Diagram, xmlNode* Child, int Position) {
  ClsXML_DiagramRec& D = Out.Diagrams[static_cast<std::size_t>(Diagram)];
  if ((Position == 0 && D.Name == ClsXML_DiagramRec::SYSDIA) ||
      (Position == 1 && D.Name == ClsXML_DiagramRec::PROCEDUREDIA)) {
    D.Title.Error.reset();
    read_Title(Child, D.Title);
  }
  if (xmlIsBlankNode(Child)) return;
  std::size_t k = 0;
  if (A::is_Named(Child, B::TN_PAGE)) {
    D.Pages.emplace_back();
    read_Page(Child, D.Pages.back());
  } else if (find_Kind(Child, ALL_SYMBOLS, k)) {
    D.Symbols[k].emplace_back();
    read_RecSymbol(Child, D.Symbols[k].back());
  } else if (find_Kind(Child, STATE_MA_SYMBOLS, k)) {
    D.StateMaSymbols[k].emplace_back();
    read_StateMaSymbol(Child, D.StateMaSymbols[k].back());
  } else if (find_Kind(Child, FLOW_LINES, k)) {
    D.FlowLines[k].emplace_back();
    read_FlowLine(Child, FLOW_LINES[k].Kind == ClsFlowLine::DECISION_ANSWER, D.FlowLines[k].back());
  } else if (A::is_Named(Child, B::TN_CHANNEL)) {
    D.Channels.emplace_back();
    read_Channel(Child, D.Channels.back());
  }
}

// Diagram elements inside an expanded child, in document order (elements
// only, as the search by ID sees them).
void Collector::add_NestedDiagrams(xmlNode* Root) {
  xmlNode* Node = Root;
  while (Node) {
    int Name = diagram_Name(Node);
    if (Name >= 0 && !Node->ns) {
      int Diagram = add_Diagram(Node, Name);
      int Position = 0;
      for (xmlNode* Child = Node->children; Child; Child = Child->next)
        read_Child(Diagram, Child, Child->type == XML_ELEMENT_NODE ? Position++ : -1);
    }
    xmlNode* Child = xmlFirstElementChild(Node);
    if (Child) {
      Node = Child;
      continue;
    }
    while (Node && Node != Root && !xmlNextElementSibling(Node)) Node = Node->parent;
    Node = (!Node || Node == Root) ? nullptr : xmlNextElementSibling(Node);
  }
}

// ---- single elements --------------------------------------------------------

void Collector::read_ID(xmlNode* Node, ClsXML_IDRec& Rec) {
  checked(Rec, [&] {
    std::string Value;
    Rec.Present = Access->get_Attribute(Node, B::AN_ID, Value);
    if (Rec.Present) Rec.Value = A::to_Int(Value);
  });
}

void Collector::read_Title(xmlNode* Node, ClsXML_TextRec& Rec) {
  checked(Rec, [&] {
    if (!Node->children) throw E("Content node without text content");
    Rec.Text = Access->whole_Text(Node);
    if (!Rec.Text.empty() && Rec.Text.front() == '\n') Rec.Text.erase(0, 1);
    if (!Rec.Text.empty() && Rec.Text.back() == '\n') Rec.Text.pop_back();
  });
}

void Collector::read_Page(xmlNode* Node, ClsXML_PageRec& Rec) {
  checked(Rec, [&] {
    Rec.ID = get_IntAttribute(Node, B::AN_ID);
    Rec.Width = get_IntText(get_Child(Node, 0));
    Rec.Height = get_IntText(get_Child(Node, 1));
    get_PaS(get_Child(get_Child(Node, 2), 0), Rec.FrameX, Rec.FrameY, Rec.FrameWidth, Rec.FrameHeight);
  });
}

void Collector::read_RecSymbol(xmlNode* Node, ClsXML_SymbolRec& Rec) {
  checked(Rec, [&] {
    Rec.ID = get_IntAttribute(Node, B::AN_ID);
    Rec.PageID = get_IntAttribute(Node, B::AN_PARENT_PAGE_ID);
    std::string Ref;
    Rec.HasRef = Access->get_Attribute(Node, B::AN_ID_REF, Ref);
    if (Rec.HasRef) Rec.RefID = A::to_Int(Ref);
    Rec.Content = get_StringContent(get_Child(Node, 0));
    get_PaS(get_Child(Node, 1), Rec.x, Rec.y, Rec.Width, Rec.Height);
  });
}

void Collector::read_StateMaSymbol(xmlNode* Node, ClsXML_SymbolRec& Rec) {
  checked(Rec, [&] {
    Rec.ID = get_IntAttribute(Node, B::AN_ID);
    Rec.PageID = get_IntAttribute(Node, B::AN_PARENT_PAGE_ID);
    Rec.Content = get_StringContent(get_Child(Node, 0));
    get_PaS(get_Child(Node, 1), Rec.x, Rec.y, Rec.Width, Rec.Height);
  });
}

void Collector::read_FlowLine(xmlNode* Node, bool Decision, ClsXML_FlowLineRec& Rec) {
  checked(Rec, [&] {
    Rec.ID = get_IntAttribute(Node, B::AN_ID);
    Rec.PageID = get_IntAttribute(Node, B::AN_PARENT_PAGE_ID);
    Rec.SourceID = get_IntText(get_Child(Node, 0));
    Rec.DestID = get_IntText(get_Child(Node, 1));
    Rec.Coords = get_Coords(get_Child(Node, 2));
    if (!Decision) return;
    Rec.PaS = get_PaS_from_Child(Node, 3);
    Rec.Content = get_StringContent(get_Child(Node, 4));
  });
}

void Collector::read_Channel(xmlNode* Node, ClsXML_ChannelRec& Rec) {
  checked(Rec, [&] {
    Rec.ID = get_IntAttribute(Node, B::AN_ID);
    Rec.PageID = get_IntAttribute(Node, B::AN_PARENT_PAGE_ID);
    std::string Value = get_Attribute(Node, B::AN_DIRECTION_TYPE);
    if (Value == B::AV_DIRECTION_TYPE_BOTH) Rec.Direction = ClsChannel::BOTH;
    else if (Value == B::AV_DIRECTION_TYPE_FROM_SOURCE) Rec.Direction = ClsChannel::FROM_SOURCE;
    else if (Value == B::AV_DIRECTION_TYPE_FROM_DESTINATION) Rec.Direction = ClsChannel::FROM_DESTINATION;
    else throw E();
    Value = get_Attribute(Node, B::AN_DELAY_TYPE);
    if (Value == B::AV_DELAY_TYPE_DELAY) Rec.Delay = ClsChannel::DELAY;
    else if (Value == B::AV_DELAY_TYPE_NO_DELAY) Rec.Delay = ClsChannel::NO_DELAY;
    else throw E();
    Rec.SourceID = get_ChanEndID(get_Child(Node, 0), B::TN_CHANNEL_SOURCE_ID, Rec.SourceIsEnv);
    Rec.DestID = get_ChanEndID(get_Child(Node, 1), B::TN_CHANNEL_DESTINATION_ID, Rec.DestIsEnv);
    xmlNode* CoordsNode = Node->children;
    while (CoordsNode && !A::is_Named(CoordsNode, B::TN_COORDS)) CoordsNode = CoordsNode->next;
    if (!CoordsNode) throw E("Missing child element " + B::TN_COORDS + " in " + B::TN_CHANNEL);
    Rec.Coords = get_Coords(CoordsNode);
    // The five components; should one occur twice, the last one counts.
    bool Found[5] = {false, false, false, false, false};
    for (xmlNode* Comp = Node->children; Comp; Comp = Comp->next) {
      for (std::size_t k = 0; k < CHANNEL_COMPONENTS.size(); ++k) {
        if (!A::is_Named(Comp, *CHANNEL_COMPONENTS[k].Name)) continue;
        Rec.Texts[k] = get_StringContent(get_Child(Comp, 0));
        Rec.Boxes[k] = get_PaS_from_Child(Comp, 1);
        Found[k] = true;
      }
    }
    for (std::size_t k = 0; k < CHANNEL_COMPONENTS.size(); ++k)
      if (!Found[k]) throw E("Missing child element " + *CHANNEL_COMPONENTS[k].Name + " in " + B::TN_CHANNEL);
  });
}

void Collector::get_PaS(xmlNode* Node, int& x, int& y, int& Width, int& Height) {
  if (!A::is_Named(Node, B::TN_PAS)) throw E("Not a PaS node");
  x = get_IntAttribute(Node, B::AN_X_LEFT_UP);
  y = get_IntAttribute(Node, B::AN_Y_LEFT_UP);
  Width = get_IntAttribute(Node, B::AN_WIDTH);
  Height = get_IntAttribute(Node, B::AN_HEIGHT);
}

ClsRecPaS Collector::get_PaS_from_Child(xmlNode* Parent, int Position) {
  int x = 0, y = 0, Width = 0, Height = 0;
  get_PaS(get_Child(Parent, Position), x, y, Width, Height);
  return ClsRecPaS(x, y, Width, Height);
}

// The environment is read as ID 0 without looking at the text.
int Collector::get_ChanEndID(xmlNode* Node, const std::string& Name, bool& IsEnv) {
  if (!A::is_Named(Node, Name)) throw E();
  IsEnv = get_Attribute(Node, B::AN_CHANNEL_SOURCE_IS_ENV) == B::AV_CHANNEL_SOURCE_IS_ENV_TRUE;
  if (IsEnv) return 0;
  int ID = 0;
  if (!Converter::String_To_Int(get_StringContent(Node), ID)) throw E(E::XML_ERROR_CHANNEL_END_ID);
  return ID;
}

// The text of the element's only text child, one leading and one trailing
// line break removed.
std::string Collector::get_StringContent(xmlNode* Node) {
  xmlNode* First = Node->children;
  if (First && First->children) throw E("Content node with children node found");
  if (!First || !xmlNodeIsText(First)) throw E("Content node without text content");
  std::string Text = Access->list_String(First);
  if (!Text.empty() && Text.front() == '\n') Text.erase(0, 1);
  if (!Text.empty() && Text.back() == '\n') Text.pop_back();
  return Text;
}

int Collector::get_IntText(xmlNode* Node) {
  if (!Node->children) throw E("Content node without text content");
  return A::to_Int(Access->list_String(Node->children));
}

std::vector<int> Collector::get_Coords(xmlNode* Node) {
  std::list<int> Coords;
  if (!Converter::IntListString_To_IntList(get_StringContent(Node), Coords)) throw E(E::XML_ERROR_COORDINATES);
  return std::vector<int>(Coords.begin(), Coords.end());
}

std::string Collector::get_Attribute(xmlNode* Node, const std::string& Name) {
  std::string Value;
  if (!Access->get_Attribute(Node, Name, Value))
    throw E("Missing attribute " + Name + " in element " + A::name_of(Node));
  return Value;
}

xmlNode* Collector::get_Child(xmlNode* Node, int Position) {
  xmlNode* Child = A::element_Child(Node, Position);
  if (!Child) throw E("Missing child element in " + A::name_of(Node));
  return Child;
}

// Compressed files (gzip, xz) are unpacked by libxml2's own file input.
bool is_Compressed(const std::string& Content) {
  static const char XZ[] = {'\xFD', '7', 'z', 'X', 'Z', '\0'};
  return Content.compare(0, 2, "\x1F\x8B") == 0 || Content.compare(0, sizeof XZ, XZ, sizeof XZ) == 0;
}

// The local file that libxml2's file input opens for a name that is no file
// itself: a "file:" URI without its scheme, or the name with its %-escapes
// decoded.
std::string strip_FileScheme(const std::string& Name) {
  auto starts = [&](const char* Prefix) {
    return xmlStrncasecmp(BAD_CAST Name.c_str(), BAD_CAST Prefix, xmlStrlen(BAD_CAST Prefix)) == 0;
  };
  if (starts("file://localhost/")) return Name.substr(16);
  if (starts("file:///")) return Name.substr(7);
  if (starts("file:/")) return Name.substr(5);
  return Name;
}

// True when the name leads libxml2's file input to a non-empty regular file;
// anything else (a pipe above all, which would block) is not handed to it.
bool names_LocalFile(const std::string& Name) {
  std::string Candidates[2] = {strip_FileScheme(Name), ""};
  if (char* Unescaped = xmlURIUnescapeString(Name.c_str(), 0, nullptr)) {
    Candidates[1] = strip_FileScheme(Unescaped);
    xmlFree(Unescaped);
  }
  for (const std::string& Path : Candidates) {
    struct stat Info;
    if (!Path.empty() && ::stat(Path.c_str(), &Info) == 0) return S_ISREG(Info.st_mode) && Info.st_size > 0;
  }
  return false;
}

void collect(xmlParserCtxtPtr Parser, const char* FileName, ClsXML_FileRecords& Records) {
  std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> Owned(Parser, xmlFreeParserCtxt);
  if (Parser && FileName && Parser->input && !Parser->input->filename)
    Parser->input->filename = reinterpret_cast<char*>(xmlStrdup(reinterpret_cast<const xmlChar*>(FileName)));
  if (!Parser || !Collector(Records).run(Parser)) throw E(MSG_PARSING);
}
}  // namespace

void ClsXML_RecordReader::read_File(const std::string& FileName, ClsXML_FileRecords& Records) {
  FileSource Source(FileName);
  if (!Source.usable()) {
    if (!names_LocalFile(FileName)) throw E(MSG_PARSING);
    collect(xmlCreateURLParserCtxt(FileName.c_str(), PARSE_OPTIONS), nullptr, Records);
    return;
  }
  // The whole file is read before it is parsed, so that libxml2 gets every
  // text in one piece as from memory: its length limit for texts that reach
  // it in several pieces must not refuse a long text a stored model holds.
  std::string Content(Source.size(), '\0');
  std::size_t Done = 0;
  while (Done < Content.size()) {
    int Got = FileSource::read_Chunk(&Source, &Content[Done], static_cast<int>(Content.size() - Done));
    if (Got <= 0) break;
    Done += static_cast<std::size_t>(Got);
  }
  if (Done != Content.size()) throw E(MSG_PARSING);
  if (is_Compressed(Content)) {
    collect(xmlCreateURLParserCtxt(FileName.c_str(), PARSE_OPTIONS), nullptr, Records);
    return;
  }
  collect(xmlCreateMemoryParserCtxt(Content.data(), static_cast<int>(Content.size())), FileName.c_str(), Records);
  if (!Source.read_Whole()) throw E(MSG_PARSING);
}

void ClsXML_RecordReader::read_Memory(const std::string& Content, ClsXML_FileRecords& Records) {
  if (Content.empty() || Content.size() > static_cast<std::size_t>(INT_MAX)) throw E(MSG_PARSING);
  collect(xmlCreateMemoryParserCtxt(Content.data(), static_cast<int>(Content.size())), nullptr, Records);
}

}  // namespace Vemra
