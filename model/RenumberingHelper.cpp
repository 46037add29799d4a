#include "model/RenumberingHelper.h"

namespace Vemra {

void ClsRenumberingHelper::add_ID_Pair(const int& OldID, const int& NewID) {
  if (OldToNew.find(OldID) || NewToOld.find(NewID)) throw ClsRenumberingHelper_ErrorReporter();
  OldToNew.get_or_create(OldID) = MappedID{NewID, true};
  NewToOld.get_or_create(NewID) = MappedID{OldID, true};
}

int ClsRenumberingHelper::get_New_ID_from_Old_ID(const int& OldID) {
  const MappedID* found = OldToNew.find(OldID);
  if (!found) throw ClsRenumberingHelper_ErrorReporter();
  return found->ID;
}

int ClsRenumberingHelper::get_Old_ID_from_New_ID(const int& NewID) {
  const MappedID* found = NewToOld.find(NewID);
  if (!found) throw ClsRenumberingHelper_ErrorReporter();
  return found->ID;
}

void ClsRenumberingHelper::reset_RenumberingHelper() {
  OldToNew.clear();
  NewToOld.clear();
}

}  // namespace Vemra
