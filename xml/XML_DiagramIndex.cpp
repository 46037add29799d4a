#include "xml/XML_DiagramIndex.h"

#include "xml/XML_Basic.h"

namespace Vemra {

namespace {
using B = ClsXML_Basic;
const std::string* const KIND_NAMES[4] = {&B::TN_SYSDIA, &B::TN_BLKDIA, &B::TN_PRODIA, &B::TN_PROCEDUREDIA};
}  // namespace

ClsXML_DiagramIndex::ClsXML_DiagramIndex(const std::vector<ClsXML_DiagramRec>& Diagrams) {
  for (std::size_t r = 0; r < Diagrams.size(); ++r) {
    const ClsXML_DiagramRec& Rec = Diagrams[r];
    if (!Rec.Indexed) continue;
    Kind& K = Kinds[Rec.Name];
    std::size_t Position = K.Records.size();
    K.Records.push_back(r);
    if (!Rec.ID.Present) {
      if (K.FirstWithoutID == NONE) K.FirstWithoutID = Position;
    } else {
      K.First.emplace(Rec.ID.Value, Position);
    }
  }
}

std::size_t ClsXML_DiagramIndex::find(int FileID) const {
  if (Kinds[0].Records.size() != 1) throw ClsXML_Reader_ErrorReporter("More than one system diagram");
  for (int k = 0; k < 4; ++k) {
    const Kind& K = Kinds[k];
    auto Match = K.First.find(FileID);
    std::size_t Position = Match == K.First.end() ? NONE : Match->second;
    // The search reads the IDs in document order: an element without one
    // before the match (or anywhere, without a match) is met first.
    if (K.FirstWithoutID != NONE && (Position == NONE || K.FirstWithoutID < Position))
      throw ClsXML_Reader_ErrorReporter("Missing attribute " + B::AN_ID + " in element " + *KIND_NAMES[k]);
    if (Position != NONE) return K.Records[Position];
  }
  throw ClsXML_Reader_ErrorReporter("Diagram with given ID not found");
}

}  // namespace Vemra
