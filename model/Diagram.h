#ifndef VEMRA_DIAGRAM_H
#define VEMRA_DIAGRAM_H

#include <list>
#include <string>
#include <vector>

#include "model/Channel.h"
#include "model/ElementStore.h"
#include "model/FlowLine.h"
#include "model/Geometry.h"
#include "model/MoAccessInfo.h"
#include "model/Page.h"
#include "model/StateMachineSymbol.h"
#include "model/Symbol.h"

namespace Vemra {

namespace EnumDia {
enum Type : int {
  NONE = 0,
  SYS_DIA = 1,
  BLK_DIA = 2,
  PRO_DIA = 3,
  BLK_TYPE_DIA = 4,
  PRO_TYPE_DIA = 5,
  PROCEDURE_DIA = 6
};
}  // namespace EnumDia

// Groups of the element families (see ElementStore and the stores of Diagram).
// Two groups, each with an index of its own.
struct TwoIndexedGroups {
  static const int CHAINS = 2, INDEXES = 2, HEADS = 1;
  static constexpr ChainPlace PLACES[CHAINS] = {{0, 0}, {1, 0}};
};
// Structure symbols: the list in order, and (page, kind).
struct SymbolGroups : TwoIndexedGroups {
  std::array<std::uint64_t, CHAINS> operator()(const Symbol* s) const {
    return {0, group_key(s->get_Page_ID(), s->get_SymbolType())};
  }
};
// Channels: the list in order, and page.
struct ChannelGroups : TwoIndexedGroups {
  std::array<std::uint64_t, CHAINS> operator()(const ClsChannel* c) const {
    return {0, group_key(c->get_Page_ID(), 0)};
  }
};
// State-machine symbols: page, and (page, kind).
struct StateMachineSymbolGroups : TwoIndexedGroups {
  std::array<std::uint64_t, CHAINS> operator()(const ClsStateMachineSymbol* s) const {
    return {group_key(s->get_Page_ID(), 0), group_key(s->get_Page_ID(), s->get_SymbolType())};
  }
};
// Flow lines: page, and per (page, symbol) one entry with the lines ending at
// the symbol and those starting at it.
struct FlowLineGroups {
  static const int CHAINS = 3, INDEXES = 2, HEADS = 2;
  static constexpr ChainPlace PLACES[CHAINS] = {{0, 0}, {1, 0}, {1, 1}};
  std::array<std::uint64_t, CHAINS> operator()(const ClsFlowLine* l) const {
    int page = l->get_Page_ID();
    return {group_key(page, 0), group_key(page, l->get_DestID_as_Int()), group_key(page, l->get_SourceID_as_Int())};
  }
};

// One diagram of the tree: its elements in four families and its pages.
// Each family is kept in insertion order and indexed by ID and by page.
class Diagram : public ClsObjectWithModel_ID {
public:
  static const std::string STR_DIA_TYPE_SYS;
  static const std::string STR_DIA_TYPE_BLK;
  static const std::string STR_DIA_TYPE_PRO_DIA;
  static const std::string STR_DIA_TYPE_BLK_TYPE;
  static const std::string STR_DIA_TYPE_PRO_TYPE;
  static const std::string STR_DIA_TYPE_PROCEDURE;
  static std::string get_DiagramTypeText(EnumDia::Type Type);

  Diagram(int ModelID, EnumDia::Type Type, const std::string& Name, int FirstPageID, const Symbol* Referencing);
  Diagram(const Diagram&) = delete;
  Diagram& operator=(const Diagram&) = delete;

  // 1
  ClsMoEleType::e_MoEle get_MoEleType() const override = 0;
  // 2-16: modifications of elements
  virtual void set_SymbolPaS(int SymbolID, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  virtual void modify_SymbolContent(int SymbolID, std::string Content, ClsMoAccessInfo& Info);
  virtual void modify_Chan_DirectionType(int ChannelID, ClsChannel::e_DirectionType Type, ClsMoAccessInfo& Info);
  virtual void modify_Chan_DelayType(int ChannelID, ClsChannel::e_DelayType Type, ClsMoAccessInfo& Info);
  virtual void modify_Chan_Coords(int ChannelID, std::list<int>& Coords, ClsMoAccessInfo& Info);
  virtual void modify_Comp_Name(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  virtual void modify_Comp_SourceSigList(int ChannelID, std::string Content, const ClsRecPaS& PaS,
                                         ClsMoAccessInfo& Info);
  virtual void modify_Comp_SourceCon(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  virtual void modify_Comp_DestSigList(int ChannelID, std::string Content, const ClsRecPaS& PaS,
                                       ClsMoAccessInfo& Info);
  virtual void modify_Comp_DestCon(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  virtual void modify_StateMachineSymPaS(int SymbolID, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  virtual void modify_StateMachineSymContent(int SymbolID, std::string Content, ClsMoAccessInfo& Info);
  virtual void modify_FlowLineCoords(int FlowLineID, std::list<int>& Coords, ClsMoAccessInfo& Info);
  virtual void modify_DecisionFlowLinePaS(int FlowLineID, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  virtual void modify_DecisionFlowLineContent(int FlowLineID, std::string Content, ClsMoAccessInfo& Info);
  // 17-18
  virtual bool is_referenced_Diagram() const = 0;
  virtual void get_AllReferencedDiagrams(std::list<const Diagram*>& Diagrams, ClsMoAccessInfo& Info) const;
  // 19-27: reads
  virtual const Symbol* get_Symbol(int SymbolID, ClsMoAccessInfo& Info) const;
  virtual void get_Syms(EnumSym::Type Type, int PageID, std::list<const Symbol*>& Syms, ClsMoAccessInfo& Info) const;
  virtual const ClsChannel* get_Channel(int ChannelID, ClsMoAccessInfo& Info) const;
  virtual void get_Channels(int PageID, std::list<const ClsChannel*>& Channels, ClsMoAccessInfo& Info) const;
  virtual const ClsStateMachineSymbol* get_StateMachineSymbol(int SymbolID, ClsMoAccessInfo& Info) const;
  virtual void get_StateMachineSyms(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int PageID,
                                    std::list<const ClsStateMachineSymbol*>& Syms, ClsMoAccessInfo& Info) const;
  virtual void get_StateMachineSyms(int PageID, std::list<const ClsStateMachineSymbol*>& Syms,
                                    ClsMoAccessInfo& Info) const;
  virtual const ClsFlowLine* get_FlowLine(int FlowLineID, ClsMoAccessInfo& Info) const;
  virtual void get_FlowLines(int PageID, std::list<const ClsFlowLine*>& Lines, ClsMoAccessInfo& Info) const;
  // 28-33: insertions
  virtual Symbol* insert_Symbol(EnumSym::Type Type, int ModelID, int PageID, int x, int y, int Width, int Height,
                                std::string Content, int RefDiagramID, int RefDiagramFirstPageID,
                                ClsMoAccessInfo& Info);
  virtual ClsChannel* insert_Channel(int ModelID, int PageID, ClsChannel::e_DelayType Delay, ClsChanName Name,
                                     ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon,
                                     ClsChanDestSigList DestSigList, ClsChanDestCon DestCon, std::list<int>& Coords,
                                     bool SourceIsEnv, int SourceID, bool DestIsEnv, int DestID,
                                     ClsMoAccessInfo& Info);
  virtual ClsChannel* insert_Channel(int ModelID, int PageID, ClsChannel::e_DelayType Delay,
                                     ClsChannel::e_DirectionType Direction, ClsChanName Name,
                                     ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon,
                                     ClsChanDestSigList DestSigList, ClsChanDestCon DestCon, std::list<int>& Coords,
                                     bool SourceIsEnv, int SourceID, bool DestIsEnv, int DestID,
                                     ClsMoAccessInfo& Info);
  virtual ClsStateMachineSymbol* insert_StateMachineSymbol(ClsStateMachineSymbol::e_StateMachineSymbolType Type,
                                                           int ModelID, int PageID, int x, int y, int Width,
                                                           int Height, std::string Content, ClsMoAccessInfo& Info);
  virtual ClsFlowLine* insert_FlowLine(int ModelID, int PageID, std::list<int>& Coords, int SourceID, int DestID,
                                       ClsMoAccessInfo& Info);
  virtual ClsFlowLine* insert_DecisionFlowLine(int ModelID, int PageID, std::list<int>& Coords, int SourceID,
                                               int DestID, const std::string& Content, const ClsRecPaS& PaS,
                                               ClsMoAccessInfo& Info);
  // 34-38: deletions
  virtual void delete_Symbol(int SymbolID, ClsMoAccessInfo& Info);
  virtual void delete_Channel(int ChannelID, ClsMoAccessInfo& Info);
  virtual void delete_StateMachineSymbol(int SymbolID, ClsMoAccessInfo& Info);
  virtual void delete_FlowLine(int FlowLineID, ClsMoAccessInfo& Info);
  virtual void delete_Page(int PageID, ClsMoAccessInfo& Info);

  // Non-virtual
  EnumDia::Type get_DiagramType() const { return DiagramType; }
  void get_HeaderPart_Name(std::string& Name) const { Name = HP_Name; }
  const std::string& name_ref() const { return HP_Name; }
  void modify_HeaderPart_Name(std::string Name) { HP_Name = std::move(Name); }
  void get_HeaderPart_DiagramType(std::string& Type) const { Type = HP_DiagramType; }
  void get_HeaderPart_Index(int PageID, std::string& Index, ClsMoAccessInfo& Info) const;
  const Symbol* get_referencing_Symbol() const;
  int get_referencing_Symbol_Model_ID() const;

  int get_FirstPageID(ClsMoAccessInfo& Info) const { return PageManager.get_FirstPageID(Info); }
  int get_LastPageID(ClsMoAccessInfo& Info) const { return PageManager.get_LastPageID(Info); }
  int get_NextPageID(int PageID, ClsPageManager::e_PageIndex& Index, ClsMoAccessInfo& Info) const {
    return PageManager.get_NextPageID(PageID, Index, Info);
  }
  int get_PreviousPageID(int PageID, ClsPageManager::e_PageIndex& Index, ClsMoAccessInfo& Info) const {
    return PageManager.get_PreviousPageID(PageID, Index, Info);
  }
  void get_IDsOfPages(std::list<int>& IDs) const { PageManager.get_IDsOfPages(IDs); }
  void get_PageSize(int PageID, int& Width, int& Height, ClsMoAccessInfo& Info) const {
    PageManager.get_PageSize(PageID, Width, Height, Info);
  }
  // The frame of a page, without the header texts.
  void get_PageFramePaS(int PageID, ClsRecPaS& Frame, ClsMoAccessInfo& Info) const {
    PageManager.get_FramePaS(PageID, Frame, Info);
  }
  bool Page_exists(int PageID) const { return PageManager.Page_exists(PageID); }
  int get_NumberOfPages() const { return PageManager.get_NumberOfPages(); }
  void add_NewPage_after(int NewPageID, int AncestorPageID, ClsMoAccessInfo& Info) {
    PageManager.add_NewPage_after(NewPageID, AncestorPageID, Info);
  }
  void modify_PageWidth(int PageID, int Width, ClsMoAccessInfo& Info) {
    PageManager.modify_PageWidth(PageID, Width, Info);
  }
  void modify_PageHeight(int PageID, int Height, ClsMoAccessInfo& Info) {
    PageManager.modify_PageHeight(PageID, Height, Info);
  }
  void modify_PageFramePaS(int PageID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info) {
    PageManager.modify_PageFramePaS(PageID, x, y, Width, Height, Info);
  }
  void get_PageFrameInfo(int PageID, ClsRecPaS& Frame, std::string& DiagramType, std::string& Name,
                         std::string& Index, ClsMoAccessInfo& Info) const;
  void printChannels() const;

  // Incoming / outgoing flow lines of a state-machine symbol among the flow
  // lines of one page, in that page's flow-line order.
  void get_FlowLinesEndingAt(int PageID, int SymbolID, std::list<const ClsFlowLine*>& Lines) const;
  void get_FlowLinesStartingAt(int PageID, int SymbolID, std::list<const ClsFlowLine*>& Lines) const;

  // Model IDs registered in the element map that the destruction of a page,
  // or of this whole diagram, takes with it: the elements concerned and every
  // diagram, with everything in it, that their reference symbols own.
  void collect_PageContentIDs(int PageID, std::vector<int>& IDs) const;
  void collect_TreeIDs(std::vector<int>& IDs) const;

  // Destroys a diagram through its concrete class, with its whole subtree.
  // Nested diagrams are destroyed one after another from a worklist, not
  // recursively, so that the depth of the tree does not matter.
  static void destroy(Diagram* dia);

protected:
  ~Diagram();

private:
  void destroy_Contents();
  ClsFlowLine* add_FlowLine(ClsFlowLine* line);
  void collect_OwnIDs(std::vector<int>& IDs, std::vector<const Diagram*>& Pending) const;

  EnumDia::Type DiagramType;
  // Only structure symbols and channels keep the list order for whole-diagram
  // walks; the other families are only ever listed by page or symbol.
  ElementStore<Symbol, SymbolGroups> Symbols;
  ElementStore<ClsChannel, ChannelGroups> Channels;
  ElementStore<ClsStateMachineSymbol, StateMachineSymbolGroups> StateMachineSymbols;
  ElementStore<ClsFlowLine, FlowLineGroups> FlowLines;
  const Symbol* pReferencingSymbol;
  std::string HP_DiagramType;
  std::string HP_Name;
  ClsPageManager PageManager;
};

class ClsSysDia final : public Diagram {
public:
  ClsSysDia(int ModelID, const std::string& Name, int FirstPageID)
      : Diagram(ModelID, EnumDia::SYS_DIA, Name, FirstPageID, nullptr) {}
  ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::SysDia; }
  bool is_referenced_Diagram() const override { return false; }
};

class ClsBlockDia final : public Diagram {
public:
  ClsBlockDia(int ModelID, const std::string& Name, int FirstPageID, const Symbol* Referencing)
      : Diagram(ModelID, EnumDia::BLK_DIA, Name, FirstPageID, Referencing) {}
  ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::BlkDia; }
  bool is_referenced_Diagram() const override { return true; }
};

class ClsProcessDia final : public Diagram {
public:
  ClsProcessDia(int ModelID, const std::string& Name, int FirstPageID, const Symbol* Referencing)
      : Diagram(ModelID, EnumDia::PRO_DIA, Name, FirstPageID, Referencing) {}
  ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::ProDia; }
  bool is_referenced_Diagram() const override { return true; }
  // A process diagram holds no block reference symbols.
  void get_Syms(EnumSym::Type Type, int PageID, std::list<const Symbol*>& Syms, ClsMoAccessInfo& Info) const override;
  Symbol* insert_Symbol(EnumSym::Type Type, int ModelID, int PageID, int x, int y, int Width, int Height,
                        std::string Content, int RefDiagramID, int RefDiagramFirstPageID,
                        ClsMoAccessInfo& Info) override;
};

class ClsProcedureDia final : public Diagram {
public:
  ClsProcedureDia(int ModelID, const std::string& Name, int FirstPageID, const Symbol* Referencing)
      : Diagram(ModelID, EnumDia::PROCEDURE_DIA, Name, FirstPageID, Referencing),
        FormalParameters("formal parameters") {}
  ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::ProcedureDia; }
  bool is_referenced_Diagram() const override { return true; }
  std::string get_FormalParameters() const { return FormalParameters; }
  void modify_FormalParameters(std::string Parameters) { FormalParameters = std::move(Parameters); }

private:
  std::string FormalParameters;
};

}  // namespace Vemra

#endif
