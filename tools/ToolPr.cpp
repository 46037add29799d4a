// sdltool pr [--nested] FILE [-o OUT]
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "sdlpr/SDL_PR_Writer.h"
#include "tools/ToolSupport.h"

namespace SdlTool {

using namespace Vemra;

const char* const PR_HELP =
    "usage: sdltool pr [--nested] FILE [-o OUT]\n"
    "Writes the SDL/PR text of the model file to standard output or OUT,\n"
    "in the referenced layout (--nested: every definition inside its parent).\n"
    "On a graph error nothing is written and OUT stays as it was.\n"
    "Exit code: 0 written, 1 the model cannot be written as SDL/PR,\n"
    "2 the file could not be loaded, OUT not written, or a wrong command line.\n";

namespace {

// A temporary file beside the output (so that it can be renamed over it),
// or in the temporary folder for standard output; removed unless kept.
class TempFile {
public:
  explicit TempFile(const std::string& Beside) {
    std::string Dir = "/tmp";
    if (const char* T = std::getenv("TMPDIR")) Dir = T;
    Path = (Beside.empty() ? Dir + "/sdltool" : Beside) + ".XXXXXX";
    int fd = ::mkstemp(&Path[0]);
    if (fd < 0) {
      Path.clear();
      return;
    }
    // The permissions a newly created file gets, as the command's file has.
    mode_t Mask = ::umask(0);
    ::umask(Mask);
    ::fchmod(fd, 0666 & ~Mask);
    ::close(fd);
  }
  ~TempFile() {
    if (!Path.empty()) std::remove(Path.c_str());
  }
  bool ok() const { return !Path.empty(); }
  const std::string& path() const { return Path; }
  bool move_To(const std::string& Target) {
    if (std::rename(Path.c_str(), Target.c_str()) != 0) return false;
    Path.clear();
    return true;
  }

private:
  std::string Path;
};

// The rules whose findings stop the generation without details.
bool is_Unspecified(const std::string& Rule) {
  return Rule == "wrong-end" || Rule == "dangling-flowline" || Rule == "dangling-channel" ||
         Rule == "decision-answers";
}

}  // namespace

// Names the place of a generation error through the checker's findings: the
// one for the symbol of a graph error, or every error for an error without
// details. Without any, the output could not be written (exit 2).
int report_GraphError(const std::string& File, const LoadedModel& M, const ClsSDL_PR_Writer_StateMaSymError* E) {
  std::vector<ClsCheckFinding> Findings = check_SysSpec(M.model());
  std::string Type = E ? ClsSDL_PR_Writer_StateMaSymError::get_StateMaErrorText(E->get_StateMaErrorType())
                       : std::string("not_specified");
  std::cerr << File << ": SDL/PR generation stopped: " << Type << "\n";
  const char* Rule = !E ? ""
                    : E->get_StateMaErrorType() == ClsSDL_PR_Writer_StateMaSymError::SMS_ILLEGAL_START_STATE
                        ? "illegal-start"
                        : "incomplete-transition";
  bool Named = false;
  for (const ClsCheckFinding& F : Findings) {
    bool Match = E ? F.ElementID == E->get_Symbol_ID() && F.Rule == Rule : is_Unspecified(F.Rule);
    if (!Match) continue;
    std::cerr << format_Finding(File, F, M) << "\n";
    Named = true;
  }
  if (E && !Named)
    std::cerr << File << ": symbol [id " << M.file_ID(E->get_Symbol_ID()) << "] on page [id "
              << M.file_ID(E->get_PageID()) << "] of diagram [id " << M.file_ID(E->get_DiagramID()) << "]\n";
  if (E || Named) return EXIT_FINDINGS;
  std::cerr << File << ": the model has no error: the output could not be written\n";
  return EXIT_TROUBLE;
}


int run_Pr(const std::vector<std::string>& Args) {
  FileAndOut Words = parse_FileAndOut(Args, "pr", {"--nested"});
  const std::string &File = Words.File, &Out = Words.Out;
  bool Nested = Words.has("--nested");

  LoadedModel M;
  if (!M.load(File)) {
    std::cerr << File << ": not loaded: " << M.error() << "\n";
    return EXIT_TROUBLE;
  }
  TempFile Temp(Out);
  if (!Temp.ok()) {
    std::cerr << (Out.empty() ? "temporary file" : Out) << ": cannot be written: " << std::strerror(errno) << "\n";
    return EXIT_TROUBLE;
  }
  try {
    ClsSDL_PR_Writer().write_SysSpec(&M.model(), Temp.path(), Nested);
  } catch (const ClsSDL_PR_Writer_StateMaSymError& E) {
    return report_GraphError(File, M, &E);
  } catch (...) {
    return report_GraphError(File, M, nullptr);
  }
  if (!Out.empty()) {
    if (Temp.move_To(Out)) return EXIT_CLEAN;
    std::cerr << Out << ": cannot be written: " << std::strerror(errno) << "\n";
    return EXIT_TROUBLE;
  }
  std::ifstream Text(Temp.path(), std::ios::binary);
  if (Text.peek() != std::ifstream::traits_type::eof()) std::cout << Text.rdbuf();
  std::cout.flush();
  return std::cout ? EXIT_CLEAN : EXIT_TROUBLE;
}

}  // namespace SdlTool
