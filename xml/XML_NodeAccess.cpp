#include "xml/XML_NodeAccess.h"

#include <libxml/entities.h>
#include <libxml/valid.h>

#include "model/ArgConvert.h"
#include "xml/XML_ReaderError.h"

namespace Vemra {

const std::string ClsXML_NodeAccess::ENTITY_LIMIT_MESSAGE = "Entity expansion too large";

namespace {
// libxml2 refuses deeper entity nesting while parsing already; this guards the
// expansion should a document ever get past it.
const int MAX_ENTITY_DEPTH = 64;

void append_Content(const xmlNode* Node, std::string& Out) {
  if (Node->content) Out += reinterpret_cast<const char*>(Node->content);
}

bool is_Text(const xmlNode* Node) { return Node->type == XML_TEXT_NODE || Node->type == XML_CDATA_SECTION_NODE; }
}  // namespace

xmlNode* ClsXML_NodeAccess::element_Child(const xmlNode* Node, int n) {
  for (xmlNode* Child = Node ? Node->children : nullptr; Child; Child = Child->next) {
    if (Child->type != XML_ELEMENT_NODE) continue;
    if (n-- == 0) return Child;
  }
  return nullptr;
}

// The same decimal reading as the commands' arguments (clamped to int).
int ClsXML_NodeAccess::to_Int(const std::string& Text) { return ArgConvert::get_Int(Text); }

std::string ClsXML_NodeAccess::list_String(const xmlNode* First) {
  std::string Out;
  append_List(First, 0, Out);
  return Out;
}

std::string ClsXML_NodeAccess::whole_Text(const xmlNode* Element) {
  std::string Out;
  append_NodeContent(Element, 0, Out);
  return Out;
}

bool ClsXML_NodeAccess::get_Attribute(const xmlNode* Element, const std::string& Name, std::string& Value) {
  // Same look-up as xmlGetProp: the first attribute of that local name,
  // whatever its namespace, then defaults declared in the document's DTD.
  xmlAttrPtr Attr = xmlHasProp(Element, reinterpret_cast<const xmlChar*>(Name.c_str()));
  if (!Attr) return false;
  Value.clear();
  if (Attr->type == XML_ATTRIBUTE_DECL) {
    const xmlChar* Default = reinterpret_cast<xmlAttributePtr>(Attr)->defaultValue;
    if (Default) Value = reinterpret_cast<const char*>(Default);
    return true;
  }
  append_List(Attr->children, 0, Value);
  return true;
}

void ClsXML_NodeAccess::visit(const xmlNode* Node, int Depth) {
  if (Depth == 0) return;
  EntityWork += 1 + (Node->content ? static_cast<std::size_t>(xmlStrlen(Node->content)) : 0);
  if (EntityWork > ENTITY_WORK_LIMIT) throw ClsXML_Reader_ErrorReporter(ENTITY_LIMIT_MESSAGE);
}

void ClsXML_NodeAccess::append_List(const xmlNode* First, int Depth, std::string& Out) {
  for (const xmlNode* Node = First; Node; Node = Node->next) {
    visit(Node, Depth);
    if (is_Text(Node)) append_Content(Node, Out);
    else if (Node->type == XML_ENTITY_REF_NODE) append_Entity(Node, Depth, true, Out);
  }
}

// An undeclared entity contributes its own content (the list form) or nothing.
void ClsXML_NodeAccess::append_Entity(const xmlNode* Ref, int Depth, bool AsList, std::string& Out) {
  xmlEntityPtr Ent = xmlGetDocEntity(Doc, Ref->name);
  if (!Ent) {
    if (AsList) append_Content(Ref, Out);
    return;
  }
  if (Depth >= MAX_ENTITY_DEPTH) throw ClsXML_Reader_ErrorReporter(ENTITY_LIMIT_MESSAGE);
  if (AsList) {
    append_List(Ent->children, Depth + 1, Out);
    return;
  }
  for (const xmlNode* Child = Ent->children; Child; Child = Child->next) append_NodeContent(Child, Depth + 1, Out);
}

void ClsXML_NodeAccess::append_NodeContent(const xmlNode* Node, int Depth, std::string& Out) {
  switch (Node->type) {
    case XML_ELEMENT_NODE:
    case XML_DOCUMENT_FRAG_NODE: append_ElementTree(Node, Depth, Out); break;
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE:
      visit(Node, Depth);
      append_Content(Node, Out);
      break;
    case XML_ENTITY_REF_NODE:
      visit(Node, Depth);
      append_Entity(Node, Depth, false, Out);
      break;
    default: break;
  }
}

// Pre-order walk by parent and sibling links (no recursion over the tree);
// an entity reference's child is its declaration and is not entered.
void ClsXML_NodeAccess::append_ElementTree(const xmlNode* Root, int Depth, std::string& Out) {
  const xmlNode* Node = Root;
  while (Node) {
    visit(Node, Depth);
    if (is_Text(Node)) append_Content(Node, Out);
    else if (Node->type == XML_ENTITY_REF_NODE) append_Entity(Node, Depth, false, Out);
    if (Node->children && Node->children->type != XML_ENTITY_DECL) {
      Node = Node->children;
      continue;
    }
    while (Node && Node != Root && !Node->next) Node = Node->parent;
    Node = (!Node || Node == Root) ? nullptr : Node->next;
  }
}

}  // namespace Vemra
