// sdltool: checks model files, converts them to SDL/PR and counts their
// contents, without Tcl and without a display.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "tools/ToolSupport.h"

namespace {

const char* const HELP =
    "usage: sdltool COMMAND [OPTIONS] FILE...\n"
    "Commands:\n"
    "  check [--json] FILE...        check model files for errors and warnings\n"
    "  pr [--nested] FILE [-o OUT]   write the SDL/PR text of a model file\n"
    "  stats FILE                    count diagrams, pages and elements\n"
    "  export FILE [-o OUT]          write standard SDL-92 with CIF layout for other SDL tools\n"
    "sdltool COMMAND --help shows the help of a command.\n";

bool is_Help(const std::string& A) { return A == "--help" || A == "-h"; }

}  // namespace

int main(int argc, char** argv) {
  using namespace SdlTool;
  std::vector<std::string> Args(argv + 1, argv + argc);
  if (Args.empty()) {
    std::cerr << HELP;
    return EXIT_TROUBLE;
  }
  if (is_Help(Args[0])) {
    std::cout << HELP;
    return EXIT_CLEAN;
  }
  struct Command {
    const char* Name;
    int (*Run)(const std::vector<std::string>&);
    const char* Help;
  };
  const Command Commands[] = {
      {"check", run_Check, CHECK_HELP}, {"pr", run_Pr, PR_HELP}, {"stats", run_Stats, STATS_HELP},
      {"export", run_Export, EXPORT_HELP}};
  for (const Command& C : Commands) {
    if (Args[0] != C.Name) continue;
    std::vector<std::string> Rest(Args.begin() + 1, Args.end());
    for (const std::string& A : Rest)
      if (is_Help(A)) {
        std::cout << C.Help;
        return EXIT_CLEAN;
      }
    try {
      return C.Run(Rest);
    } catch (const UsageError& e) {
      std::cerr << "sdltool " << e.what() << "\n" << C.Help;
    } catch (const std::bad_alloc&) {
      std::cerr << "sdltool: out of memory\n";
    }
    return EXIT_TROUBLE;
  }
  std::cerr << "sdltool: unknown command " << Args[0] << "\n" << HELP;
  return EXIT_TROUBLE;
}
