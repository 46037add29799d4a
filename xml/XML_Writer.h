#ifndef VEMRA_XML_WRITER_H
#define VEMRA_XML_WRITER_H

#include <fstream>
#include <string>
#include <vector>

#include "model/Diagram.h"
#include "xml/XML_Kinds.h"

namespace Vemra {

// Streams a whole system model into a model file: the system diagram first,
// then every referenced diagram in depth-first order, all as children of the
// root element. Nothing is built in memory beyond a small output buffer.
class ClsXML_Writer {
public:
  static const std::string TAG_PROLOG;

  ClsXML_Writer() : pStream(nullptr) {}
  ~ClsXML_Writer();
  ClsXML_Writer(const ClsXML_Writer&) = delete;
  ClsXML_Writer& operator=(const ClsXML_Writer&) = delete;

  // True on success, false when the file cannot be opened (nothing written).
  // A failed write or close throws std::ios_base::failure.
  bool write_SysSpec(const ClsSysDia* SysDia, const std::string& FileName);

  // Tag helpers, also used by the tests.
  static std::string create_StartTagFromName(const std::string& Name) { return "<" + Name + ">"; }
  static std::string create_EndTagFromName(const std::string& Name) { return "</" + Name + ">"; }
  static void add_AttrToTag(std::string& Tag, const std::string& Name, const std::string& Value);
  static void add_AttrToTag(std::string& Tag, const std::string& Name, const int& Value);

private:
  using DiagramList = std::vector<const Diagram*>;

  void write_Dia(const Diagram* Dia) const;
  // Each writes one diagram element and lists the diagrams its reference
  // symbols stand for, which the caller writes after it.
  void write_HL_InstDia(const Diagram* Dia, DiagramList& Referenced) const;
  void write_ProDia(const ClsProcessDia* Dia, DiagramList& Referenced) const;
  void write_ProcedureDia(const ClsProcedureDia* Dia) const;
  void write_DiagramHead(const std::string& Name, const Diagram* Dia, const std::string* Parameters,
                         std::list<int>& Pages) const;
  void write_StructureElements(const Diagram* Dia, const std::list<int>& Pages,
                               const ClsXML_KindTable& Kinds, DiagramList& Referenced) const;
  void write_StateMachineElements(const Diagram* Dia, const std::list<int>& Pages) const;
  void write_Page(const Diagram* Dia, int PageID) const;
  void write_PageFrame(const Diagram* Dia, int PageID) const;
  void write_PaS(int x, int y, int Width, int Height) const;
  void write_PaS(const ClsRecPaS& PaS) const;
  void write_RecSym(const Symbol* Sym) const;
  void write_Channel(const ClsChannel* Chan) const;
  void write_ChanEnd(const std::string& Name, bool IsEnv, int ID) const;
  void write_ChanComp(const ClsChanComp* Comp) const;
  void write_StateMaSym(const ClsStateMachineSymbol* Sym) const;
  void write_FlowLine(const ClsFlowLine* Line) const;
  void write_Element(const std::string& Name, const std::string& Text, bool LineBreaks) const;
  void write_Element(const std::string& Name, int Value, bool LineBreaks) const;
  void write_Coords(const CoordList& Coords) const;
  // Start tag with ID and PARENT_PAGE_ID (and an optional IDREF between them).
  void put_ElementStart(const std::string& Name, int ID, const int* RefID, int PageID) const;
  // The CONTENT and PAS children and the end tag of a boxed symbol.
  void put_BoxedBody(const std::string& Name, const std::string& Content, const ClsRecPaS& PaS) const;

  // Output: bytes collect in Buffer and go to the stream in large blocks.
  void put(const std::string& Text) const;
  void put(const char* Text) const;
  void put(char c) const;
  void put_Int(int Value) const;
  void put_Escaped(const std::string& Text) const;
  void put_OpenTag(const std::string& Name) const;
  void put_StartTag(const std::string& Name) const;
  void put_EndTag(const std::string& Name) const;
  void put_Attr(const std::string& Name, int Value) const;
  void put_Attr(const std::string& Name, const std::string& Value) const;
  void flush_Buffer(bool Always) const;

  std::string FileName;
  std::ofstream* pStream;
  mutable std::string Buffer;
};

}  // namespace Vemra

#endif
