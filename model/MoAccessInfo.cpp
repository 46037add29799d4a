#include "model/MoAccessInfo.h"

namespace Vemra {

namespace {
const char* const MSG_GET_SYMBOL_NOT_IN_LOCATION = "GET: requested symbol not part of location";
const char* const MSG_GET_PAGE_UNKNOWN = "GET: page unknown";
const char* const MSG_INSERT_LOCATION_NO_DIAGRAM = "INSERT: location no diagram";
const char* const MSG_INSERT_UNCONSIDERED_SYMBOL = "INSERT: unconsidered symbol";
const char* const MSG_INSERT_PAGE_UNKNOWN = "INSERT: page unknown";
const char* const MSG_PAGE_INSERT_ANCESTOR_UNKNOWN = "PAGE-INSERT: ancestor page unknown";
const char* const MSG_PAGE_DELETE_ONE_PAGE_NEEDED = "PAGE-DELETE: one page needed";
}  // namespace

const char* ClsMoAccessInfo::get_Info_Message() const {
  switch (Info) {
    case GET_SYMBOL_NOT_IN_LOCATION: return MSG_GET_SYMBOL_NOT_IN_LOCATION;
    case GET_PAGE_UNKNOWN: return MSG_GET_PAGE_UNKNOWN;
    case INSERT_LOCATION_NO_DIAGRAM: return MSG_INSERT_LOCATION_NO_DIAGRAM;
    case INSERT_UNCONSIDERED_SYMBOL: return MSG_INSERT_UNCONSIDERED_SYMBOL;
    case INSERT_PAGE_UNKNOWN: return MSG_INSERT_PAGE_UNKNOWN;
    case PAGE_INSERT_ANCESTOR_UNKNOWN: return MSG_PAGE_INSERT_ANCESTOR_UNKNOWN;
    case PAGE_DELETE_ONE_PAGE_NEEDED: return MSG_PAGE_DELETE_ONE_PAGE_NEEDED;
    default: return "GetInfo-Error";
  }
}

std::string ClsMoAccess_ErrorReporter::get_ErrorMessage() const {
  switch (ErrorType) {
    case GET_SYMBOL_NOT_IN_LOCATION: return MSG_GET_SYMBOL_NOT_IN_LOCATION;
    case GET_PAGE_UNKNOWN: return MSG_GET_PAGE_UNKNOWN;
    case INSERT_LOCATION_NO_DIAGRAM: return MSG_INSERT_LOCATION_NO_DIAGRAM;
    case INSERT_UNCONSIDERED_SYMBOL: return MSG_INSERT_UNCONSIDERED_SYMBOL;
    case INSERT_PAGE_UNKNOWN: return MSG_INSERT_PAGE_UNKNOWN;
    case PAGE_INSERT_ANCESTOR_UNKNOWN: return MSG_PAGE_INSERT_ANCESTOR_UNKNOWN;
    case PAGE_DELETE_ONE_PAGE_NEEDED: return MSG_PAGE_DELETE_ONE_PAGE_NEEDED;
    default: return "unspecified error";
  }
}

}  // namespace Vemra
