#ifndef VEMRA_XML_DIAGRAMINDEX_H
#define VEMRA_XML_DIAGRAMINDEX_H

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "xml/XML_Records.h"

namespace Vemra {

// The diagram elements of a model file, found by the ID attribute. Each
// look-up answers as the search "//SYSDIA", "//BLKDIA", "//PRODIA",
// "//PROCEDUREDIA" in turn, taking the first element in document order whose
// ID matches, would.
class ClsXML_DiagramIndex {
public:
  explicit ClsXML_DiagramIndex(const std::vector<ClsXML_DiagramRec>& Diagrams);
  // The record of the diagram element. Throws ClsXML_Reader_ErrorReporter
  // when the file does not hold exactly one system diagram or no diagram
  // element has the ID.
  std::size_t find(int FileID) const;

private:
  static const std::size_t NONE = static_cast<std::size_t>(-1);
  struct Kind {
    std::vector<std::size_t> Records;            // document order
    std::unordered_map<int, std::size_t> First;  // ID -> first position
    std::size_t FirstWithoutID = NONE;
  };
  // Kinds in search order: system, block, process, procedure diagrams.
  Kind Kinds[4];
};

}  // namespace Vemra

#endif
