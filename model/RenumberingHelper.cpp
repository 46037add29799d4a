#include "model/RenumberingHelper.h"

namespace Vemra {

void ClsRenumberingHelper::add_ID_Pair(const int& OldID, const int& NewID) {
  if (OldToNew.count(OldID) || NewToOld.count(NewID)) throw ClsRenumberingHelper_ErrorReporter();
  OldToNew.emplace(OldID, NewID);
  NewToOld.emplace(NewID, OldID);
}

int ClsRenumberingHelper::get_New_ID_from_Old_ID(const int& OldID) {
  auto it = OldToNew.find(OldID);
  if (it == OldToNew.end()) throw ClsRenumberingHelper_ErrorReporter();
  return it->second;
}

int ClsRenumberingHelper::get_Old_ID_from_New_ID(const int& NewID) {
  auto it = NewToOld.find(NewID);
  if (it == NewToOld.end()) throw ClsRenumberingHelper_ErrorReporter();
  return it->second;
}

void ClsRenumberingHelper::reset_RenumberingHelper() {
  OldToNew.clear();
  NewToOld.clear();
}

}  // namespace Vemra
