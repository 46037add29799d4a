#include "model/Symbol.h"

#include "model/DebugPrinter.h"
#include "model/Diagram.h"

namespace Vemra {

Symbol::Symbol(int ModelID, EnumSym::Type Type, int x, int y, int Width, int Height, std::string Content, int PageID,
               int RefDiagramID, int RefDiagramFirstPageID)
    : ClsPageObject(PageID),
      ClsObjectWithModel_ID(ModelID),
      ClsRecPaS(x, y, Width, Height),
      Content(std::move(Content)),
      SymbolType(Type),
      pRefDiagram(nullptr) {
  switch (Type) {
    case EnumSym::BLK_INST_REF_SYM:
      pRefDiagram = new ClsBlockDia(RefDiagramID, this->Content, RefDiagramFirstPageID, this);
      break;
    case EnumSym::PRO_INST_REF_SYM:
      pRefDiagram = new ClsProcessDia(RefDiagramID, this->Content, RefDiagramFirstPageID, this);
      break;
    case EnumSym::PROCEDURE_INST_REF_SYM:
      pRefDiagram = new ClsProcedureDia(RefDiagramID, this->Content, RefDiagramFirstPageID, this);
      break;
    case EnumSym::TEXT_SYM:
    case EnumSym::BLK_TYPE_REF_SYM:
    case EnumSym::PRO_TYPE_REF_SYM:
      break;
    default:
      debug_line("error: Vemra::Symbol::Symbol()");
      break;
  }
}

Symbol::~Symbol() {
  if (!pRefDiagram) return;
  switch (SymbolType) {
    case EnumSym::BLK_INST_REF_SYM:
    case EnumSym::PRO_INST_REF_SYM:
    case EnumSym::PROCEDURE_INST_REF_SYM:
      Diagram::destroy(pRefDiagram);
      break;
    default:
      debug_line("error: Vemra::Symbol::~Symbol()");
      break;
  }
}

Diagram* Symbol::get_referenced_Diagram() const {
  if (!is_referencing_Symbol() || !pRefDiagram) {
    debug_line("error: Vemra::Diagram * Vemra::Symbol::get_referenced_Diagram() const");
    return nullptr;
  }
  return pRefDiagram;
}

int Symbol::get_referenced_Diagram_Model_ID() const {
  if (!is_referencing_Symbol() || !pRefDiagram) {
    debug_line("error: Vemra::Symbol::get_referenced_Diagram_Model_ID()");
    return -1;
  }
  return pRefDiagram->get_Model_ID();
}

void Symbol::modify_Content(std::string NewContent) {
  Content = std::move(NewContent);
  if (is_referencing_Symbol()) {
    if (pRefDiagram) pRefDiagram->modify_HeaderPart_Name(Content);
    else debug_line("error: void Vemra::Symbol::modify_Content(const string Content)");
  }
}

Symbol* create_Symbol(EnumSym::Type Type, int ModelID, int x, int y, int Width, int Height, const std::string& Content,
                      int PageID, int RefDiagramID, int RefDiagramFirstPageID) {
  switch (Type) {
    case EnumSym::TEXT_SYM:
      return new ClsTextSym(ModelID, x, y, Width, Height, Content, PageID, RefDiagramID, RefDiagramFirstPageID);
    case EnumSym::BLK_INST_REF_SYM:
      return new ClsBlkInstRefSym(ModelID, x, y, Width, Height, Content, PageID, RefDiagramID, RefDiagramFirstPageID);
    case EnumSym::BLK_TYPE_REF_SYM:
      return new ClsBlkTypeRefSym(ModelID, x, y, Width, Height, Content, PageID, RefDiagramID, RefDiagramFirstPageID);
    case EnumSym::PRO_INST_REF_SYM:
      return new ClsProInstRefSym(ModelID, x, y, Width, Height, Content, PageID, RefDiagramID, RefDiagramFirstPageID);
    case EnumSym::PRO_TYPE_REF_SYM:
      return new ClsProTypeRefSym(ModelID, x, y, Width, Height, Content, PageID, RefDiagramID, RefDiagramFirstPageID);
    case EnumSym::PROCEDURE_INST_REF_SYM:
      return new ClsProcedureInstRefSym(ModelID, x, y, Width, Height, Content, PageID, RefDiagramID,
                                        RefDiagramFirstPageID);
    default:
      return nullptr;
  }
}

void destroy_Symbol(Symbol* sym) {
  if (!sym) return;
  switch (sym->get_SymbolType()) {
    case EnumSym::TEXT_SYM: delete static_cast<ClsTextSym*>(sym); break;
    case EnumSym::BLK_INST_REF_SYM: delete static_cast<ClsBlkInstRefSym*>(sym); break;
    case EnumSym::BLK_TYPE_REF_SYM: delete static_cast<ClsBlkTypeRefSym*>(sym); break;
    case EnumSym::PRO_INST_REF_SYM: delete static_cast<ClsProInstRefSym*>(sym); break;
    case EnumSym::PRO_TYPE_REF_SYM: delete static_cast<ClsProTypeRefSym*>(sym); break;
    case EnumSym::PROCEDURE_INST_REF_SYM: delete static_cast<ClsProcedureInstRefSym*>(sym); break;
    default: debug_error("error in: Vemra::Diagram::~Diagram()", "unconsidered Symbol Type !!!"); break;
  }
}

}  // namespace Vemra
