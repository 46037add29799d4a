// sdltool check [--json] FILE...
#include <iostream>
#include <memory>

#include "tools/ToolSupport.h"

namespace SdlTool {

using Vemra::ClsCheckFinding;

const char* const CHECK_HELP =
    "usage: sdltool check [--json] FILE...\n"
    "Loads each model file and prints its findings, one per line:\n"
    "  FILE: PATH page N: SEVERITY RULE: MESSAGE [id ID]\n"
    "then a summary line per file. IDs are those written in the file.\n"
    "  --json  print one JSON document instead\n"
    "Exit code: 0 no errors (warnings allowed), 1 an error finding,\n"
    "2 a file could not be loaded or the command line is wrong.\n";

namespace {

std::string count(int N, const char* Word) { return std::to_string(N) + " " + Word + (N == 1 ? "" : "s"); }

struct FileResult {
  std::string File;
  std::unique_ptr<LoadedModel> Model;
  bool Loaded = false;
  std::vector<ClsCheckFinding> Findings;
  int Errors = 0, Warnings = 0;
};

void print_Text(const FileResult& R) {
  if (!R.Loaded) {
    std::cout << R.File << ": not loaded: " << R.Model->error() << "\n";
    return;
  }
  for (const ClsCheckFinding& F : R.Findings) std::cout << format_Finding(R.File, F, *R.Model) << "\n";
  std::cout << R.File << ": " << count(R.Errors, "error") << ", " << count(R.Warnings, "warning") << "\n";
}

void print_Json(const FileResult& R, bool First) {
  std::cout << (First ? "" : ",") << "\n{\"file\":" << json_String(R.File)
            << ",\"loaded\":" << (R.Loaded ? "true" : "false")
            << ",\"reader_error\":" << (R.Loaded ? "null" : json_String(R.Model->error())) << ",\"findings\":[";
  const LoadedModel& M = *R.Model;
  for (std::size_t i = 0; i < R.Findings.size(); ++i) {
    const ClsCheckFinding& F = R.Findings[i];
    std::cout << (i ? "," : "") << "\n  {\"rule\":" << json_String(F.Rule)
              << ",\"severity\":" << json_String(F.get_SeverityText()) << ",\"diagram\":" << M.file_ID(F.DiagramID)
              << ",\"path\":" << json_String(F.Path) << ",\"page\":" << M.file_ID(F.PageID)
              << ",\"page_number\":" << F.PageNumber << ",\"element\":" << M.file_ID(F.ElementID)
              << ",\"kind\":" << json_String(F.Kind) << ",\"message\":" << json_String(F.Message) << "}";
  }
  std::cout << "],\"errors\":" << R.Errors << ",\"warnings\":" << R.Warnings << "}";
}

}  // namespace

int run_Check(const std::vector<std::string>& Args) {
  bool Json = false;
  std::vector<std::string> Files;
  for (const std::string& A : Args) {
    if (A == "--json") Json = true;
    else if (A.size() > 1 && A[0] == '-') throw UsageError("check: unknown option " + A);
    else Files.push_back(A);
  }
  if (Files.empty()) throw UsageError("check: no model file given");
  int Exit = EXIT_CLEAN;
  if (Json) std::cout << "{\"files\":[";
  for (std::size_t i = 0; i < Files.size(); ++i) {
    // One model at a time: each is freed before the next is read.
    FileResult R;
    R.File = Files[i];
    R.Model = std::make_unique<LoadedModel>();
    R.Loaded = R.Model->load(R.File);
    if (R.Loaded) R.Findings = Vemra::check_SysSpec(R.Model->model());
    for (const ClsCheckFinding& F : R.Findings) ++(F.Severity == ClsCheckFinding::ERROR ? R.Errors : R.Warnings);
    if (!R.Loaded) Exit = EXIT_TROUBLE;
    else if (R.Errors && Exit == EXIT_CLEAN) Exit = EXIT_FINDINGS;
    if (Json) print_Json(R, i == 0);
    else print_Text(R);
  }
  if (Json) std::cout << "\n]}\n";
  return Exit;
}

}  // namespace SdlTool
