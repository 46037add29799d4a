#include "model/MoAccessInfo.h"

namespace Vemra {

namespace {

using R = ClsMoAccessInfo;

// The user-facing text of an outcome, or null when it has none.
const char* message_of(R::e_ResultType Result) {
  switch (Result) {
    case R::GET_SYMBOL_NOT_IN_LOCATION: return "GET: requested symbol not part of location";
    case R::GET_PAGE_UNKNOWN: return "GET: page unknown";
    case R::INSERT_LOCATION_NO_DIAGRAM: return "INSERT: location no diagram";
    case R::INSERT_UNCONSIDERED_SYMBOL: return "INSERT: unconsidered symbol";
    case R::INSERT_PAGE_UNKNOWN: return "INSERT: page unknown";
    case R::PAGE_INSERT_ANCESTOR_UNKNOWN: return "PAGE-INSERT: ancestor page unknown";
    case R::PAGE_DELETE_ONE_PAGE_NEEDED: return "PAGE-DELETE: one page needed";
    default: return nullptr;
  }
}

bool is_success(int Result) {
  switch (Result) {
    case R::GET_OK: case R::INSERT_OK: case R::PAGE_GET_OK: case R::PAGE_INSERT_OK:
    case R::PAGE_DELETE_OK: case R::MODIFY_OK: case R::DELETE_OK: case R::GET_ELEMENT_OK:
      return true;
    default:
      return false;
  }
}

// The error list is the outcome list without its success values, in the
// same order: the n-th error is the n-th outcome that is not a success.
R::e_ResultType outcome_of(ClsMoAccess_ErrorReporter::e_ErrorType Error) {
  int remaining = static_cast<int>(Error);
  for (int r = R::NOT_SET; r <= R::UNKNOWN_ACCESS_TYPE; ++r) {
    if (is_success(r)) continue;
    if (remaining-- == 0) return static_cast<R::e_ResultType>(r);
  }
  return R::NOT_SET;
}

}  // namespace

const char* ClsMoAccessInfo::get_Info_Message() const {
  const char* message = message_of(Info);
  return message ? message : "GetInfo-Error";
}

std::string ClsMoAccess_ErrorReporter::get_ErrorMessage() const {
  const char* message = message_of(outcome_of(ErrorType));
  return message ? message : "unspecified error";
}

}  // namespace Vemra
