// Shared pieces of the model checker's rule families: the diagram at hand,
// the names declared around it, the findings list and the text helpers.
#ifndef VEMRA_CHECKSUPPORT_H
#define VEMRA_CHECKSUPPORT_H

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "check/ModelChecker.h"

namespace Vemra {
namespace Check {

// One diagram with its pages and elements, page by page in page order.
struct DiagramView {
  const Diagram* Dia = nullptr;
  // The diagrams from the system diagram down to this one.
  const std::vector<const Diagram*>* Line = nullptr;
  std::vector<int> Pages;
  std::unordered_map<int, int> PageNumbers;
  std::vector<const Symbol*> Symbols;
  std::vector<const ClsChannel*> Channels;
  std::vector<const ClsStateMachineSymbol*> StateMaSyms;
  std::vector<const ClsFlowLine*> FlowLines;

  explicit DiagramView(const std::vector<const Diagram*>& DiaLine);
  int page_Number(int PageID) const;
  // Built on the first finding only: deep trees need not pay for it.
  const std::string& get_Path() const;
  EnumDia::Type type() const { return Dia->get_DiagramType(); }

private:
  mutable std::string Path;
  mutable bool PathReady = false;
};

// Case-insensitive multiset of names visible in a diagram: those declared
// in it and in every diagram around it.
class NameScope {
public:
  void add(const std::string& Folded) { ++Counts[Folded]; }
  void remove(const std::string& Folded);
  bool has(const std::string& Folded) const { return Counts.count(Folded) != 0; }

private:
  std::unordered_map<std::string, int> Counts;
};

struct Scopes {
  NameScope Signals;
  NameScope Procedures;
};

class Findings {
public:
  explicit Findings(std::vector<ClsCheckFinding>& Out) : Out(Out) {}
  void add(const char* Rule, ClsCheckFinding::e_Severity Severity, const DiagramView& View, int PageID,
           int ElementID, ClsMoEleType::e_MoEle Kind, std::string Message);
  // A finding about the whole diagram, placed on its first page.
  void add_ForDiagram(const char* Rule, ClsCheckFinding::e_Severity Severity, const DiagramView& View,
                      std::string Message);

private:
  std::vector<ClsCheckFinding>& Out;
};

void check_StateMachine(const DiagramView& View, const Scopes& Names, Findings& Out);
void check_Structure(const DiagramView& View, const Scopes& Names, Findings& Out);
void check_Geometry(const DiagramView& View, Findings& Out);

// ---- text helpers (SdlText.cpp) ----
bool is_Blank(std::string_view Text);
// Trimmed and in lower case (SDL names are case-insensitive).
std::string fold_Name(std::string_view Name);
// The text on one line between single quotes, shortened when long.
std::string quote(std::string_view Text);
// The first SDL name of a text (comments skipped), or "" when it begins otherwise.
std::string first_Name(std::string_view Text);
// The names declared by SIGNAL declarations in a text ("SIGNAL a, b(Integer);").
void collect_SignalDeclarations(std::string_view Text, std::vector<std::string>& Names);
// The signal names of a channel signal list ("a, b, c"); parenthesised
// signal list names are skipped.
void collect_ListedSignals(std::string_view List, std::vector<std::string>& Names);
// Words for messages: "input", "block reference", ...
const char* describe_StateMaSym(ClsStateMachineSymbol::e_StateMachineSymbolType Type);
const char* describe_Symbol(EnumSym::Type Type);

}  // namespace Check
}  // namespace Vemra

#endif
