#ifndef VEMRA_XML_NODEACCESS_H
#define VEMRA_XML_NODEACCESS_H

#include <libxml/tree.h>

#include <cstddef>
#include <string>

namespace Vemra {

// Text and attribute access on a parsed model file with the results of
// libxml2's xmlNodeListGetString, xmlNodeGetContent and xmlGetProp (entities
// replaced, attribute defaults of an internal DTD subset), but without their
// unbounded recursion: entity references are expanded iteratively, and the
// work spent on entity expansion is limited, so that a file of nested
// entities ("billion laughs") fails quickly instead of exhausting time or
// memory. A file without entity references never reaches the limit. The work
// is counted per element read (take_Work), so that the whole load can charge
// it in reading order.
class ClsXML_NodeAccess {
public:
  static const std::size_t ENTITY_WORK_LIMIT = 1 << 24;
  static const std::string ENTITY_LIMIT_MESSAGE;

  explicit ClsXML_NodeAccess(xmlDocPtr Doc) : Doc(Doc), EntityWork(0) {}

  static bool is_Named(const xmlNode* Node, const std::string& Name) {
    return Node && Node->name && xmlStrcmp(Node->name, reinterpret_cast<const xmlChar*>(Name.c_str())) == 0;
  }
  static std::string name_of(const xmlNode* Node) {
    return Node && Node->name ? reinterpret_cast<const char*>(Node->name) : "";
  }
  // The n-th (0-based) element child, or null.
  static xmlNode* element_Child(const xmlNode* Node, int n);

  // xmlNodeListGetString(doc, First, 1): the text of First and its following
  // siblings, entity references replaced; elements and comments are skipped.
  std::string list_String(const xmlNode* First);
  // xmlNodeGetContent of an element: all text below it.
  std::string whole_Text(const xmlNode* Element);
  // xmlGetProp: false when the element has no such attribute.
  bool get_Attribute(const xmlNode* Element, const std::string& Name, std::string& Value);

  // The expansion work charged since the last call.
  std::size_t take_Work() {
    std::size_t Work = EntityWork;
    EntityWork = 0;
    return Work;
  }

  // base-10 strtol, narrowed to int by saturation.
  static int to_Int(const std::string& Text);

private:
  // Depth counts the entity references being expanded; only expansion work
  // (Depth > 0) is charged against the limit.
  void append_List(const xmlNode* First, int Depth, std::string& Out);
  void append_NodeContent(const xmlNode* Node, int Depth, std::string& Out);
  void append_ElementTree(const xmlNode* Root, int Depth, std::string& Out);
  void append_Entity(const xmlNode* Ref, int Depth, bool AsList, std::string& Out);
  void visit(const xmlNode* Node, int Depth);

  xmlDocPtr Doc;
  std::size_t EntityWork;
};

}  // namespace Vemra

#endif
