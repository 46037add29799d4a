#ifndef VEMRA_MODELCHECKER_H
#define VEMRA_MODELCHECKER_H

#include <string>
#include <vector>

#include "model/SysSpec.h"

namespace Vemra {

// One problem of a system model, located by model IDs. ElementID is 0 when
// the finding is about a whole diagram (PageID is then its first page).
struct ClsCheckFinding {
  enum e_Severity { ERROR, WARNING };

  std::string Rule;
  e_Severity Severity;
  int DiagramID;
  std::string Path;  // diagram names from the system diagram down, joined by "/"
  int PageID;
  int PageNumber;  // 1-based position of the page in its diagram
  int ElementID;
  std::string Kind;  // Tcl type name of the element or diagram
  std::string Message;

  const char* get_SeverityText() const { return Severity == ERROR ? "error" : "warning"; }
};

// Checks a whole system model in one walk over its diagram tree and returns
// every finding, diagram by diagram in tree order (preorder), each diagram's
// findings ordered by page. Rules:
//   errors:   no-start, several-starts, illegal-start, incomplete-transition,
//             wrong-end, dangling-flowline, dangling-channel, decision-answers,
//             empty-name, duplicate-name
//   warnings: empty-answer, unreachable, channel-no-signals,
//             undeclared-signal, unknown-procedure, outside-frame, overlap
// The state-machine rules follow the SDL/PR generator's walk (see
// SDL_PR_WalkRules.h): every place where the generation would stop is an
// error finding. Only reads the model; linear in its size (overlap n log n).
std::vector<ClsCheckFinding> check_SysSpec(const SysSpec& Model);

// The Tcl type name of an element kind ("TextSym", "StateMaInputSym",
// "channel", "flowline", "SysDia", ...).
const char* get_CheckKindName(ClsMoEleType::e_MoEle Kind);

}  // namespace Vemra

#endif
