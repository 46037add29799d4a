#ifndef VEMRA_XML_DIAGRAMINDEX_H
#define VEMRA_XML_DIAGRAMINDEX_H

#include <libxml/tree.h>

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "xml/XML_NodeAccess.h"

namespace Vemra {

// The diagram elements of a parsed model file, found by the ID attribute.
// One walk over the document when built; each look-up then answers as the
// search "//SYSDIA", "//BLKDIA", "//PRODIA", "//PROCEDUREDIA" in turn, taking
// the first element in document order whose ID matches, would.
class ClsXML_DiagramIndex {
public:
  ClsXML_DiagramIndex(xmlDocPtr Doc, ClsXML_NodeAccess& Access);
  // Throws ClsXML_Reader_ErrorReporter when the document does not hold
  // exactly one system diagram or no diagram element has the ID.
  xmlNode* find(int FileID) const;

private:
  static const std::size_t NONE = static_cast<std::size_t>(-1);
  struct Kind {
    std::vector<xmlNode*> Nodes;                 // document order
    std::unordered_map<int, std::size_t> First;  // ID -> first position
    std::size_t FirstWithoutID = NONE;
  };
  // Kinds in search order: system, block, process, procedure diagrams.
  Kind Kinds[4];
};

}  // namespace Vemra

#endif
