#ifndef VEMRA_SYMBOL_H
#define VEMRA_SYMBOL_H

#include <string>

#include "model/Geometry.h"

namespace Vemra {

class Diagram;

namespace EnumSym {
enum Type : int {
  NONE = 0,
  TEXT_SYM = 1,
  BLK_INST_REF_SYM = 2,
  BLK_TYPE_REF_SYM = 3,
  PRO_INST_REF_SYM = 4,
  PRO_TYPE_REF_SYM = 5,
  PROCEDURE_INST_REF_SYM = 6
};
}  // namespace EnumSym

// A boxed structure symbol with a text. The instance reference kinds (block,
// process, procedure) create and own the diagram that they stand for.
class Symbol : public ClsPageObject, public ClsObjectWithModel_ID, public ClsRecPaS {
public:
  Symbol(int ModelID, EnumSym::Type Type, int x, int y, int Width, int Height, std::string Content, int PageID,
         int RefDiagramID, int RefDiagramFirstPageID);
  Symbol(const Symbol&) = delete;
  Symbol& operator=(const Symbol&) = delete;

  ClsMoEleType::e_MoEle get_MoEleType() const override = 0;
  virtual bool is_referencing_Symbol() const = 0;

  EnumSym::Type get_SymbolType() const { return SymbolType; }
  std::string get_content() const { return Content; }
  const std::string& content_ref() const { return Content; }
  Diagram* get_referenced_Diagram() const;
  int get_referenced_Diagram_Model_ID() const;
  void modify_Content(std::string NewContent);
  bool operator==(const Symbol& other) const { return get_Model_ID() == other.get_Model_ID(); }

  // Hands the referenced diagram over to the caller, who destroys it; the
  // symbol then goes without it.
  Diagram* release_referenced_Diagram() {
    Diagram* d = pRefDiagram;
    pRefDiagram = nullptr;
    return d;
  }

protected:
  ~Symbol();

private:
  std::string Content;
  EnumSym::Type SymbolType;
  Diagram* pRefDiagram;
};

#define VEMRA_DECLARE_SYMBOL(Cls, Kind, MoEle, Referencing)                                                \
  class Cls final : public Symbol {                                                                        \
  public:                                                                                                  \
    Cls(int ModelID, int x, int y, int Width, int Height, std::string Content, int PageID, int RefDiagramID, \
        int RefDiagramFirstPageID)                                                                         \
        : Symbol(ModelID, Kind, x, y, Width, Height, Content, PageID, RefDiagramID, RefDiagramFirstPageID) {} \
    Cls(int ModelID, int x, int y, int Width, int Height, int PageID, int RefDiagramID,                    \
        int RefDiagramFirstPageID)                                                                         \
        : Symbol(ModelID, Kind, x, y, Width, Height, "", PageID, RefDiagramID, RefDiagramFirstPageID) {}   \
    ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::MoEle; }                  \
    bool is_referencing_Symbol() const override { return Referencing; }                                    \
  };

VEMRA_DECLARE_SYMBOL(ClsTextSym, EnumSym::TEXT_SYM, TextSym, false)
VEMRA_DECLARE_SYMBOL(ClsBlkInstRefSym, EnumSym::BLK_INST_REF_SYM, BlkInstRefSym, true)
VEMRA_DECLARE_SYMBOL(ClsBlkTypeRefSym, EnumSym::BLK_TYPE_REF_SYM, BlkTypeRefSym, false)
VEMRA_DECLARE_SYMBOL(ClsProInstRefSym, EnumSym::PRO_INST_REF_SYM, ProInstRefSym, true)
VEMRA_DECLARE_SYMBOL(ClsProTypeRefSym, EnumSym::PRO_TYPE_REF_SYM, ProTypeRefSym, false)
VEMRA_DECLARE_SYMBOL(ClsProcedureInstRefSym, EnumSym::PROCEDURE_INST_REF_SYM, ProcedureInstRefSym, true)

#undef VEMRA_DECLARE_SYMBOL

// Creates the concrete symbol of the kind, or null for a kind outside the six.
Symbol* create_Symbol(EnumSym::Type Type, int ModelID, int x, int y, int Width, int Height, const std::string& Content,
                      int PageID, int RefDiagramID, int RefDiagramFirstPageID);
// Destroys a symbol through its concrete class (with its referenced diagram).
void destroy_Symbol(Symbol* sym);

}  // namespace Vemra

#endif
