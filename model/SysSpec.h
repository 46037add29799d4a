#ifndef VEMRA_SYSSPEC_H
#define VEMRA_SYSSPEC_H

#include <list>
#include <string>
#include <vector>

#include "model/Diagram.h"
#include "model/MoAccessInfo.h"
#include "model/MoEleMap.h"

namespace Vemra {

class ClsRenumberingHelper;

// One system model: the root of the diagram tree and the single entry
// point of the model. Every operation names its target by model ID, resolved
// through the element map to the diagram that does the work.
class SysSpec {
public:
  SysSpec();
  ~SysSpec();
  SysSpec(const SysSpec&) = delete;
  SysSpec& operator=(const SysSpec&) = delete;

  void reset();
  // Model file bridges (implemented with the model file reader and writer).
  // When fileIds is given, a successful load leaves in it the pairs of file
  // ID and model ID of everything read.
  void load(const std::string& path, ClsRenumberingHelper* fileIds = nullptr);
  bool store(const std::string& path);

  // Whole diagrams
  int get_System_Model_ID() const;
  const ClsSysDia* get_SysDia() const { return pSysDia; }
  const Diagram* get_Diagram(int DiagramID, ClsMoAccessInfo& Info) const;
  void modify_SysDiaName(std::string Name, ClsMoAccessInfo& Info);
  void get_AllReferencedDiagrams(int DiagramID, std::list<const Diagram*>& Diagrams, ClsMoAccessInfo& Info) const;
  int get_ReferencingDiagramID(int DiagramID, ClsMoAccessInfo& Info) const;
  int get_EnclosingDiagramID(int ElementID, ClsMoAccessInfo& Info) const;
  void modify_ProcedureDiaFormalParameters(int DiagramID, const std::string& Parameters, ClsMoAccessInfo& Info);
  void get_ProcedureDiaFormalParameters(int DiagramID, std::string& Parameters, ClsMoAccessInfo& Info) const;
  void print_Map();

  // Pages
  int get_FirstPageID(int DiagramID, ClsMoAccessInfo& Info) const;
  int get_LastPageID(int DiagramID, ClsMoAccessInfo& Info) const;
  int get_NextPageID(int DiagramID, int PageID, ClsPageManager::e_PageIndex& Index, ClsMoAccessInfo& Info) const;
  int get_PreviousPageID(int DiagramID, int PageID, ClsPageManager::e_PageIndex& Index, ClsMoAccessInfo& Info) const;
  void add_NewPage_after(int DiagramID, int AncestorPageID, ClsMoAccessInfo& Info);
  void append_NewPage(int DiagramID, ClsMoAccessInfo& Info);
  void delete_Page(int DiagramID, int PageID, ClsMoAccessInfo& Info);
  void get_PageSize(int DiagramID, int PageID, int& Width, int& Height, ClsMoAccessInfo& Info) const;
  void get_PageFrameInfo(int DiagramID, int PageID, ClsRecPaS& Frame, std::string& DiagramType, std::string& Name,
                         std::string& Index, ClsMoAccessInfo& Info) const;
  void modify_PageWidth(int DiagramID, int PageID, int Width, ClsMoAccessInfo& Info);
  void modify_PageHeight(int DiagramID, int PageID, int Height, ClsMoAccessInfo& Info);
  void modify_PageFramePaS(int DiagramID, int PageID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info);

  // Structure symbols
  void insert_Symbol(EnumSym::Type Type, int DiagramID, int PageID, int x, int y, int Width, int Height,
                     std::string Content, ClsMoAccessInfo& Info, int& NewID);
  const Symbol* get_RecSymbol(int SymbolID, ClsMoAccessInfo& Info) const;
  void get_Syms(EnumSym::Type Type, int DiagramID, int PageID, std::list<const Symbol*>& Syms,
                ClsMoAccessInfo& Info) const;
  void modify_SymbolContent(int SymbolID, std::string Content, ClsMoAccessInfo& Info);
  void set_SymbolPaS(int SymbolID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info);
  void delete_Symbol(int SymbolID, ClsMoAccessInfo& Info);

  // Channels
  void insert_Channel(int DiagramID, int PageID, ClsChannel::e_DelayType Delay, ClsChanName Name,
                      ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon, ClsChanDestSigList DestSigList,
                      ClsChanDestCon DestCon, std::list<int>& Coords, bool SourceIsEnv, int SourceID, bool DestIsEnv,
                      int DestID, ClsMoAccessInfo& Info, int& NewID);
  void insert_Channel(int DiagramID, int PageID, ClsChannel::e_DelayType Delay, ClsChannel::e_DirectionType Direction,
                      ClsChanName Name, ClsChanSourceSigList SourceSigList, ClsChanSourceCon SourceCon,
                      ClsChanDestSigList DestSigList, ClsChanDestCon DestCon, std::list<int>& Coords,
                      bool SourceIsEnv, int SourceID, bool DestIsEnv, int DestID, ClsMoAccessInfo& Info, int& NewID);
  void get_Channels(int DiagramID, int PageID, std::list<const ClsChannel*>& Channels, ClsMoAccessInfo& Info) const;
  void modify_Chan_DirectionType(int ChannelID, ClsChannel::e_DirectionType Type, ClsMoAccessInfo& Info);
  void modify_Chan_DelayType(int ChannelID, ClsChannel::e_DelayType Type, ClsMoAccessInfo& Info);
  void modify_Chan_Coords(int ChannelID, std::list<int>& Coords, ClsMoAccessInfo& Info);
  void modify_ChanCompName(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  void modify_ChanSourceSig(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  void modify_ChanSourceCon(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  void modify_ChanDestSig(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  void modify_ChanDestCon(int ChannelID, std::string Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info);
  void delete_Channel(int ChannelID, ClsMoAccessInfo& Info);

  // State-machine symbols
  void insert_StateMachineSymbol(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int DiagramID, int PageID,
                                 int x, int y, int Width, int Height, std::string Content, ClsMoAccessInfo& Info,
                                 int& NewID);
  const ClsStateMachineSymbol* get_StateMachineSymbol(int SymbolID, ClsMoAccessInfo& Info) const;
  void get_StateMachineSyms(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int DiagramID, int PageID,
                            std::list<const ClsStateMachineSymbol*>& Syms, ClsMoAccessInfo& Info) const;
  void get_StateMachineSymsFromDiagram(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int DiagramID,
                                       std::list<const ClsStateMachineSymbol*>& Syms, ClsMoAccessInfo& Info) const;
  void get_StartingStateMachineSymsFromDiagram(ClsStateMachineSymbol::e_StateMachineSymbolType Type, int DiagramID,
                                               std::list<const ClsStateMachineSymbol*>& Syms,
                                               ClsMoAccessInfo& Info) const;
  void get_InComingFlowLinesFromStateMaSym(int SymbolID, std::list<const ClsFlowLine*>& Lines,
                                           ClsMoAccessInfo& Info) const;
  void get_OutgoingFlowLinesFromStateMaSym(int SymbolID, std::list<const ClsFlowLine*>& Lines,
                                           ClsMoAccessInfo& Info) const;
  void modify_StateMachineSymPaS(int SymbolID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info);
  void modify_StateMachineSymContent(int SymbolID, std::string Content, ClsMoAccessInfo& Info);
  void delete_StateMachineSymbol(int SymbolID, ClsMoAccessInfo& Info);

  // Flow lines
  void insert_FlowLine(int DiagramID, int PageID, std::list<int>& Coords, int SourceID, int DestID,
                       ClsMoAccessInfo& Info, int& NewID);
  void insert_DecisionFlowLine(int DiagramID, int PageID, std::list<int>& Coords, int SourceID, int DestID,
                               const std::string& Content, const ClsRecPaS& PaS, ClsMoAccessInfo& Info, int& NewID);
  void get_FlowLines(int DiagramID, int PageID, std::list<const ClsFlowLine*>& Lines, ClsMoAccessInfo& Info) const;
  void modify_FlowLineCoords(int FlowLineID, std::list<int>& Coords, ClsMoAccessInfo& Info);
  void modify_DecisionFlowLinePaS(int FlowLineID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info);
  void modify_DecisionFlowLineContent(int FlowLineID, std::string Content, ClsMoAccessInfo& Info);
  void delete_FlowLine(int FlowLineID, ClsMoAccessInfo& Info);

  // Number of entries of the element map (diagrams and elements).
  std::size_t get_NumberOfRegisteredIDs() const { return pMap->size(); }

private:
  void build();
  void destroy();
  Diagram* find_Diagram(int DiagramID, ClsMoAccessInfo& Info) const;
  template <class F>
  void modify(int ElementID, ClsMoAccessInfo& Info, F change);
  template <class F>
  void remove(int ElementID, ClsMoAccessInfo& Info, F erase);
  // Flow line insertion: the diagram look-up and the checks of both ends,
  // then `insert(diagram, newID)`.
  template <class F>
  void insert_FlowLineChecked(int DiagramID, int SourceID, int DestID, ClsMoAccessInfo& Info, int& NewID, F insert);
  void unregister(const std::vector<int>& IDs);
  void get_FlowLinesOfStateMaSym(int SymbolID, bool Incoming, std::list<const ClsFlowLine*>& Lines,
                                 ClsMoAccessInfo& Info) const;

  ClsMoEleMap* pMap;
  ClsSysDia* pSysDia;
};

}  // namespace Vemra

#endif
