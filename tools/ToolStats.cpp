// sdltool stats FILE
#include <iostream>
#include <map>

#include "check/CheckSupport.h"
#include "tools/ToolSupport.h"

namespace SdlTool {

using namespace Vemra;

const char* const STATS_HELP =
    "usage: sdltool stats FILE\n"
    "Prints the diagrams per kind, the pages, the elements per kind and the\n"
    "deepest diagram nesting of the model file.\n";

namespace {

struct Counts {
  std::map<std::string, long> Diagrams, Elements;
  long Pages = 0;
  std::size_t Depth = 0;
  std::string DeepestPath;

  template <class T>
  void count(const std::vector<const T*>& Items) {
    for (const T* Item : Items) {
      ClsMoEleType::e_MoEle Kind = Item->get_MoEleType();
      ++Elements[Kind == ClsMoEleType::DecisionFlowLine ? "decisionflowline" : get_CheckKindName(Kind)];
    }
  }
};

void print(const std::string& Title, const std::map<std::string, long>& Items) {
  long Total = 0;
  for (const auto& Item : Items) Total += Item.second;
  std::cout << Title << ": " << Total << "\n";
  for (const auto& Item : Items) std::cout << "  " << Item.first << " " << Item.second << "\n";
}

}  // namespace

int run_Stats(const std::vector<std::string>& Args) {
  if (Args.size() != 1 || (Args[0].size() > 1 && Args[0][0] == '-'))
    throw UsageError("stats: exactly one model file expected");
  LoadedModel M;
  if (!M.load(Args[0])) {
    std::cerr << Args[0] << ": not loaded: " << M.error() << "\n";
    return EXIT_TROUBLE;
  }
  Counts C;
  // Depth-first with the diagrams from the root down to the current one.
  std::vector<std::pair<const Diagram*, std::size_t>> Pending{{M.model().get_SysDia(), 1}};
  std::vector<const Diagram*> Line;
  while (!Pending.empty()) {
    auto [Dia, Depth] = Pending.back();
    Pending.pop_back();
    Line.resize(Depth - 1);
    Line.push_back(Dia);
    Check::DiagramView View(Line);
    ++C.Diagrams[get_CheckKindName(Dia->get_MoEleType())];
    C.Pages += static_cast<long>(View.Pages.size());
    C.count(View.Symbols);
    C.count(View.Channels);
    C.count(View.StateMaSyms);
    C.count(View.FlowLines);
    if (Depth > C.Depth) {
      C.Depth = Depth;
      C.DeepestPath = View.get_Path();
    }
    for (const Symbol* S : View.Symbols)
      if (const Diagram* Child = S->is_referencing_Symbol() ? S->get_referenced_Diagram() : nullptr)
        Pending.push_back({Child, Depth + 1});
  }
  std::cout << Args[0] << "\n";
  print("diagrams", C.Diagrams);
  std::cout << "pages: " << C.Pages << "\n";
  print("elements", C.Elements);
  std::cout << "deepest nesting: " << C.Depth << " (" << C.DeepestPath << ")\n";
  return EXIT_CLEAN;
}

}  // namespace SdlTool
