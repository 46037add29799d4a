#include <gtest/gtest.h>

#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace sdltest;

using ModelSysSpec = ModelTest;

TEST_F(ModelSysSpec, NewSystemModelAndIDAllocation) {
  EXPECT_EQ(sysSpec.get_System_Model_ID(), 1);
  EXPECT_EQ(sysSpec.get_SysDia()->name_ref(), "ROOT");
  EXPECT_EQ(sysSpec.get_FirstPageID(1, info), 2);
  EXPECT_EQ(info.get_Info(), R::PAGE_GET_OK);
  EXPECT_EQ(sysSpec.get_NumberOfRegisteredIDs(), 1u);
  EXPECT_EQ(add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2), 3);
  EXPECT_EQ(add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2), 6);
  EXPECT_EQ(add_channel(sysSpec, 1, 2, 3, 6), 9);

  EXPECT_EQ(STATUS(sysSpec.modify_SysDiaName("Sys1", info)), R::MODIFY_OK);
  EXPECT_EQ(sysSpec.get_SysDia()->name_ref(), "Sys1");

  sysSpec.reset();
  EXPECT_EQ(sysSpec.get_SysDia()->name_ref(), "ROOT");
  EXPECT_EQ(sysSpec.get_RecSymbol(3, info), nullptr);
  EXPECT_EQ(info.get_Info(), R::GET_ELEMENT_UNKNOWN);
  EXPECT_EQ(add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2), 3);  // IDs restart
}

TEST_F(ModelSysSpec, DiagramRelations) {
  int b = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, "B");
  int p = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, b + 1, b + 2, "P");
  std::string err = stderr_of([&] { EXPECT_EQ(sysSpec.get_ReferencingDiagramID(1, info), -1); });
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  EXPECT_EQ(err, "error in: int Vemra::SysSpec::get_DiagramID_from_referencing_Symbol\n");
  EXPECT_EQ(sysSpec.get_ReferencingDiagramID(b + 1, info), 1);
  EXPECT_EQ(sysSpec.get_ReferencingDiagramID(p + 1, info), b + 1);
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  EXPECT_EQ(sysSpec.get_ReferencingDiagramID(p, info), -1);
  EXPECT_EQ(info.get_Info(), R::GET_LOCATION_NO_DIAGRAM);
  EXPECT_EQ(sysSpec.get_EnclosingDiagramID(p, info), b + 1);
  EXPECT_EQ(sysSpec.get_EnclosingDiagramID(b + 1, info), -1);
  EXPECT_EQ(info.get_Info(), R::GET_ELEMENT_WRONG_TYPE);
  EXPECT_EQ(sysSpec.get_Diagram(p + 1, info)->get_MoEleType(), ClsMoEleType::ProDia);
  EXPECT_EQ(sysSpec.get_Diagram(p + 2, info), nullptr);  // a page
  EXPECT_EQ(info.get_Info(), R::GET_LOCATION_UNKNOWN);
}

TEST_F(ModelSysSpec, FormalParametersOnlyOnProcedureDiagrams) {
  int q = add_symbol(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, 1, 2, "Q") + 1;
  std::string text = "unchanged";
  EXPECT_EQ(STATUS(sysSpec.get_ProcedureDiaFormalParameters(q, text, info)), R::GET_OK);
  EXPECT_EQ(text, "formal parameters");  // the default
  EXPECT_EQ(STATUS(sysSpec.modify_ProcedureDiaFormalParameters(q, "in x Integer;", info)), R::MODIFY_OK);
  sysSpec.get_ProcedureDiaFormalParameters(q, text, info);
  EXPECT_EQ(text, "in x Integer;");
  EXPECT_EQ(STATUS(sysSpec.modify_ProcedureDiaFormalParameters(1, "x", info)), R::GET_LOCATION_NO_DIAGRAM);
  text = "unchanged";
  EXPECT_EQ(STATUS(sysSpec.get_ProcedureDiaFormalParameters(1, text, info)), R::GET_LOCATION_NO_DIAGRAM);
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(STATUS(sysSpec.get_ProcedureDiaFormalParameters(q - 1, text, info)), R::GET_LOCATION_NO_DIAGRAM);
  EXPECT_EQ(STATUS(sysSpec.get_ProcedureDiaFormalParameters(500, text, info)), R::GET_LOCATION_UNKNOWN);
}

// Page operations on the system model: which of the refused ones take an ID,
// and which statuses a non-diagram gives; the page walk itself is the page
// manager's.
TEST_F(ModelSysSpec, PageOperationsAndTheirIDs) {
  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);  // 3..5
  EXPECT_EQ(STATUS(sysSpec.append_NewPage(t, info)), R::GET_LOCATION_NO_DIAGRAM);
  // takes ID 6 though the ancestor is unknown, ID 7 though the diagram is unknown
  EXPECT_EQ(STATUS(sysSpec.add_NewPage_after(1, 99, info)), R::PAGE_INSERT_ANCESTOR_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.add_NewPage_after(77, 2, info)), R::GET_LOCATION_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.add_NewPage_after(1, 2, info)), R::PAGE_INSERT_OK);
  EXPECT_EQ(sysSpec.get_LastPageID(1, info), 8);
  ClsPageManager::e_PageIndex idx;
  EXPECT_EQ(STATUS(sysSpec.get_NextPageID(t, 2, idx, info)), R::GET_LOCATION_NO_DIAGRAM);
  EXPECT_EQ(STATUS(sysSpec.modify_PageHeight(1, 8, 100, info)), R::MODIFY_INVALID_PAGE_VALUE);
  EXPECT_EQ(STATUS(sysSpec.modify_PageHeight(1, 9, 100, info)), R::PAGE_MODIFY_PAGE_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.delete_Page(t, 8, info)), R::GET_LOCATION_NO_DIAGRAM);
}
