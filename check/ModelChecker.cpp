// The checker's walk over the diagram tree: each diagram is read once into a
// DiagramView and handed to the rule families, with the signal and procedure
// names declared in it and around it.
#include <algorithm>
#include <list>

#include "check/CheckSupport.h"

namespace Vemra {

namespace Check {

namespace {

// Appends the elements that `query` lists for each page, in page order.
template <class T, class Query>
void collect(const std::vector<int>& Pages, std::vector<const T*>& Out, Query query) {
  std::list<const T*> Elements;
  for (int PageID : Pages) {
    Elements.clear();
    ClsMoAccessInfo Info;
    query(PageID, Elements, Info);
    Out.insert(Out.end(), Elements.begin(), Elements.end());
  }
}

}  // namespace

DiagramView::DiagramView(const std::vector<const Diagram*>& DiaLine) : Dia(DiaLine.back()), Line(&DiaLine) {
  const Diagram* D = Dia;
  std::list<int> IDs;
  D->get_IDsOfPages(IDs);
  Pages.assign(IDs.begin(), IDs.end());
  for (std::size_t i = 0; i < Pages.size(); ++i) PageNumbers.emplace(Pages[i], static_cast<int>(i) + 1);
  for (int Kind = EnumSym::TEXT_SYM; Kind <= EnumSym::PROCEDURE_INST_REF_SYM; ++Kind)
    collect(Pages, Symbols, [&](int PageID, auto& L, auto& Info) {
      D->get_Syms(static_cast<EnumSym::Type>(Kind), PageID, L, Info);
    });
  collect(Pages, Channels, [&](int PageID, auto& L, auto& Info) { D->get_Channels(PageID, L, Info); });
  collect(Pages, StateMaSyms, [&](int PageID, auto& L, auto& Info) { D->get_StateMachineSyms(PageID, L, Info); });
  collect(Pages, FlowLines, [&](int PageID, auto& L, auto& Info) { D->get_FlowLines(PageID, L, Info); });
}

int DiagramView::page_Number(int PageID) const {
  auto it = PageNumbers.find(PageID);
  return it == PageNumbers.end() ? 0 : it->second;
}

const std::string& DiagramView::get_Path() const {
  if (!PathReady) {
    for (std::size_t i = 0; i < Line->size(); ++i) Path += (i ? "/" : "") + (*Line)[i]->name_ref();
    PathReady = true;
  }
  return Path;
}

void NameScope::remove(const std::string& Folded) {
  auto it = Counts.find(Folded);
  if (it != Counts.end() && --it->second == 0) Counts.erase(it);
}

void Findings::add(const char* Rule, ClsCheckFinding::e_Severity Severity, const DiagramView& View, int PageID,
                   int ElementID, ClsMoEleType::e_MoEle Kind, std::string Message) {
  Out.push_back({Rule, Severity, View.Dia->get_Model_ID(), View.get_Path(), PageID, View.page_Number(PageID), ElementID,
                 get_CheckKindName(Kind), std::move(Message)});
}

void Findings::add_ForDiagram(const char* Rule, ClsCheckFinding::e_Severity Severity, const DiagramView& View,
                              std::string Message) {
  int FirstPage = View.Pages.empty() ? 0 : View.Pages.front();
  add(Rule, Severity, View, FirstPage, 0, View.Dia->get_MoEleType(), std::move(Message));
}

namespace {

// A diagram on the explicit stack of the tree walk: entering it (check it,
// declare its names, push its children) or leaving it (forget its names).
struct Step {
  const Diagram* Dia;
  bool Leaving;
  std::vector<std::string> Signals, Procedures;  // folded names it declared
};

void declare(const DiagramView& View, Step& S, Scopes& Names) {
  std::vector<std::string> Found;
  for (const Symbol* Sym : View.Symbols) {
    if (Sym->get_SymbolType() == EnumSym::TEXT_SYM) collect_SignalDeclarations(Sym->content_ref(), Found);
    else if (Sym->get_SymbolType() == EnumSym::PROCEDURE_INST_REF_SYM && !is_Blank(Sym->content_ref()))
      S.Procedures.push_back(fold_Name(Sym->content_ref()));
  }
  for (const std::string& Name : Found) S.Signals.push_back(fold_Name(Name));
  for (const std::string& Name : S.Signals) Names.Signals.add(Name);
  for (const std::string& Name : S.Procedures) Names.Procedures.add(Name);
}

}  // namespace

}  // namespace Check

std::vector<ClsCheckFinding> check_SysSpec(const SysSpec& Model) {
  using namespace Check;
  std::vector<ClsCheckFinding> All;
  Findings Out(All);
  Scopes Names;
  std::vector<Step> Steps;
  std::vector<const Diagram*> Line;
  if (const Diagram* Root = Model.get_SysDia()) Steps.push_back({Root, false, {}, {}});
  while (!Steps.empty()) {
    if (Steps.back().Leaving) {
      Line.pop_back();
      for (const std::string& Name : Steps.back().Signals) Names.Signals.remove(Name);
      for (const std::string& Name : Steps.back().Procedures) Names.Procedures.remove(Name);
      Steps.pop_back();
      continue;
    }
    Steps.back().Leaving = true;
    Line.push_back(Steps.back().Dia);
    DiagramView View(Line);
    declare(View, Steps.back(), Names);
    std::size_t First = All.size();
    check_Structure(View, Names, Out);
    check_StateMachine(View, Names, Out);
    check_Geometry(View, Out);
    std::stable_sort(All.begin() + First, All.end(),
                     [](const ClsCheckFinding& a, const ClsCheckFinding& b) { return a.PageNumber < b.PageNumber; });
    // Children in reverse so that they are entered in page order.
    for (auto it = View.Symbols.rbegin(); it != View.Symbols.rend(); ++it) {
      const Symbol* Sym = *it;
      if (const Diagram* Child = Sym->is_referencing_Symbol() ? Sym->get_referenced_Diagram() : nullptr)
        Steps.push_back({Child, false, {}, {}});
    }
  }
  return All;
}

const char* get_CheckKindName(ClsMoEleType::e_MoEle Kind) {
  using K = ClsMoEleType;
  switch (Kind) {
    case K::Page: return "page";
    case K::SysDia: return "SysDia";
    case K::BlkDia: return "BlkDia";
    case K::ProDia: return "ProDia";
    case K::ProcedureDia: return "ProcedureDia";
    case K::TextSym: return "TextSym";
    case K::BlkInstRefSym: return "BlkInstRefSym";
    case K::BlkTypeRefSym: return "BlkTypeRefSym";
    case K::ChanSym: return "channel";
    case K::ProInstRefSym: return "ProInstRefSym";
    case K::ProTypeRefSym: return "ProTypeRefSym";
    case K::ProcedureInstRefSym: return "ProcedureInstRefSym";
    case K::StateMachineSymStart: return "StateMaStartStateSym";
    case K::StateMachineSymState: return "StateMaStateSym";
    case K::StateMachineSymOutput: return "StateMaOutputSym";
    case K::StateMachineSymInput: return "StateMaInputSym";
    case K::StateMachineSymStop: return "StateMaStopSym";
    case K::StateMachineSymTask: return "StateMaTaskSym";
    case K::StateMachineSymCondition: return "StateMaConditionSym";
    case K::StateMachineSymDecision: return "StateMaDecisionSym";
    case K::StateMachineSymCreatePro: return "StateMaCreateProSym";
    case K::StateMachineSymCallProcedure: return "StateMaCallProcedureSym";
    case K::StateMachineSymProcedureStartState: return "StateMaProcedureStartStateSym";
    case K::StateMachineSymProcedureReturn: return "StateMaProcedureReturnSym";
    case K::NormalFlowLine:
    case K::DecisionFlowLine: return "flowline";
    default: return "none";
  }
}

}  // namespace Vemra
