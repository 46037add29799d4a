// sdltool export FILE [-o OUT]
#include <cstdlib>
#include <iostream>

#include "sdlpr/SDL92_Exporter.h"
#include "tools/ToolSupport.h"

namespace SdlTool {

using namespace Vemra;

const char* const EXPORT_HELP =
    "usage: sdltool export FILE [-o OUT]\n"
    "Writes the model file as standard SDL-92 with CIF layout comments, the\n"
    "form that other SDL tools read, to standard output or OUT.\n"
    "Anything written differently from the model is reported on standard error.\n"
    "On a graph error nothing is written and OUT stays as it was.\n"
    "Exit code: 0 written, 1 the model cannot be exported,\n"
    "2 the file could not be loaded, OUT not written, or a wrong command line.\n";

namespace {

// The exporter's warnings start with "KIND MODELID: "; the user sees the ID
// written in the file instead.
std::string with_FileID(const std::string& Warning, const LoadedModel& M) {
  std::size_t Blank = Warning.find(' ');
  std::size_t Colon = Warning.find(": ");
  if (Blank == std::string::npos || Colon == std::string::npos || Blank > Colon) return Warning;
  char* End = nullptr;
  long ID = std::strtol(Warning.c_str() + Blank + 1, &End, 10);
  if (End != Warning.c_str() + Colon) return Warning;
  return Warning.substr(0, Blank) + " [id " + std::to_string(M.file_ID(static_cast<int>(ID))) + "]" +
         Warning.substr(Colon);
}

}  // namespace

int run_Export(const std::vector<std::string>& Args) {
  FileAndOut Words = parse_FileAndOut(Args, "export");
  const std::string &File = Words.File, &Out = Words.Out;

  LoadedModel M;
  if (!M.load(File)) {
    std::cerr << File << ": not loaded: " << M.error() << "\n";
    return EXIT_TROUBLE;
  }
  ClsSDL92_Exporter Exporter(M.model());
  std::string Text;
  try {
    Text = Exporter.export_Text();
  } catch (const ClsSDL_PR_Writer_StateMaSymError& E) {
    return report_GraphError(File, M, &E);
  } catch (const ClsSDL_PR_Writer_ErrorReporter&) {
    return report_GraphError(File, M, nullptr);
  }
  for (const std::string& W : Exporter.get_Warnings()) std::cerr << File << ": warning: " << with_FileID(W, M) << "\n";
  if (Out.empty()) {
    std::cout << Text;
    std::cout.flush();
    return std::cout ? EXIT_CLEAN : EXIT_TROUBLE;
  }
  std::string Failure = write_FileReplacing(Out, Text);
  if (Failure.empty()) return EXIT_CLEAN;
  std::cerr << Out << ": " << Failure << "\n";
  return EXIT_TROUBLE;
}

}  // namespace SdlTool
