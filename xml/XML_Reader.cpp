#include "xml/XML_Reader.h"

#include <list>
#include <memory>

#include "model/DebugPrinter.h"
#include "model/SysSpec.h"
#include "xml/XML_Basic.h"
#include "xml/XML_DiagramIndex.h"
#include "xml/XML_Kinds.h"
#include "xml/XML_NodeAccess.h"
#include "xml/XML_RecordReader.h"

namespace Vemra {

namespace {
using B = ClsXML_Basic;
using E = ClsXML_Reader_ErrorReporter;
using R = ClsMoAccessInfo;
using SM = ClsStateMachineSymbol;
using namespace XML_Kinds;

const char* const MSG_EMPTY = "Empty document\n ";
const char* const MSG_INTERNAL = "Error in internal data structure";
const std::string* const DIAGRAM_NAMES[4] = {&B::TN_SYSDIA, &B::TN_BLKDIA, &B::TN_PRODIA, &B::TN_PROCEDUREDIA};

void expect(const R& Info, R::e_ResultType Expected, const std::string& Message) {
  if (Info.get_Info() != Expected) throw E(Message);
}

void expect(const R& Info, R::e_ResultType Expected) {
  if (Info.get_Info() != Expected) throw E();
}

// The position of a structure symbol kind in ALL_SYMBOLS.
std::size_t symbol_Slot(int Kind) {
  std::size_t k = 0;
  while (k + 1 < ALL_SYMBOLS.size() && ALL_SYMBOLS[k].Kind != Kind) ++k;
  return k;
}

// Builds the model from the records: the system diagram and, depth first,
// every diagram that a reference symbol leads to, each read completely before
// the next symbol of the referencing one. The pending diagrams are kept on an
// explicit stack, so that a long chain of nested diagrams needs no deep
// recursion.
class Builder {
public:
  Builder(const ClsXML_FileRecords& File, SysSpec* Model, ClsRenumberingHelper& IDs)
      : File(File), pModel(Model), IDs(IDs) {}
  void run();

private:
  // A diagram being read, with a cursor over its structure symbols in
  // reading order (by kind, then in document order).
  struct Frame {
    const ClsXML_DiagramRec* Rec;
    EnumDia::Type Kind;
    int DiagramID;  // model ID
    const ClsXML_KindTable* Symbols;
    std::size_t Entry, Position;
  };

  Frame read_SysDia(const ClsXML_DiagramRec& Rec);
  Frame start_ReferencedDiagram(const ClsXML_DiagramRec& Rec, const Symbol* RefSym);
  Frame start_Diagram(const ClsXML_DiagramRec& Rec, EnumDia::Type Kind);
  void finish_Diagram(const Frame& F);
  // Reads the next structure symbol of the frame; returns the diagram record
  // to be read next when the symbol references one, else null.
  const ClsXML_DiagramRec* read_NextRecSymbol(Frame& F, const Symbol*& RefSym);
  void read_Pages(const ClsXML_DiagramRec& Rec);
  void read_StateMaSyms(const ClsXML_DiagramRec& Rec, int DiagramID, EnumDia::Type Kind);
  void read_FlowLines(const ClsXML_DiagramRec& Rec, int DiagramID);
  void read_Channels(const ClsXML_DiagramRec& Rec, int DiagramID);
  const ClsXML_DiagramRec& find_Diagram(int FileID);

  // Takes effect of reading an element now: its entity work, then its error.
  void charge(const ClsXML_Outcome& Outcome);
  int read_ID(const ClsXML_DiagramRec& Rec);
  int translate(int FileID) { return IDs.get_New_ID_from_Old_ID(FileID); }

  const ClsXML_FileRecords& File;
  SysSpec* pModel;
  ClsRenumberingHelper& IDs;
  std::size_t EntityWork = 0;
  std::unique_ptr<ClsXML_DiagramIndex> pIndex;  // built at the first reference
};

void Builder::run() {
  if (!File.HasRoot) throw E(MSG_EMPTY);
  if (File.RootName != B::TN_SYSSPEC) {
    DebugPrinter::print("document of the wrong type, root node (" + File.RootName + ") != " + B::TN_SYSSPEC + "\n",
                        false);
    return;
  }
  if (!File.HasFirstChild) return;
  if (File.SysDia < 0) {
    DebugPrinter::print("document of the wrong type, was '" + File.FirstChildName + "', " + B::TN_SYSDIA + " expected",
                        false);
    return;
  }
  std::vector<Frame> Stack;
  Stack.push_back(read_SysDia(File.Diagrams[static_cast<std::size_t>(File.SysDia)]));
  while (!Stack.empty()) {
    const Symbol* RefSym = nullptr;
    if (const ClsXML_DiagramRec* Next = read_NextRecSymbol(Stack.back(), RefSym)) {
      Stack.push_back(start_ReferencedDiagram(*Next, RefSym));
    } else if (!RefSym) {
      finish_Diagram(Stack.back());
      Stack.pop_back();
    }
  }
}

void Builder::charge(const ClsXML_Outcome& Outcome) {
  EntityWork += Outcome.Work;
  if (EntityWork > ClsXML_NodeAccess::ENTITY_WORK_LIMIT) throw E(ClsXML_NodeAccess::ENTITY_LIMIT_MESSAGE);
  if (Outcome.Error) throw *Outcome.Error;
}

int Builder::read_ID(const ClsXML_DiagramRec& Rec) {
  charge(Rec.ID);
  if (!Rec.ID.Present) throw E("Missing attribute " + B::AN_ID + " in element " + *DIAGRAM_NAMES[Rec.Name]);
  return Rec.ID.Value;
}

Builder::Frame Builder::read_SysDia(const ClsXML_DiagramRec& Rec) {
  IDs.add_ID_Pair(read_ID(Rec), pModel->get_System_Model_ID());
  charge(Rec.Title);
  ClsMoAccessInfo Info;
  pModel->modify_SysDiaName(Rec.Title.Text, Info);
  expect(Info, R::MODIFY_OK);
  return start_Diagram(Rec, EnumDia::SYS_DIA);
}

Builder::Frame Builder::start_ReferencedDiagram(const ClsXML_DiagramRec& Rec, const Symbol* RefSym) {
  const Diagram* Referenced = RefSym->get_referenced_Diagram();
  EnumDia::Type Kind = Referenced ? Referenced->get_DiagramType() : EnumDia::NONE;
  int Expected = Kind == EnumDia::BLK_DIA         ? ClsXML_DiagramRec::BLKDIA
                 : Kind == EnumDia::PRO_DIA       ? ClsXML_DiagramRec::PRODIA
                 : Kind == EnumDia::PROCEDURE_DIA ? ClsXML_DiagramRec::PROCEDUREDIA
                                                  : -1;
  if (Rec.Name != Expected) throw E();
  if (Kind == EnumDia::PROCEDURE_DIA) {
    int DiagramID = translate(read_ID(Rec));
    charge(Rec.Title);
    ClsMoAccessInfo Info;
    pModel->modify_ProcedureDiaFormalParameters(DiagramID, Rec.Title.Text, Info);
    expect(Info, R::MODIFY_OK);
  }
  return start_Diagram(Rec, Kind);
}

// Pages first, then the structure symbols one by one.
Builder::Frame Builder::start_Diagram(const ClsXML_DiagramRec& Rec, EnumDia::Type Kind) {
  read_Pages(Rec);
  const ClsXML_KindTable* Symbols = Kind == EnumDia::PRO_DIA         ? &PRO_SYMBOLS
                                    : Kind == EnumDia::PROCEDURE_DIA ? &PROCEDURE_SYMBOLS
                                                                     : &HL_SYMBOLS;
  return Frame{&Rec, Kind, translate(read_ID(Rec)), Symbols, 0, 0};
}

void Builder::finish_Diagram(const Frame& F) {
  if (F.Kind != EnumDia::PROCEDURE_DIA) read_Channels(*F.Rec, F.DiagramID);
  if (F.Kind == EnumDia::PRO_DIA || F.Kind == EnumDia::PROCEDURE_DIA) {
    read_StateMaSyms(*F.Rec, F.DiagramID, F.Kind);
    read_FlowLines(*F.Rec, F.DiagramID);
  }
}

// RefSym is left null when the frame has no symbol left.
const ClsXML_DiagramRec* Builder::read_NextRecSymbol(Frame& F, const Symbol*& RefSym) {
  std::size_t Slot = 0;
  while (F.Entry < F.Symbols->size()) {
    Slot = symbol_Slot((*F.Symbols)[F.Entry].Kind);
    if (F.Position < F.Rec->Symbols[Slot].size()) break;
    ++F.Entry;
    F.Position = 0;
  }
  if (F.Entry == F.Symbols->size()) return nullptr;
  const ClsXML_SymbolRec& S = F.Rec->Symbols[Slot][F.Position++];
  charge(S);
  int Page = translate(S.PageID);
  ClsMoAccessInfo Info;
  int NewID = -1;
  pModel->insert_Symbol(static_cast<EnumSym::Type>(ALL_SYMBOLS[Slot].Kind), F.DiagramID, Page, S.x, S.y, S.Width,
                       S.Height, S.Content, Info, NewID);
  expect(Info, R::INSERT_OK, "Error in internal data access");
  IDs.add_ID_Pair(S.ID, NewID);
  RefSym = pModel->get_RecSymbol(NewID, Info);
  expect(Info, R::GET_OK);
  if (!RefSym->is_referencing_Symbol()) return nullptr;
  if (!S.HasRef) throw E("Missing attribute " + B::AN_ID_REF + " in element " + *ALL_SYMBOLS[Slot].Name);
  IDs.add_ID_Pair(S.RefID, RefSym->get_referenced_Diagram_Model_ID());
  return &find_Diagram(S.RefID);
}

void Builder::read_Pages(const ClsXML_DiagramRec& Rec) {
  int DiagramID = translate(read_ID(Rec));
  ClsMoAccessInfo Info;
  const Diagram* Dia = pModel->get_Diagram(DiagramID, Info);
  expect(Info, R::GET_OK, MSG_INTERNAL);
  bool First = true;
  for (const ClsXML_PageRec& P : Rec.Pages) {
    charge(P);
    int PageID = -1;
    if (First) {
      PageID = Dia->get_FirstPageID(Info);
      expect(Info, R::PAGE_GET_OK, std::string(MSG_INTERNAL) + "\nID handling");
    } else {
      pModel->append_NewPage(DiagramID, Info);
      expect(Info, R::PAGE_INSERT_OK, MSG_INTERNAL);
      PageID = pModel->get_LastPageID(DiagramID, Info);
      expect(Info, R::PAGE_GET_OK, MSG_INTERNAL);
    }
    First = false;
    IDs.add_ID_Pair(P.ID, PageID);
    pModel->modify_PageWidth(DiagramID, PageID, P.Width, Info);
    expect(Info, R::MODIFY_OK, std::string(MSG_INTERNAL) + "\nModifying Page Width");
    pModel->modify_PageHeight(DiagramID, PageID, P.Height, Info);
    expect(Info, R::MODIFY_OK, std::string(MSG_INTERNAL) + "\nModifying Page Height");
    pModel->modify_PageFramePaS(DiagramID, PageID, P.FrameX, P.FrameY, P.FrameWidth, P.FrameHeight, Info);
    expect(Info, R::MODIFY_OK, std::string(MSG_INTERNAL) + "\nModifying Page Frame PaS");
  }
}

void Builder::read_StateMaSyms(const ClsXML_DiagramRec& Rec, int DiagramID, EnumDia::Type Kind) {
  std::size_t Count = Kind == EnumDia::PRO_DIA ? PROCESS_STATE_MA_KINDS : STATE_MA_SYMBOLS.size();
  for (std::size_t k = 0; k < Count; ++k) {
    for (const ClsXML_SymbolRec& S : Rec.StateMaSymbols[k]) {
      charge(S);
      int Page = translate(S.PageID);
      ClsMoAccessInfo Info;
      int NewID = -1;
      pModel->insert_StateMachineSymbol(static_cast<SM::e_StateMachineSymbolType>(STATE_MA_SYMBOLS[k].Kind),
                                       DiagramID, Page, S.x, S.y, S.Width, S.Height, S.Content, Info, NewID);
      expect(Info, R::INSERT_OK);
      IDs.add_ID_Pair(S.ID, NewID);
    }
  }
}

// All normal flow lines first, then all decision flow lines.
void Builder::read_FlowLines(const ClsXML_DiagramRec& Rec, int DiagramID) {
  for (std::size_t k = 0; k < FLOW_LINES.size(); ++k) {
    bool Decision = FLOW_LINES[k].Kind == ClsFlowLine::DECISION_ANSWER;
    for (const ClsXML_FlowLineRec& L : Rec.FlowLines[k]) {
      charge(L);
      int Page = translate(L.PageID);
      int Source = translate(L.SourceID);
      int Dest = translate(L.DestID);
      std::list<int> Coords(L.Coords.begin(), L.Coords.end());
      ClsMoAccessInfo Info;
      int NewID = -1;
      if (Decision)
        pModel->insert_DecisionFlowLine(DiagramID, Page, Coords, Source, Dest, L.Content, L.PaS, Info, NewID);
      else pModel->insert_FlowLine(DiagramID, Page, Coords, Source, Dest, Info, NewID);
      expect(Info, R::INSERT_OK);
      IDs.add_ID_Pair(L.ID, NewID);
    }
  }
}

void Builder::read_Channels(const ClsXML_DiagramRec& Rec, int DiagramID) {
  for (const ClsXML_ChannelRec& C : Rec.Channels) {
    charge(C);
    int Page = translate(C.PageID);
    int Source = C.SourceIsEnv ? C.SourceID : translate(C.SourceID);
    int Dest = C.DestIsEnv ? C.DestID : translate(C.DestID);
    std::list<int> Coords(C.Coords.begin(), C.Coords.end());
    ClsMoAccessInfo Info;
    int NewID = -1;
    pModel->insert_Channel(DiagramID, Page, C.Delay, C.Direction, ClsChanName(C.Texts[0], C.Boxes[0]),
                          ClsChanSourceSigList(C.Texts[1], C.Boxes[1]), ClsChanSourceCon(C.Texts[2], C.Boxes[2]),
                          ClsChanDestSigList(C.Texts[3], C.Boxes[3]), ClsChanDestCon(C.Texts[4], C.Boxes[4]), Coords,
                          C.SourceIsEnv, Source, C.DestIsEnv, Dest, Info, NewID);
    IDs.add_ID_Pair(C.ID, NewID);
    expect(Info, R::INSERT_OK);
  }
}

// The index is built at the first reference; building it reads the ID of
// every diagram element.
const ClsXML_DiagramRec& Builder::find_Diagram(int FileID) {
  if (!pIndex) {
    for (const ClsXML_DiagramRec& Rec : File.Diagrams)
      if (Rec.Indexed) charge(Rec.ID);
    pIndex.reset(new ClsXML_DiagramIndex(File.Diagrams));
  }
  return File.Diagrams[pIndex->find(FileID)];
}
}  // namespace

const std::string ClsXML_Reader::NOT_SPECIFIED = "not specified";
const std::string ClsXML_Reader_ErrorReporter::NOT_SPECIFIED = "not specified";

void ClsXML_Reader::read_SysSpec(const std::string& FileName, SysSpec* Target) {
  ClsXML_FileRecords File;
  ClsXML_RecordReader::read_File(FileName, File);
  Builder(File, Target, IDs).run();
}

void ClsXML_Reader::read_SysSpecFromMemory(const std::string& Content, SysSpec* Target) {
  ClsXML_FileRecords File;
  ClsXML_RecordReader::read_Memory(Content, File);
  Builder(File, Target, IDs).run();
}

}  // namespace Vemra
