// Rules on names, channels and the signals and procedures that texts name.
#include <unordered_map>

#include "check/CheckSupport.h"
#include "model/FlatIndex.h"

namespace Vemra {
namespace Check {

namespace {

const auto ERROR = ClsCheckFinding::ERROR;
const auto WARNING = ClsCheckFinding::WARNING;

struct Present {
  bool used = false;
  bool is_free() const { return !used; }
};

std::string describe(const Symbol* S) {
  return std::string(describe_Symbol(S->get_SymbolType())) + " " + quote(S->content_ref());
}

void add_For(Findings& Out, const DiagramView& View, const ClsChannel* C, const char* Rule,
             ClsCheckFinding::e_Severity Severity, std::string Message) {
  Out.add(Rule, Severity, View, C->get_Page_ID(), C->get_Model_ID(), C->get_MoEleType(), std::move(Message));
}

void check_Names(const DiagramView& View, Findings& Out) {
  if (View.type() == EnumDia::SYS_DIA && is_Blank(View.Dia->name_ref()))
    Out.add_ForDiagram("empty-name", ERROR, View, "the system has no name");
  // Folded name and kind -> seen before.
  std::unordered_map<std::string, bool> Seen[EnumSym::PROCEDURE_INST_REF_SYM + 1];
  for (const Symbol* S : View.Symbols) {
    EnumSym::Type Type = S->get_SymbolType();
    if (Type == EnumSym::TEXT_SYM || Type < 0 || Type > EnumSym::PROCEDURE_INST_REF_SYM) continue;
    auto add = [&](const char* Rule, const std::string& Message) {
      Out.add(Rule, ERROR, View, S->get_Page_ID(), S->get_Model_ID(), S->get_MoEleType(), Message);
    };
    if (is_Blank(S->content_ref())) add("empty-name", describe(S) + " has no name");
    else if (!Seen[Type].emplace(fold_Name(S->content_ref()), true).second)
      add("duplicate-name", describe(S) + " has the name of another one in this diagram");
  }
}

void check_Channels(const DiagramView& View, const Scopes& Names, Findings& Out) {
  if (View.Channels.empty()) return;
  FlatIndex<int, Present> SymbolIDs;
  for (const Symbol* S : View.Symbols) SymbolIDs.get_or_create(S->get_Model_ID()).used = true;
  std::vector<std::string> Signals;
  for (const ClsChannel* C : View.Channels) {
    std::string Name = quote(C->get_ChanName()->content_ref());
    if (!C->Source_is_Env() && !SymbolIDs.find(C->get_SourceID_as_Int()))
      add_For(Out, View, C, "dangling-channel", ERROR, "channel " + Name + " starts at a symbol that no longer exists");
    if (!C->Destination_is_Env() && !SymbolIDs.find(C->get_DestID_as_Int()))
      add_For(Out, View, C, "dangling-channel", ERROR, "channel " + Name + " ends at a symbol that no longer exists");
    const std::string& SourceSigs = C->get_ChanSourceSigList()->content_ref();
    const std::string& DestSigs = C->get_ChanDestSigList()->content_ref();
    if (is_Blank(SourceSigs) && is_Blank(DestSigs))
      add_For(Out, View, C, "channel-no-signals", WARNING, "channel " + Name + " carries no signals");
    Signals.clear();
    collect_ListedSignals(SourceSigs, Signals);
    collect_ListedSignals(DestSigs, Signals);
    for (const std::string& Signal : Signals)
      if (!Names.Signals.has(fold_Name(Signal)))
        add_For(Out, View, C, "undeclared-signal", WARNING,
                "signal " + quote(Signal) + " of channel " + Name + " is not declared");
  }
}

}  // namespace

void check_Structure(const DiagramView& View, const Scopes& Names, Findings& Out) {
  check_Names(View, Out);
  check_Channels(View, Names, Out);
}

}  // namespace Check
}  // namespace Vemra
