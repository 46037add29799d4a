#ifndef VEMRA_XML_KINDS_H
#define VEMRA_XML_KINDS_H

#include <cstddef>
#include <string>
#include <vector>

namespace Vemra {

// Which element name stands for which kind of model element: the tables that
// the writer and the reader share, each in reading order.
struct ClsXML_NamedKind {
  const std::string* Name;
  int Kind;
};
using ClsXML_KindTable = std::vector<ClsXML_NamedKind>;

namespace XML_Kinds {
// Structure symbols (EnumSym::Type) of system and block diagrams, of process
// diagrams, of procedure diagrams, and all six.
extern const ClsXML_KindTable HL_SYMBOLS;
extern const ClsXML_KindTable PRO_SYMBOLS;
extern const ClsXML_KindTable PROCEDURE_SYMBOLS;
extern const ClsXML_KindTable ALL_SYMBOLS;
// State-machine symbols; a process diagram takes the first ten.
extern const ClsXML_KindTable STATE_MA_SYMBOLS;
const std::size_t PROCESS_STATE_MA_KINDS = 10;
extern const ClsXML_KindTable FLOW_LINES;          // ClsFlowLine::e_FlowLineType
extern const ClsXML_KindTable CHANNEL_COMPONENTS;  // ClsChanComp::e_CompType, in file order

// The name of a kind, or null for a kind outside the table.
const std::string* name_of_Kind(const ClsXML_KindTable& Table, int Kind);
}  // namespace XML_Kinds

}  // namespace Vemra

#endif
