#include "model/SysSpec.h"

#include "model/DebugPrinter.h"

namespace Vemra {

namespace {
using R = ClsMoAccessInfo;
const char* const ROOT_NAME = "ROOT";
}  // namespace

SysSpec::SysSpec() : pMap(nullptr), pSysDia(nullptr) { build(); }

SysSpec::~SysSpec() { destroy(); }

void SysSpec::build() {
  pMap = new ClsMoEleMap();
  int SysID = pMap->get_ID();
  int PageID = pMap->get_ID();
  pSysDia = new ClsSysDia(SysID, ROOT_NAME, PageID);
  pMap->add_MoEle(pSysDia, pSysDia);
}

void SysSpec::destroy() {
  Diagram::destroy(pSysDia);
  pSysDia = nullptr;
  delete pMap;
  pMap = nullptr;
}

void SysSpec::reset() {
  destroy();
  build();
}

Diagram* SysSpec::find_Diagram(int DiagramID, ClsMoAccessInfo& Info) const {
  Diagram* dia = pMap->find_MoEle(DiagramID, ClsMoEleMap::ACCESS_GET_DIAGRAM, Info);
  return Info.get_Info() == R::GET_OK ? dia : nullptr;
}

void SysSpec::unregister(const std::vector<int>& IDs) {
  ClsMoAccessInfo ignored;
  for (int ID : IDs) pMap->delete_MoEle(ID, ignored);
}

// ---- whole diagrams --------------------------------------------------------

int SysSpec::get_System_Model_ID() const { return pSysDia->get_Model_ID(); }

const Diagram* SysSpec::get_Diagram(int DiagramID, ClsMoAccessInfo& Info) const {
  return find_Diagram(DiagramID, Info);
}

void SysSpec::modify_SysDiaName(std::string Name, ClsMoAccessInfo& Info) {
  pSysDia->modify_HeaderPart_Name(std::move(Name));
  Info.set_Info(R::MODIFY_OK);
}

void SysSpec::get_AllReferencedDiagrams(int DiagramID, std::list<const Diagram*>& Diagrams,
                                        ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (!dia) return;
  switch (dia->get_DiagramType()) {
    case EnumDia::SYS_DIA:
    case EnumDia::BLK_DIA:
    case EnumDia::PRO_DIA:
    case EnumDia::PROCEDURE_DIA:
      dia->get_AllReferencedDiagrams(Diagrams, Info);
      break;
    default:
      Info.set_Info(R::GET_DIAGRAM_KIND_NOT_SUPPORTED);
  }
}

int SysSpec::get_ReferencingDiagramID(int DiagramID, ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (!dia) return -1;
  if (!dia->is_referenced_Diagram()) {
    debug_line("error in: int Vemra::SysSpec::get_DiagramID_from_referencing_Symbol");
    return -1;
  }
  int SymbolID = dia->get_referencing_Symbol_Model_ID();
  Diagram* parent = pMap->find_MoEle(SymbolID, ClsMoEleMap::ACCESS_GET_ELEMENT, Info);
  if (Info.get_Info() != R::GET_ELEMENT_OK) return -1;
  Info.set_Info(R::GET_OK);
  return parent->get_Model_ID();
}

int SysSpec::get_EnclosingDiagramID(int ElementID, ClsMoAccessInfo& Info) const {
  Diagram* dia = pMap->find_MoEle(ElementID, ClsMoEleMap::ACCESS_GET_ELEMENT, Info);
  if (Info.get_Info() != R::GET_ELEMENT_OK) return -1;
  Info.set_Info(R::GET_OK);
  return dia->get_Model_ID();
}

// A diagram that is not a procedure diagram has no formal parameters: the
// operations answer as for an ID that names no diagram and change nothing.
void SysSpec::modify_ProcedureDiaFormalParameters(int DiagramID, const std::string& Parameters,
                                                  ClsMoAccessInfo& Info) {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (!dia) return;
  if (dia->get_DiagramType() != EnumDia::PROCEDURE_DIA) {
    Info.set_Info(R::GET_LOCATION_NO_DIAGRAM);
    return;
  }
  static_cast<ClsProcedureDia*>(dia)->modify_FormalParameters(Parameters);
  Info.set_Info(R::MODIFY_OK);
}

void SysSpec::get_ProcedureDiaFormalParameters(int DiagramID, std::string& Parameters, ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (!dia) return;
  if (dia->get_DiagramType() != EnumDia::PROCEDURE_DIA) {
    Info.set_Info(R::GET_LOCATION_NO_DIAGRAM);
    return;
  }
  Parameters = static_cast<ClsProcedureDia*>(dia)->get_FormalParameters();
  Info.set_Info(R::GET_OK);
}

void SysSpec::print_Map() { pMap->print_Map(); }

// ---- pages -------------------------------------------------------------------

int SysSpec::get_FirstPageID(int DiagramID, ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  return dia ? dia->get_FirstPageID(Info) : -1;
}

int SysSpec::get_LastPageID(int DiagramID, ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  return dia ? dia->get_LastPageID(Info) : -1;
}

int SysSpec::get_NextPageID(int DiagramID, int PageID, ClsPageManager::e_PageIndex& Index,
                            ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  return dia ? dia->get_NextPageID(PageID, Index, Info) : -1;
}

int SysSpec::get_PreviousPageID(int DiagramID, int PageID, ClsPageManager::e_PageIndex& Index,
                                ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  return dia ? dia->get_PreviousPageID(PageID, Index, Info) : -1;
}

void SysSpec::add_NewPage_after(int DiagramID, int AncestorPageID, ClsMoAccessInfo& Info) {
  int NewPageID = pMap->get_ID();
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->add_NewPage_after(NewPageID, AncestorPageID, Info);
}

void SysSpec::append_NewPage(int DiagramID, ClsMoAccessInfo& Info) {
  int LastPageID = get_LastPageID(DiagramID, Info);
  if (Info.get_Info() != R::PAGE_GET_OK) return;
  add_NewPage_after(DiagramID, LastPageID, Info);
}

void SysSpec::delete_Page(int DiagramID, int PageID, ClsMoAccessInfo& Info) {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (!dia) return;
  switch (dia->get_DiagramType()) {
    case EnumDia::SYS_DIA:
    case EnumDia::BLK_DIA:
    case EnumDia::PRO_DIA:
    case EnumDia::PROCEDURE_DIA:
      break;
    default:
      Info.set_Info(R::PAGE_DELETE_DIAGRAM_KIND_NOT_SUPPORTED);
      return;
  }
  // The map entries of everything the page takes with it go too, so that no
  // later operation can reach a destroyed element or diagram.
  std::vector<int> destroyed;
  if (dia->Page_exists(PageID) && dia->get_NumberOfPages() > 1) dia->collect_PageContentIDs(PageID, destroyed);
  dia->delete_Page(PageID, Info);
  if (Info.get_Info() == R::PAGE_DELETE_OK) unregister(destroyed);
}

void SysSpec::get_PageSize(int DiagramID, int PageID, int& Width, int& Height, ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->get_PageSize(PageID, Width, Height, Info);
}

void SysSpec::get_PageFrameInfo(int DiagramID, int PageID, ClsRecPaS& Frame, std::string& DiagramType,
                                std::string& Name, std::string& Index, ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->get_PageFrameInfo(PageID, Frame, DiagramType, Name, Index, Info);
}

void SysSpec::modify_PageWidth(int DiagramID, int PageID, int Width, ClsMoAccessInfo& Info) {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->modify_PageWidth(PageID, Width, Info);
}

void SysSpec::modify_PageHeight(int DiagramID, int PageID, int Height, ClsMoAccessInfo& Info) {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->modify_PageHeight(PageID, Height, Info);
}

void SysSpec::modify_PageFramePaS(int DiagramID, int PageID, int x, int y, int Width, int Height,
                                  ClsMoAccessInfo& Info) {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->modify_PageFramePaS(PageID, x, y, Width, Height, Info);
}

// ---- shared patterns -----------------------------------------------------------

template <class F>
void SysSpec::modify(int ElementID, ClsMoAccessInfo& Info, F change) {
  Diagram* dia = pMap->find_MoEle(ElementID, ClsMoEleMap::ACCESS_MODIFY, Info);
  if (Info.get_Info() != R::MODIFY_OK) return;
  change(*dia);
}

template <class F>
void SysSpec::remove(int ElementID, ClsMoAccessInfo& Info, F erase) {
  Diagram* dia = pMap->find_MoEle(ElementID, ClsMoEleMap::ACCESS_DELETE, Info);
  if (Info.get_Info() != R::DELETE_OK) return;
  erase(*dia);
  if (Info.get_Info() != R::DELETE_OK) return;
  pMap->delete_MoEle(ElementID, Info);
}

// ---- structure symbols -----------------------------------------------------------

void SysSpec::insert_Symbol(EnumSym::Type Type, int DiagramID, int PageID, int x, int y, int Width, int Height,
                            std::string Content, ClsMoAccessInfo& Info, int& NewID) {
  Diagram* dia = pMap->find_MoEle(DiagramID, ClsMoEleMap::ACCESS_INSERT, Info);
  if (Info.get_Info() != R::INSERT_OK) return;
  int SymbolID = pMap->get_ID();
  int RefDiagramID = pMap->get_ID();
  int RefFirstPageID = pMap->get_ID();
  Symbol* sym = dia->insert_Symbol(Type, SymbolID, PageID, x, y, Width, Height, std::move(Content), RefDiagramID,
                                   RefFirstPageID, Info);
  if (Info.get_Info() != R::INSERT_OK) return;
  NewID = SymbolID;
  pMap->add_MoEle(sym, dia);
  if (sym->is_referencing_Symbol()) {
    Diagram* ref = sym->get_referenced_Diagram();
    if (ref) pMap->add_MoEle(ref, ref);
  }
}

const Symbol* SysSpec::get_RecSymbol(int SymbolID, ClsMoAccessInfo& Info) const {
  Diagram* dia = pMap->find_MoEle(SymbolID, ClsMoEleMap::ACCESS_GET_ELEMENT, Info);
  if (Info.get_Info() != R::GET_ELEMENT_OK) return nullptr;
  return dia->get_Symbol(SymbolID, Info);
}

void SysSpec::get_Syms(EnumSym::Type Type, int DiagramID, int PageID, std::list<const Symbol*>& Syms,
                       ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->get_Syms(Type, PageID, Syms, Info);
}

void SysSpec::modify_SymbolContent(int SymbolID, std::string Content, ClsMoAccessInfo& Info) {
  modify(SymbolID, Info, [&](Diagram& d) { d.modify_SymbolContent(SymbolID, std::move(Content), Info); });
}

void SysSpec::set_SymbolPaS(int SymbolID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info) {
  modify(SymbolID, Info, [&](Diagram& d) { d.set_SymbolPaS(SymbolID, ClsRecPaS(x, y, Width, Height), Info); });
}

void SysSpec::delete_Symbol(int SymbolID, ClsMoAccessInfo& Info) {
  Diagram* dia = pMap->find_MoEle(SymbolID, ClsMoEleMap::ACCESS_DELETE, Info);
  if (Info.get_Info() != R::DELETE_OK) return;
  const Symbol* sym = dia->get_Symbol(SymbolID, Info);
  if (Info.get_Info() != R::GET_OK) {
    Info.set_Info(R::DELETE_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  // Everything inside the referenced diagram's tree leaves the map with it.
  std::vector<int> inside;
  int RefDiagramID = -1;
  if (sym->is_referencing_Symbol() && sym->get_referenced_Diagram()) {
    const Diagram* ref = sym->get_referenced_Diagram();
    RefDiagramID = ref->get_Model_ID();
    ref->collect_TreeIDs(inside);
  }
  dia->delete_Symbol(SymbolID, Info);
  if (Info.get_Info() != R::DELETE_OK) return;
  pMap->delete_MoEle(SymbolID, Info);
  if (Info.get_Info() != R::DELETE_OK) return;
  if (RefDiagramID != -1) {
    pMap->delete_MoEle(RefDiagramID, Info);
    for (int ID : inside)
      if (ID != RefDiagramID) {
        ClsMoAccessInfo ignored;
        pMap->delete_MoEle(ID, ignored);
      }
  }
}

// ---- channels -----------------------------------------------------------------------

void SysSpec::insert_Channel(int DiagramID, int PageID, ClsChannel::e_DelayType Delay, ClsChanName Name,
                             ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon,
                             ClsChanDestSigList DestSigList, ClsChanDestCon DestCon, std::list<int>& Coords,
                             bool SourceIsEnv, int SourceID, bool DestIsEnv, int DestID, ClsMoAccessInfo& Info,
                             int& NewID) {
  insert_Channel(DiagramID, PageID, Delay, ClsChannel::BOTH, std::move(Name), std::move(SourceSigList),
                 std::move(SourceCon), std::move(DestSigList), std::move(DestCon), Coords, SourceIsEnv, SourceID,
                 DestIsEnv, DestID, Info, NewID);
}

void SysSpec::insert_Channel(int DiagramID, int PageID, ClsChannel::e_DelayType Delay,
                             ClsChannel::e_DirectionType Direction, ClsChanName Name,
                             ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon,
                             ClsChanDestSigList DestSigList, ClsChanDestCon DestCon, std::list<int>& Coords,
                             bool SourceIsEnv, int SourceID, bool DestIsEnv, int DestID, ClsMoAccessInfo& Info,
                             int& NewID) {
  Diagram* dia = pMap->find_MoEle(DiagramID, ClsMoEleMap::ACCESS_INSERT, Info);
  if (Info.get_Info() != R::INSERT_OK) return;
  if (!SourceIsEnv) {
    dia->get_Symbol(SourceID, Info);
    if (Info.get_Info() != R::GET_OK) {
      Info.set_Info(R::INSERT_CHAN_SOURCE_UNKNOWN);
      return;
    }
  }
  if (!DestIsEnv) {
    dia->get_Symbol(DestID, Info);
    if (Info.get_Info() != R::GET_OK) {
      Info.set_Info(R::INSERT_CHAN_DEST_UNKNOWN);
      return;
    }
  }
  int ChannelID = pMap->get_ID();
  ClsChannel* chan = dia->insert_Channel(ChannelID, PageID, Delay, Direction, std::move(Name), std::move(SourceSigList),
                                         std::move(SourceCon), std::move(DestSigList), std::move(DestCon), Coords,
                                         SourceIsEnv, SourceID, DestIsEnv, DestID, Info);
  if (Info.get_Info() != R::INSERT_OK) return;
  NewID = ChannelID;
  pMap->add_MoEle(chan, dia);
}

void SysSpec::get_Channels(int DiagramID, int PageID, std::list<const ClsChannel*>& Channels,
                           ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->get_Channels(PageID, Channels, Info);
}

void SysSpec::modify_Chan_DirectionType(int ChannelID, ClsChannel::e_DirectionType Type, ClsMoAccessInfo& Info) {
  modify(ChannelID, Info, [&](Diagram& d) { d.modify_Chan_DirectionType(ChannelID, Type, Info); });
}
void SysSpec::modify_Chan_DelayType(int ChannelID, ClsChannel::e_DelayType Type, ClsMoAccessInfo& Info) {
  modify(ChannelID, Info, [&](Diagram& d) { d.modify_Chan_DelayType(ChannelID, Type, Info); });
}
void SysSpec::modify_Chan_Coords(int ChannelID, std::list<int>& Coords, ClsMoAccessInfo& Info) {
  modify(ChannelID, Info, [&](Diagram& d) { d.modify_Chan_Coords(ChannelID, Coords, Info); });
}
void SysSpec::modify_ChanCompName(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify(ChannelID, Info, [&](Diagram& d) { d.modify_Comp_Name(ChannelID, std::move(Content), PaS, Info); });
}
void SysSpec::modify_ChanSourceSig(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify(ChannelID, Info, [&](Diagram& d) { d.modify_Comp_SourceSigList(ChannelID, std::move(Content), PaS, Info); });
}
void SysSpec::modify_ChanSourceCon(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify(ChannelID, Info, [&](Diagram& d) { d.modify_Comp_SourceCon(ChannelID, std::move(Content), PaS, Info); });
}
void SysSpec::modify_ChanDestSig(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify(ChannelID, Info, [&](Diagram& d) { d.modify_Comp_DestSigList(ChannelID, std::move(Content), PaS, Info); });
}
void SysSpec::modify_ChanDestCon(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify(ChannelID, Info, [&](Diagram& d) { d.modify_Comp_DestCon(ChannelID, std::move(Content), PaS, Info); });
}

void SysSpec::delete_Channel(int ChannelID, ClsMoAccessInfo& Info) {
  remove(ChannelID, Info, [&](Diagram& d) { d.delete_Channel(ChannelID, Info); });
}

// ---- state-machine symbols ---------------------------------------------------------------

void SysSpec::insert_StateMachineSymbol(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int DiagramID,
                                        int PageID, int x, int y, int Width, int Height, std::string Content,
                                        ClsMoAccessInfo& Info, int& NewID) {
  Diagram* dia = pMap->find_MoEle(DiagramID, ClsMoEleMap::ACCESS_INSERT, Info);
  if (Info.get_Info() != R::INSERT_OK) return;
  int SymbolID = pMap->get_ID();
  ClsStateMachineSymbol* sym =
      dia->insert_StateMachineSymbol(Type, SymbolID, PageID, x, y, Width, Height, std::move(Content), Info);
  if (Info.get_Info() != R::INSERT_OK) return;
  NewID = SymbolID;
  pMap->add_MoEle(sym, dia);
}

const ClsStateMachineSymbol* SysSpec::get_StateMachineSymbol(int SymbolID, ClsMoAccessInfo& Info) const {
  Diagram* dia = pMap->find_MoEle(SymbolID, ClsMoEleMap::ACCESS_GET_ELEMENT, Info);
  if (Info.get_Info() != R::GET_ELEMENT_OK) return nullptr;
  return dia->get_StateMachineSymbol(SymbolID, Info);
}

void SysSpec::get_StateMachineSyms(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int DiagramID, int PageID,
                                   std::list<const ClsStateMachineSymbol*>& Syms, ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->get_StateMachineSyms(Type, PageID, Syms, Info);
}

void SysSpec::get_StateMachineSymsFromDiagram(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int DiagramID,
                                              std::list<const ClsStateMachineSymbol*>& Syms,
                                              ClsMoAccessInfo& Info) const {
  Syms.clear();
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (!dia) return;
  std::list<int> pages;
  dia->get_IDsOfPages(pages);
  for (int PageID : pages) {
    dia->get_StateMachineSyms(Type, PageID, Syms, Info);
    if (Info.get_Info() != R::GET_OK) return;
  }
}

void SysSpec::get_StartingStateMachineSymsFromDiagram(ClsStateMachineSymbol::e_StateMachineSymbolType Type,
                                                      int DiagramID, std::list<const ClsStateMachineSymbol*>& Syms,
                                                      ClsMoAccessInfo& Info) const {
  std::list<const ClsStateMachineSymbol*> all;
  get_StateMachineSymsFromDiagram(Type, DiagramID, all, Info);
  Syms.clear();
  if (Info.get_Info() != R::GET_OK) return;
  std::list<const ClsFlowLine*> incoming;
  for (const ClsStateMachineSymbol* sym : all) {
    get_InComingFlowLinesFromStateMaSym(sym->get_Model_ID(), incoming, Info);
    if (Info.get_Info() != R::GET_OK) return;
    if (incoming.empty()) Syms.push_back(sym);
  }
}

void SysSpec::get_FlowLinesOfStateMaSym(int SymbolID, bool Incoming, std::list<const ClsFlowLine*>& Lines,
                                        ClsMoAccessInfo& Info) const {
  Lines.clear();
  Diagram* dia = pMap->find_MoEle(SymbolID, ClsMoEleMap::ACCESS_GET_ELEMENT, Info);
  if (Info.get_Info() != R::GET_ELEMENT_OK) return;
  const ClsStateMachineSymbol* sym = dia->get_StateMachineSymbol(SymbolID, Info);
  if (Info.get_Info() != R::GET_OK) return;
  // Only the flow lines of the symbol's own page count; a page that is gone
  // has none.
  int PageID = sym->get_Page_ID();
  if (dia->Page_exists(PageID)) {
    if (Incoming) dia->get_FlowLinesEndingAt(PageID, SymbolID, Lines);
    else dia->get_FlowLinesStartingAt(PageID, SymbolID, Lines);
  }
  Info.set_Info(R::GET_OK);
}

void SysSpec::get_InComingFlowLinesFromStateMaSym(int SymbolID, std::list<const ClsFlowLine*>& Lines,
                                                  ClsMoAccessInfo& Info) const {
  get_FlowLinesOfStateMaSym(SymbolID, true, Lines, Info);
}

void SysSpec::get_OutgoingFlowLinesFromStateMaSym(int SymbolID, std::list<const ClsFlowLine*>& Lines,
                                                  ClsMoAccessInfo& Info) const {
  get_FlowLinesOfStateMaSym(SymbolID, false, Lines, Info);
}

void SysSpec::modify_StateMachineSymPaS(int SymbolID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info) {
  modify(SymbolID, Info,
         [&](Diagram& d) { d.modify_StateMachineSymPaS(SymbolID, ClsRecPaS(x, y, Width, Height), Info); });
}

void SysSpec::modify_StateMachineSymContent(int SymbolID, std::string Content, ClsMoAccessInfo& Info) {
  modify(SymbolID, Info, [&](Diagram& d) { d.modify_StateMachineSymContent(SymbolID, std::move(Content), Info); });
}

void SysSpec::delete_StateMachineSymbol(int SymbolID, ClsMoAccessInfo& Info) {
  remove(SymbolID, Info, [&](Diagram& d) { d.delete_StateMachineSymbol(SymbolID, Info); });
}

// ---- flow lines ----------------------------------------------------------------------------

template <class F>
void SysSpec::insert_FlowLineChecked(int DiagramID, int SourceID, int DestID, ClsMoAccessInfo& Info, int& NewID,
                                     F insert) {
  Diagram* dia = pMap->find_MoEle(DiagramID, ClsMoEleMap::ACCESS_INSERT, Info);
  if (Info.get_Info() != R::INSERT_OK) return;
  dia->get_StateMachineSymbol(SourceID, Info);
  if (Info.get_Info() != R::GET_OK) {
    Info.set_Info(R::INSERT_FLOWLINE_SOURCE_UNKNOWN);
    return;
  }
  dia->get_StateMachineSymbol(DestID, Info);
  if (Info.get_Info() != R::GET_OK) {
    Info.set_Info(R::INSERT_FLOWLINE_DEST_UNKNOWN);
    return;
  }
  int LineID = pMap->get_ID();
  ClsFlowLine* line = insert(*dia, LineID);
  if (Info.get_Info() != R::INSERT_OK) return;
  NewID = LineID;
  pMap->add_MoEle(line, dia);
}

void SysSpec::insert_FlowLine(int DiagramID, int PageID, std::list<int>& Coords, int SourceID, int DestID,
                              ClsMoAccessInfo& Info, int& NewID) {
  insert_FlowLineChecked(DiagramID, SourceID, DestID, Info, NewID, [&](Diagram& d, int LineID) {
    return d.insert_FlowLine(LineID, PageID, Coords, SourceID, DestID, Info);
  });
}

void SysSpec::insert_DecisionFlowLine(int DiagramID, int PageID, std::list<int>& Coords, int SourceID, int DestID,
                                      const std::string& Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info,
                                      int& NewID) {
  insert_FlowLineChecked(DiagramID, SourceID, DestID, Info, NewID, [&](Diagram& d, int LineID) {
    return d.insert_DecisionFlowLine(LineID, PageID, Coords, SourceID, DestID, Content, PaS, Info);
  });
}

void SysSpec::get_FlowLines(int DiagramID, int PageID, std::list<const ClsFlowLine*>& Lines,
                            ClsMoAccessInfo& Info) const {
  Diagram* dia = find_Diagram(DiagramID, Info);
  if (dia) dia->get_FlowLines(PageID, Lines, Info);
}

void SysSpec::modify_FlowLineCoords(int FlowLineID, std::list<int>& Coords, ClsMoAccessInfo& Info) {
  modify(FlowLineID, Info, [&](Diagram& d) { d.modify_FlowLineCoords(FlowLineID, Coords, Info); });
}

void SysSpec::modify_DecisionFlowLinePaS(int FlowLineID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info) {
  modify(FlowLineID, Info,
         [&](Diagram& d) { d.modify_DecisionFlowLinePaS(FlowLineID, ClsRecPaS(x, y, Width, Height), Info); });
}

void SysSpec::modify_DecisionFlowLineContent(int FlowLineID, std::string Content, ClsMoAccessInfo& Info) {
  modify(FlowLineID, Info, [&](Diagram& d) { d.modify_DecisionFlowLineContent(FlowLineID, std::move(Content), Info); });
}

void SysSpec::delete_FlowLine(int FlowLineID, ClsMoAccessInfo& Info) {
  remove(FlowLineID, Info, [&](Diagram& d) { d.delete_FlowLine(FlowLineID, Info); });
}

}  // namespace Vemra
