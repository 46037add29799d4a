#include "xml/XML_DiagramIndex.h"

#include "xml/XML_Basic.h"
#include "xml/XML_ReaderError.h"

namespace Vemra {

namespace {
using B = ClsXML_Basic;
const std::string* const KIND_NAMES[4] = {&B::TN_SYSDIA, &B::TN_BLKDIA, &B::TN_PRODIA, &B::TN_PROCEDUREDIA};

[[noreturn]] void throw_MissingID(const std::string& Element) {
  throw ClsXML_Reader_ErrorReporter("Missing attribute " + B::AN_ID + " in element " + Element);
}
}  // namespace

ClsXML_DiagramIndex::ClsXML_DiagramIndex(xmlDocPtr Doc, ClsXML_NodeAccess& Access) {
  xmlNode* Root = xmlDocGetRootElement(Doc);
  // Pre-order walk over the elements (a name test of the search matches
  // elements without namespace only).
  xmlNode* Node = Root;
  std::string Value;
  while (Node) {
    if (Node->type == XML_ELEMENT_NODE && !Node->ns) {
      for (int k = 0; k < 4; ++k) {
        if (!ClsXML_NodeAccess::is_Named(Node, *KIND_NAMES[k])) continue;
        Kind& K = Kinds[k];
        std::size_t Position = K.Nodes.size();
        K.Nodes.push_back(Node);
        if (!Access.get_Attribute(Node, B::AN_ID, Value)) {
          if (K.FirstWithoutID == NONE) K.FirstWithoutID = Position;
        } else {
          K.First.emplace(ClsXML_NodeAccess::to_Int(Value), Position);
        }
      }
    }
    xmlNode* Child = Node->type == XML_ELEMENT_NODE ? xmlFirstElementChild(Node) : nullptr;
    if (Child) {
      Node = Child;
      continue;
    }
    while (Node && Node != Root && !xmlNextElementSibling(Node)) Node = Node->parent;
    Node = (!Node || Node == Root) ? nullptr : xmlNextElementSibling(Node);
  }
}

xmlNode* ClsXML_DiagramIndex::find(int FileID) const {
  const Kind& Sys = Kinds[0];
  if (Sys.Nodes.size() != 1) throw ClsXML_Reader_ErrorReporter("More than one system diagram");
  for (int k = 0; k < 4; ++k) {
    const Kind& K = Kinds[k];
    auto Match = K.First.find(FileID);
    std::size_t Position = Match == K.First.end() ? NONE : Match->second;
    // The search reads the IDs in document order: an element without one
    // before the match (or anywhere, without a match) is met first.
    if (K.FirstWithoutID != NONE && (Position == NONE || K.FirstWithoutID < Position)) throw_MissingID(*KIND_NAMES[k]);
    if (Position != NONE) return K.Nodes[Position];
  }
  throw ClsXML_Reader_ErrorReporter("Diagram with given ID not found");
}

}  // namespace Vemra
