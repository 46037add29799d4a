#ifndef VEMRA_RENUMBERINGHELPER_H
#define VEMRA_RENUMBERINGHELPER_H

#include "model/FlatIndex.h"

namespace Vemra {

class ClsRenumberingHelper_ErrorReporter {
public:
  enum e_ErrorType { RENUMBERING_ERROR = 0 };
  ClsRenumberingHelper_ErrorReporter() : ErrorType(RENUMBERING_ERROR) {}
  explicit ClsRenumberingHelper_ErrorReporter(e_ErrorType Type) : ErrorType(Type) {}
  e_ErrorType get_ErrorType() const { return ErrorType; }

private:
  e_ErrorType ErrorType;
};

// One-to-one table from the IDs of a model file to the model IDs that the
// elements received while the file is read.
class ClsRenumberingHelper {
public:
  void add_ID_Pair(const int& OldID, const int& NewID);
  int get_New_ID_from_Old_ID(const int& OldID);
  int get_Old_ID_from_New_ID(const int& NewID);
  void reset_RenumberingHelper();

private:
  struct MappedID {
    int ID = 0;
    bool used = false;
    bool is_free() const { return !used; }
  };
  // Both directions are indexed. As the table is one-to-one, the entry found
  // for a new ID is the only one, hence also the first in ascending old-ID order.
  FlatIndex<int, MappedID> OldToNew;
  FlatIndex<int, MappedID> NewToOld;
};

}  // namespace Vemra

#endif
