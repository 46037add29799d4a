// What the sdltool subcommands share: a model loaded from a file with the
// file's own IDs, exit codes and usage errors.
#ifndef SDLTOOL_TOOLSUPPORT_H
#define SDLTOOL_TOOLSUPPORT_H

#include <stdexcept>
#include <string>
#include <vector>

#include "check/ModelChecker.h"
#include "model/RenumberingHelper.h"
#include "model/SysSpec.h"
#include "sdlpr/SDL_PR_Errors.h"

namespace SdlTool {

enum ExitCode { EXIT_CLEAN = 0, EXIT_FINDINGS = 1, EXIT_TROUBLE = 2 };

// A wrong command line; main prints the message and exits with EXIT_TROUBLE.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A model file read into a system model. Elements are named to the user by
// the IDs written in the file, not by the model IDs they got when loaded.
class LoadedModel {
public:
  // False, with the reason in `error()`, when the file cannot be read.
  bool load(const std::string& Path);
  const std::string& error() const { return Error; }
  const Vemra::SysSpec& model() const { return Model; }
  // The file ID of a model ID; 0 stays 0 (no element).
  int file_ID(int ModelID) const;

private:
  Vemra::SysSpec Model;
  mutable Vemra::ClsRenumberingHelper FileIDs;
  std::string Error;
};

// "FILE: PATH page N: SEVERITY RULE: MESSAGE [id ID]" with file IDs.
std::string format_Finding(const std::string& File, const Vemra::ClsCheckFinding& F, const LoadedModel& M);
std::string json_String(const std::string& Text);

// The words of a command that converts one model file: FILE, "-o OUT" and the
// flags in `Flags` (each found one is added to `Given`); `Command` names the
// command in usage errors.
struct FileAndOut {
  std::string File, Out;
  std::vector<std::string> Given;
  bool has(const std::string& Flag) const;
};
FileAndOut parse_FileAndOut(const std::vector<std::string>& Args, const std::string& Command,
                            const std::vector<std::string>& Flags = {});

// Reports an SDL/PR generation error of the model (a graph error, or one
// without details when E is null) on standard error with its place in file
// IDs; returns the exit code.
int report_GraphError(const std::string& File, const LoadedModel& M,
                      const Vemra::ClsSDL_PR_Writer_StateMaSymError* E);

int run_Check(const std::vector<std::string>& Args);
int run_Pr(const std::vector<std::string>& Args);
int run_Stats(const std::vector<std::string>& Args);
int run_Export(const std::vector<std::string>& Args);

extern const char* const CHECK_HELP;
extern const char* const PR_HELP;
extern const char* const STATS_HELP;
extern const char* const EXPORT_HELP;

}  // namespace SdlTool

#endif
