#include "model/Diagram.h"

#include "model/Converter.h"
#include "model/DebugPrinter.h"

namespace Vemra {

const std::string Diagram::STR_DIA_TYPE_SYS = "system";
const std::string Diagram::STR_DIA_TYPE_BLK = "block";
const std::string Diagram::STR_DIA_TYPE_PRO_DIA = "process";
const std::string Diagram::STR_DIA_TYPE_BLK_TYPE = "block type";
const std::string Diagram::STR_DIA_TYPE_PRO_TYPE = "process type";
const std::string Diagram::STR_DIA_TYPE_PROCEDURE = "procedure";

namespace {

using R = ClsMoAccessInfo;

std::uint64_t page_key(int PageID) { return group_key(PageID, 0); }

// Groups of the element stores (see the *Groups descriptions in Diagram.h).
const int SYM_BY_PAGE_KIND = 1;
const int SM_BY_PAGE = 0, SM_BY_PAGE_KIND = 1;
const int FL_BY_PAGE = 0, FL_BY_PAGE_DEST = 1, FL_BY_PAGE_SOURCE = 2;
const int CHAN_BY_PAGE = 1;

bool is_symbol_kind(int Type) { return Type >= EnumSym::TEXT_SYM && Type <= EnumSym::PROCEDURE_INST_REF_SYM; }

}  // namespace

std::string Diagram::get_DiagramTypeText(EnumDia::Type Type) {
  switch (Type) {
    case EnumDia::SYS_DIA: return STR_DIA_TYPE_SYS;
    case EnumDia::BLK_DIA: return STR_DIA_TYPE_BLK;
    case EnumDia::PRO_DIA: return STR_DIA_TYPE_PRO_DIA;
    case EnumDia::BLK_TYPE_DIA: return STR_DIA_TYPE_BLK_TYPE;
    case EnumDia::PRO_TYPE_DIA: return STR_DIA_TYPE_PRO_TYPE;
    case EnumDia::PROCEDURE_DIA: return STR_DIA_TYPE_PROCEDURE;
    default: return "unknown";
  }
}

Diagram::Diagram(int ModelID, EnumDia::Type Type, const std::string& Name, int FirstPageID, const Symbol* Referencing)
    : ClsObjectWithModel_ID(ModelID),
      DiagramType(Type),
      pReferencingSymbol(Referencing),
      HP_DiagramType(get_DiagramTypeText(Type)),
      HP_Name(Name),
      PageManager(FirstPageID) {}

Diagram::~Diagram() { destroy_Contents(); }

void Diagram::destroy_Contents() {
  for (Symbol* sym : Symbols.take_all()) destroy_Symbol(sym);
  for (ClsStateMachineSymbol* sym : StateMachineSymbols.take_all())
    if (!destroy_StateMachineSymbol(sym))
      debug_error("error in: Vemra::Diagram::~Diagram()", "unconsidered Process Symbol Type !!!");
  for (ClsFlowLine* line : FlowLines.take_all())
    if (!destroy_FlowLine(line)) debug_error("error in: Vemra::Diagram::~Diagram()", "unconsidered Flow Line Type !!!");
  for (ClsChannel* chan : Channels.take_all()) delete chan;
}

void Diagram::destroy(Diagram* dia) {
  std::vector<Diagram*> pending;
  if (dia) pending.push_back(dia);
  while (!pending.empty()) {
    Diagram* d = pending.back();
    pending.pop_back();
    // The diagrams of its reference symbols join the list; the symbols then
    // go without them.
    d->Symbols.for_each([&pending](Symbol* sym) {
      if (Diagram* child = sym->release_referenced_Diagram()) pending.push_back(child);
    });
    switch (d->get_DiagramType()) {
      case EnumDia::SYS_DIA: delete static_cast<ClsSysDia*>(d); break;
      case EnumDia::BLK_DIA: delete static_cast<ClsBlockDia*>(d); break;
      case EnumDia::PRO_DIA: delete static_cast<ClsProcessDia*>(d); break;
      case EnumDia::PROCEDURE_DIA: delete static_cast<ClsProcedureDia*>(d); break;
      default: debug_error("error in: Vemra::Diagram::destroy()", "unconsidered Diagram Type !!!"); break;
    }
  }
}

// ---- header, pages -------------------------------------------------------

void Diagram::get_HeaderPart_Index(int PageID, std::string& Index, ClsMoAccessInfo& Info) const {
  int position = PageManager.get_PageIndex(PageID, Info);
  if (Info.get_Info() != R::GET_OK) {
    Index = "error";
    return;
  }
  Index = Converter::Int_to_String(position) + "(" + Converter::Int_to_String(PageManager.get_NumberOfPages()) + ")";
}

void Diagram::get_PageFrameInfo(int PageID, ClsRecPaS& Frame, std::string& DiagramTypeText, std::string& Name,
                                std::string& Index, ClsMoAccessInfo& Info) const {
  Name = HP_Name;
  DiagramTypeText = HP_DiagramType;
  get_HeaderPart_Index(PageID, Index, Info);
  if (Info.get_Info() != R::GET_OK) return;
  PageManager.get_FramePaS(PageID, Frame, Info);
}

const Symbol* Diagram::get_referencing_Symbol() const {
  if (!is_referenced_Diagram() || !pReferencingSymbol) {
    debug_line("error: const Vemra::Symbol * Vemra::Diagram::get_referencing_Symbol() const");
    return nullptr;
  }
  return pReferencingSymbol;
}

int Diagram::get_referencing_Symbol_Model_ID() const {
  if (!is_referenced_Diagram() || !pReferencingSymbol) {
    debug_line("error: Vemra::Diagram::get_referencing_Symbol_Model_ID()");
    return -1;
  }
  return pReferencingSymbol->get_Model_ID();
}

void Diagram::delete_Page(int PageID, ClsMoAccessInfo& Info) {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::PAGE_UNKNOWN);
    return;
  }
  if (PageManager.get_NumberOfPages() <= 1) {
    Info.set_Info(R::PAGE_DELETE_ONE_PAGE_NEEDED);
    return;
  }
  for (int kind = EnumSym::TEXT_SYM; kind <= EnumSym::PROCEDURE_INST_REF_SYM; ++kind)
    for (Symbol* sym : Symbols.take_group(SYM_BY_PAGE_KIND, group_key(PageID, kind))) destroy_Symbol(sym);
  for (ClsChannel* chan : Channels.take_group(CHAN_BY_PAGE, page_key(PageID))) delete chan;
  for (ClsStateMachineSymbol* sym : StateMachineSymbols.take_group(SM_BY_PAGE, page_key(PageID)))
    if (!destroy_StateMachineSymbol(sym))
      debug_error("error in: void Vemra::Diagram::delete_Page(const int Page_ID, ClsMoAccessInfo & Info)",
                  "unconsidered Process Symbol Type !!!");
  for (ClsFlowLine* line : FlowLines.take_group(FL_BY_PAGE, page_key(PageID))) destroy_FlowLine(line);
  PageManager.delete_Page(PageID, Info);
}

void Diagram::printChannels() const {
  Channels.for_each([](const ClsChannel* chan) { chan->print(); });
}

// ---- structure symbols ---------------------------------------------------

Symbol* Diagram::insert_Symbol(EnumSym::Type Type, int ModelID, int PageID, int x, int y, int Width, int Height,
                               std::string Content, int RefDiagramID, int RefDiagramFirstPageID,
                               ClsMoAccessInfo& Info) {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::INSERT_PAGE_UNKNOWN);
    return nullptr;
  }
  Symbol* sym = create_Symbol(Type, ModelID, x, y, Width, Height, Content, PageID, RefDiagramID,
                              RefDiagramFirstPageID);
  if (!sym) {
    Info.set_Info(R::INSERT_UNCONSIDERED_SYMBOL);
    debug_error("error in: const Vemra::Symbol * Vemra::Diagram::insert_Symbol(...", "unconsidered symbol type !!!");
    return nullptr;
  }
  Symbols.append(sym);
  Info.set_Info(R::INSERT_OK);
  return sym;
}

const Symbol* Diagram::get_Symbol(int SymbolID, ClsMoAccessInfo& Info) const {
  const Symbol* sym = Symbols.find(SymbolID);
  if (!sym) {
    Info.set_Info(R::GET_SYMBOL_NOT_IN_LOCATION);
    debug_error(
        "error in: const Vemra::Symbol * Vemra::Diagram::get_Symbol(const int Symbol_ID, ClsMoAccessInfo & Info)",
        "Symbol not found!!!");
    return nullptr;
  }
  Info.set_Info(R::GET_OK);
  return sym;
}

void Diagram::get_Syms(EnumSym::Type Type, int PageID, std::list<const Symbol*>& Syms, ClsMoAccessInfo& Info) const {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::GET_PAGE_UNKNOWN);
    return;
  }
  if (!is_symbol_kind(Type)) {
    Info.set_Info(R::GET_SYMBOL_NOT_IN_LOCATION);
    debug_error("error in: void Vemra::Diagram::get_Syms(", "unconsidered e_SymbolType !!!");
    return;
  }
  Symbols.for_each_in_group(SYM_BY_PAGE_KIND, group_key(PageID, Type), [&](const Symbol* s) { Syms.push_back(s); });
  Info.set_Info(R::GET_OK);
}

void Diagram::modify_SymbolContent(int SymbolID, std::string Content, ClsMoAccessInfo& Info) {
  Symbol* sym = Symbols.find(SymbolID);
  if (!sym) {
    Info.set_Info(R::MODIFY_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  sym->modify_Content(std::move(Content));
  Info.set_Info(R::MODIFY_OK);
}

void Diagram::set_SymbolPaS(int SymbolID, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  Symbol* sym = Symbols.find(SymbolID);
  if (!sym) {
    Info.set_Info(R::MODIFY_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  sym->set_PaS(PaS);
  Info.set_Info(R::MODIFY_OK);
}

void Diagram::delete_Symbol(int SymbolID, ClsMoAccessInfo& Info) {
  Symbol* sym = Symbols.remove(SymbolID);
  if (!sym) {
    Info.set_Info(R::DELETE_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  destroy_Symbol(sym);
  Info.set_Info(R::DELETE_OK);
}

void Diagram::get_AllReferencedDiagrams(std::list<const Diagram*>& Diagrams, ClsMoAccessInfo& Info) const {
  Symbols.for_each([&](const Symbol* sym) {
    if (sym->is_referencing_Symbol() && sym->get_referenced_Diagram())
      Diagrams.push_back(sym->get_referenced_Diagram());
  });
  Info.set_Info(R::GET_OK);
}

void ClsProcessDia::get_Syms(EnumSym::Type Type, int PageID, std::list<const Symbol*>& Syms,
                             ClsMoAccessInfo& Info) const {
  if (Type == EnumSym::BLK_INST_REF_SYM || Type == EnumSym::BLK_TYPE_REF_SYM) {
    Info.set_Info(R::GET_SYMBOL_NOT_IN_LOCATION);
    return;
  }
  Diagram::get_Syms(Type, PageID, Syms, Info);
}

Symbol* ClsProcessDia::insert_Symbol(EnumSym::Type Type, int ModelID, int PageID, int x, int y, int Width,
                                     int Height, std::string Content, int RefDiagramID, int RefDiagramFirstPageID,
                                     ClsMoAccessInfo& Info) {
  if (Type == EnumSym::BLK_INST_REF_SYM || Type == EnumSym::BLK_TYPE_REF_SYM) {
    Info.set_Info(R::INSERT_SYMBOL_NOT_ALLOWED);
    return nullptr;
  }
  return Diagram::insert_Symbol(Type, ModelID, PageID, x, y, Width, Height, std::move(Content), RefDiagramID,
                                RefDiagramFirstPageID, Info);
}

// ---- channels ------------------------------------------------------------

// The form without a direction makes a channel of both directions.
ClsChannel* Diagram::insert_Channel(int ModelID, int PageID, ClsChannel::e_DelayType Delay, ClsChanName Name,
                                    ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon,
                                    ClsChanDestSigList DestSigList, ClsChanDestCon DestCon, std::list<int>& Coords,
                                    bool SourceIsEnv, int SourceID, bool DestIsEnv, int DestID,
                                    ClsMoAccessInfo& Info) {
  return Diagram::insert_Channel(ModelID, PageID, Delay, ClsChannel::BOTH, std::move(Name), std::move(SourceSigList),
                                 std::move(SourceCon), std::move(DestSigList), std::move(DestCon), Coords, SourceIsEnv,
                                 SourceID, DestIsEnv, DestID, Info);
}

ClsChannel* Diagram::insert_Channel(int ModelID, int PageID, ClsChannel::e_DelayType Delay,
                                    ClsChannel::e_DirectionType Direction, ClsChanName Name,
                                    ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon,
                                    ClsChanDestSigList DestSigList, ClsChanDestCon DestCon, std::list<int>& Coords,
                                    bool SourceIsEnv, int SourceID, bool DestIsEnv, int DestID,
                                    ClsMoAccessInfo& Info) {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::INSERT_PAGE_UNKNOWN);
    return nullptr;
  }
  ClsChannel* chan = new ClsChannel(ModelID, PageID, Delay, Direction, std::move(Name), std::move(SourceSigList),
                                    std::move(SourceCon), std::move(DestSigList), std::move(DestCon), Coords,
                                    SourceIsEnv, SourceID, DestIsEnv, DestID);
  Channels.append(chan);
  Info.set_Info(R::INSERT_OK);
  return chan;
}

const ClsChannel* Diagram::get_Channel(int ChannelID, ClsMoAccessInfo& Info) const {
  const ClsChannel* chan = Channels.find(ChannelID);
  Info.set_Info(chan ? R::GET_OK : R::GET_CHANNEL_NOT_IN_LOCATION);
  return chan;
}

void Diagram::get_Channels(int PageID, std::list<const ClsChannel*>& List, ClsMoAccessInfo& Info) const {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::GET_PAGE_UNKNOWN);
    return;
  }
  Channels.for_each_in_group(CHAN_BY_PAGE, page_key(PageID), [&](const ClsChannel* c) { List.push_back(c); });
  Info.set_Info(R::GET_OK);
}

namespace {
// Applies `change` to the channel with the ID, or reports it unknown.
template <class Store, class F>
void modify_in(Store& store, int ID, ClsMoAccessInfo& Info, F change) {
  auto* element = store.find(ID);
  if (!element) {
    Info.set_Info(R::MODIFY_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  change(*element);
  Info.set_Info(R::MODIFY_OK);
}
}  // namespace

void Diagram::modify_Chan_DirectionType(int ChannelID, ClsChannel::e_DirectionType Type, ClsMoAccessInfo& Info) {
  modify_in(Channels, ChannelID, Info, [&](ClsChannel& c) { c.modify_Chan_DirectionType(Type); });
}
void Diagram::modify_Chan_DelayType(int ChannelID, ClsChannel::e_DelayType Type, ClsMoAccessInfo& Info) {
  modify_in(Channels, ChannelID, Info, [&](ClsChannel& c) { c.modify_Chan_DelayType(Type); });
}
void Diagram::modify_Chan_Coords(int ChannelID, std::list<int>& Coords, ClsMoAccessInfo& Info) {
  modify_in(Channels, ChannelID, Info, [&](ClsChannel& c) { c.modify_Chan_Coords(Coords); });
}
void Diagram::modify_Comp_Name(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify_in(Channels, ChannelID, Info, [&](ClsChannel& c) { c.modify_Comp_Name(std::move(Content), PaS); });
}
void Diagram::modify_Comp_SourceSigList(int ChannelID, std::string Content, const ClsRecPaS& PaS,
                                        ClsMoAccessInfo& Info) {
  modify_in(Channels, ChannelID, Info, [&](ClsChannel& c) { c.modify_Comp_SourceSigList(std::move(Content), PaS); });
}
void Diagram::modify_Comp_SourceCon(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify_in(Channels, ChannelID, Info, [&](ClsChannel& c) { c.modify_Comp_SourceCon(std::move(Content), PaS); });
}
void Diagram::modify_Comp_DestSigList(int ChannelID, std::string Content, const ClsRecPaS& PaS,
                                      ClsMoAccessInfo& Info) {
  modify_in(Channels, ChannelID, Info, [&](ClsChannel& c) { c.modify_Comp_DestSigList(std::move(Content), PaS); });
}
void Diagram::modify_Comp_DestCon(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify_in(Channels, ChannelID, Info, [&](ClsChannel& c) { c.modify_Comp_DestCon(std::move(Content), PaS); });
}

void Diagram::delete_Channel(int ChannelID, ClsMoAccessInfo& Info) {
  ClsChannel* chan = Channels.remove(ChannelID);
  if (!chan) {
    Info.set_Info(R::DELETE_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  delete chan;
  Info.set_Info(R::DELETE_OK);
}

// ---- state-machine symbols -----------------------------------------------

ClsStateMachineSymbol* Diagram::insert_StateMachineSymbol(ClsStateMachineSymbol::e_StateMachineSymbolType Type,
                                                          int ModelID, int PageID, int x, int y, int Width,
                                                          int Height, std::string Content, ClsMoAccessInfo& Info) {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::INSERT_PAGE_UNKNOWN);
    return nullptr;
  }
  ClsStateMachineSymbol* sym = create_StateMachineSymbol(Type, ModelID, x, y, Width, Height, Content, PageID);
  if (!sym) {
    Info.set_Info(R::INSERT_UNCONSIDERED_STATEMACHINESYM);
    debug_error("error in: const Vemra::ClsStateMachineSymbol * Vemra::Diagram::insert_StateMachineSymbol",
                "unconsidered Process Symbol Type !!!");
    return nullptr;
  }
  StateMachineSymbols.append(sym);
  Info.set_Info(R::INSERT_OK);
  return sym;
}

const ClsStateMachineSymbol* Diagram::get_StateMachineSymbol(int SymbolID, ClsMoAccessInfo& Info) const {
  const ClsStateMachineSymbol* sym = StateMachineSymbols.find(SymbolID);
  if (!sym) {
    Info.set_Info(R::GET_STATEMACHINESYM_NOT_IN_LOCATION);
    debug_error("error in: const ClsStateMachineSymbol * Vemra::Diagram::get_StateMachineSymbol(const int Symbol_ID, "
                "ClsMoAccessInfo & Info) const",
                "Process Symbol not found!!!");
    return nullptr;
  }
  Info.set_Info(R::GET_OK);
  return sym;
}

void Diagram::get_StateMachineSyms(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int PageID,
                                   std::list<const ClsStateMachineSymbol*>& Syms, ClsMoAccessInfo& Info) const {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::GET_PAGE_UNKNOWN);
    return;
  }
  StateMachineSymbols.for_each_in_group(SM_BY_PAGE_KIND, group_key(PageID, Type),
                                        [&](const ClsStateMachineSymbol* s) { Syms.push_back(s); });
  Info.set_Info(R::GET_OK);
}

void Diagram::get_StateMachineSyms(int PageID, std::list<const ClsStateMachineSymbol*>& Syms,
                                   ClsMoAccessInfo& Info) const {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::GET_PAGE_UNKNOWN);
    return;
  }
  StateMachineSymbols.for_each_in_group(SM_BY_PAGE, page_key(PageID),
                                        [&](const ClsStateMachineSymbol* s) { Syms.push_back(s); });
  Info.set_Info(R::GET_OK);
}

void Diagram::modify_StateMachineSymPaS(int SymbolID, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  modify_in(StateMachineSymbols, SymbolID, Info, [&](ClsStateMachineSymbol& s) { s.set_PaS(PaS); });
}

void Diagram::modify_StateMachineSymContent(int SymbolID, std::string Content, ClsMoAccessInfo& Info) {
  modify_in(StateMachineSymbols, SymbolID, Info,
            [&](ClsStateMachineSymbol& s) { s.modify_Content(std::move(Content)); });
}

void Diagram::delete_StateMachineSymbol(int SymbolID, ClsMoAccessInfo& Info) {
  ClsStateMachineSymbol* sym = StateMachineSymbols.remove(SymbolID);
  if (!sym) {
    Info.set_Info(R::DELETE_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  destroy_StateMachineSymbol(sym);
  Info.set_Info(R::DELETE_OK);
}

// ---- flow lines ----------------------------------------------------------

ClsFlowLine* Diagram::add_FlowLine(ClsFlowLine* line) {
  FlowLines.append(line);
  return line;
}

ClsFlowLine* Diagram::insert_FlowLine(int ModelID, int PageID, std::list<int>& Coords, int SourceID, int DestID,
                                      ClsMoAccessInfo& Info) {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::INSERT_PAGE_UNKNOWN);
    return nullptr;
  }
  Info.set_Info(R::INSERT_OK);
  return add_FlowLine(new ClsNormalFlowLine(ModelID, PageID, Coords, SourceID, DestID));
}

ClsFlowLine* Diagram::insert_DecisionFlowLine(int ModelID, int PageID, std::list<int>& Coords, int SourceID,
                                              int DestID, const std::string& Content, const ClsRecPaS& PaS,
                                              ClsMoAccessInfo& Info) {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::INSERT_PAGE_UNKNOWN);
    return nullptr;
  }
  Info.set_Info(R::INSERT_OK);
  return add_FlowLine(new ClsDecisionFlowLine(ModelID, PageID, Coords, SourceID, DestID, Content, PaS));
}

const ClsFlowLine* Diagram::get_FlowLine(int FlowLineID, ClsMoAccessInfo& Info) const {
  const ClsFlowLine* line = FlowLines.find(FlowLineID);
  Info.set_Info(line ? R::GET_OK : R::GET_FLOWLINE_NOT_IN_LOCATION);
  return line;
}

void Diagram::get_FlowLines(int PageID, std::list<const ClsFlowLine*>& Lines, ClsMoAccessInfo& Info) const {
  if (!PageManager.Page_exists(PageID)) {
    Info.set_Info(R::GET_PAGE_UNKNOWN);
    return;
  }
  FlowLines.for_each_in_group(FL_BY_PAGE, page_key(PageID), [&](const ClsFlowLine* l) { Lines.push_back(l); });
  Info.set_Info(R::GET_OK);
}

void Diagram::get_FlowLinesEndingAt(int PageID, int SymbolID, std::list<const ClsFlowLine*>& Lines) const {
  FlowLines.for_each_in_group(FL_BY_PAGE_DEST, group_key(PageID, SymbolID),
                              [&](const ClsFlowLine* l) { Lines.push_back(l); });
}

void Diagram::get_FlowLinesStartingAt(int PageID, int SymbolID, std::list<const ClsFlowLine*>& Lines) const {
  FlowLines.for_each_in_group(FL_BY_PAGE_SOURCE, group_key(PageID, SymbolID),
                              [&](const ClsFlowLine* l) { Lines.push_back(l); });
}

void Diagram::modify_FlowLineCoords(int FlowLineID, std::list<int>& Coords, ClsMoAccessInfo& Info) {
  modify_in(FlowLines, FlowLineID, Info, [&](ClsFlowLine& l) { l.modify_FlowLineCoords(Coords); });
}

void Diagram::modify_DecisionFlowLinePaS(int FlowLineID, const ClsRecPaS& PaS, ClsMoAccessInfo& Info) {
  ClsFlowLine* line = FlowLines.find(FlowLineID);
  if (!line || line->get_FlowLineType() != ClsFlowLine::DECISION_ANSWER) {
    Info.set_Info(R::MODIFY_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  static_cast<ClsDecisionFlowLine*>(line)->modify_DecisionFlowLinePaS(PaS);
  Info.set_Info(R::MODIFY_OK);
}

void Diagram::modify_DecisionFlowLineContent(int FlowLineID, std::string Content, ClsMoAccessInfo& Info) {
  ClsFlowLine* line = FlowLines.find(FlowLineID);
  if (!line || line->get_FlowLineType() != ClsFlowLine::DECISION_ANSWER) {
    Info.set_Info(R::MODIFY_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  static_cast<ClsDecisionFlowLine*>(line)->modify_DecisionFlowLineContent(std::move(Content));
  Info.set_Info(R::MODIFY_OK);
}

void Diagram::delete_FlowLine(int FlowLineID, ClsMoAccessInfo& Info) {
  ClsFlowLine* line = FlowLines.remove(FlowLineID);
  if (!line) {
    Info.set_Info(R::DELETE_ELEMENT_NOT_IN_LOCATION);
    return;
  }
  destroy_FlowLine(line);
  Info.set_Info(R::DELETE_OK);
}

// ---- IDs taken along by a destruction -------------------------------------

void Diagram::collect_OwnIDs(std::vector<int>& IDs, std::vector<const Diagram*>& Pending) const {
  Symbols.for_each([&](const Symbol* sym) {
    IDs.push_back(sym->get_Model_ID());
    if (sym->is_referencing_Symbol() && sym->get_referenced_Diagram()) Pending.push_back(sym->get_referenced_Diagram());
  });
  Channels.for_each([&](const ClsChannel* c) { IDs.push_back(c->get_Model_ID()); });
  StateMachineSymbols.for_each([&](const ClsStateMachineSymbol* s) { IDs.push_back(s->get_Model_ID()); });
  FlowLines.for_each([&](const ClsFlowLine* l) { IDs.push_back(l->get_Model_ID()); });
}

void Diagram::collect_TreeIDs(std::vector<int>& IDs) const {
  std::vector<const Diagram*> pending{this};
  while (!pending.empty()) {
    const Diagram* d = pending.back();
    pending.pop_back();
    IDs.push_back(d->get_Model_ID());
    d->collect_OwnIDs(IDs, pending);
  }
}

void Diagram::collect_PageContentIDs(int PageID, std::vector<int>& IDs) const {
  for (int kind = EnumSym::TEXT_SYM; kind <= EnumSym::PROCEDURE_INST_REF_SYM; ++kind)
    Symbols.for_each_in_group(SYM_BY_PAGE_KIND, group_key(PageID, kind), [&](const Symbol* sym) {
      IDs.push_back(sym->get_Model_ID());
      if (sym->is_referencing_Symbol() && sym->get_referenced_Diagram())
        sym->get_referenced_Diagram()->collect_TreeIDs(IDs);
    });
  Channels.for_each_in_group(CHAN_BY_PAGE, page_key(PageID),
                             [&](const ClsChannel* c) { IDs.push_back(c->get_Model_ID()); });
  StateMachineSymbols.for_each_in_group(SM_BY_PAGE, page_key(PageID),
                                        [&](const ClsStateMachineSymbol* s) { IDs.push_back(s->get_Model_ID()); });
  FlowLines.for_each_in_group(FL_BY_PAGE, page_key(PageID),
                              [&](const ClsFlowLine* l) { IDs.push_back(l->get_Model_ID()); });
}

}  // namespace Vemra
