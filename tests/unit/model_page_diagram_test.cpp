#include <gtest/gtest.h>

#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace sdltest;

TEST(ModelPage, DefaultsAndTheFrameStaysInside) {
  ClsPage page(7);
  ClsMoAccessInfo info;
  EXPECT_EQ(page.get_Model_ID(), 7);
  EXPECT_EQ(page.get_PageWidth(), 800);
  EXPECT_EQ(page.get_PageHeight(), 600);
  ClsRecPaS frame(0, 0, 0, 0);
  page.get_FramePaS(frame);
  EXPECT_EQ(frame.get_PaS_as_String(), "80 60 640 480");

  // the frame (80,60 640x480) must stay strictly inside the page
  ClsPage p(1);
  EXPECT_EQ(STATUS(p.modify_PageWidth(720, info)), R::MODIFY_INVALID_PAGE_VALUE);  // the frame's right edge
  EXPECT_EQ(p.get_PageWidth(), 800);
  EXPECT_EQ(STATUS(p.modify_PageWidth(721, info)), R::MODIFY_OK);
  EXPECT_EQ(p.get_PageWidth(), 721);
  EXPECT_EQ(STATUS(p.modify_PageHeight(540, info)), R::MODIFY_INVALID_PAGE_VALUE);
  EXPECT_EQ(STATUS(p.modify_PageHeight(541, info)), R::MODIFY_OK);
  EXPECT_EQ(STATUS(p.modify_FramePaS(0, 10, 10, 10, info)), R::MODIFY_INVALID_PAGE_VALUE);
  EXPECT_EQ(STATUS(p.modify_FramePaS(10, 0, 10, 10, info)), R::MODIFY_INVALID_PAGE_VALUE);
  EXPECT_EQ(STATUS(p.modify_FramePaS(1, 1, 720, 10, info)), R::MODIFY_INVALID_PAGE_VALUE);  // right edge 721 == width
  EXPECT_EQ(STATUS(p.modify_FramePaS(1, 1, 2147483647, 10, info)), R::MODIFY_INVALID_PAGE_VALUE);  // no wrap-around
  EXPECT_EQ(STATUS(p.modify_FramePaS(1, 1, -5, 0, info)), R::MODIFY_OK);  // sizes have no other condition
  EXPECT_EQ(STATUS(p.modify_PageWidth(0, info)), R::MODIFY_INVALID_PAGE_VALUE);
  EXPECT_EQ(STATUS(p.modify_PageWidth(1, info)), R::MODIFY_OK);  // frame right edge is now -4
}

TEST(ModelPageManager, NavigationInPageOrder) {
  ClsPageManager pm(10);
  ClsMoAccessInfo info;
  ClsPageManager::e_PageIndex idx = ClsPageManager::NEIGHBOUR_PAGE;
  EXPECT_EQ(STATUS(pm.add_NewPage_after(11, 10, info)), R::PAGE_INSERT_OK);
  pm.add_NewPage_after(12, 10, info);  // between 10 and 11
  EXPECT_EQ(STATUS(pm.add_NewPage_after(13, 99, info)), R::PAGE_INSERT_ANCESTOR_UNKNOWN);
  std::list<int> ids{5};
  pm.get_IDsOfPages(ids);
  EXPECT_EQ(ids, (std::list<int>{10, 12, 11}));
  EXPECT_EQ(pm.get_FirstPageID(info), 10);
  EXPECT_EQ(info.get_Info(), R::PAGE_GET_OK);
  EXPECT_EQ(pm.get_LastPageID(info), 11);

  EXPECT_EQ(pm.get_NextPageID(10, idx, info), 12);
  EXPECT_EQ(idx, ClsPageManager::NEIGHBOUR_PAGE);
  EXPECT_EQ(pm.get_NextPageID(11, idx, info), -1);
  EXPECT_EQ(info.get_Info(), R::PAGE_GET_OK);
  EXPECT_EQ(idx, ClsPageManager::LAST_PAGE);
  EXPECT_EQ(pm.get_NextPageID(99, idx, info), -1);
  EXPECT_EQ(info.get_Info(), R::PAGE_NEXT_PAGE_UNKNOWN);
  EXPECT_EQ(pm.get_PreviousPageID(11, idx, info), 12);
  EXPECT_EQ(pm.get_PreviousPageID(10, idx, info), -1);
  EXPECT_EQ(info.get_Info(), R::PAGE_GET_OK);
  EXPECT_EQ(idx, ClsPageManager::FIRST_PAGE);
  EXPECT_EQ(pm.get_PreviousPageID(99, idx, info), -1);
  EXPECT_EQ(info.get_Info(), R::PAGE_PREVIOUS_PAGE_UNKNOWN);

  EXPECT_EQ(pm.get_PageIndex(11, info), 3);
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  EXPECT_EQ(pm.get_PageIndex(99, info), 4);
  EXPECT_EQ(info.get_Info(), R::GET_PAGE_UNKNOWN);

  EXPECT_EQ(STATUS(pm.delete_Page(12, info)), R::PAGE_DELETE_OK);
  EXPECT_EQ(pm.get_PageIndex(11, info), 2);  // positions follow deletions
  EXPECT_EQ(STATUS(pm.delete_Page(12, info)), R::PAGE_UNKNOWN);
  pm.delete_Page(11, info);
  EXPECT_EQ(STATUS(pm.delete_Page(10, info)), R::PAGE_DELETE_ONE_PAGE_NEEDED);
  EXPECT_EQ(pm.get_NumberOfPages(), 1);
}

TEST(ModelPageManager, UnknownPagesLeaveOutputsAlone) {
  ClsPageManager pm(1);
  ClsMoAccessInfo info;
  int w = -1, h = -2;
  ClsRecPaS frame(0, 0, 0, 0);
  EXPECT_EQ(STATUS(pm.get_PageSize(5, w, h, info)), R::GET_PAGE_UNKNOWN);
  EXPECT_EQ(w, -1);
  EXPECT_EQ(h, -2);
  EXPECT_EQ(STATUS(pm.get_FramePaS(5, frame, info)), R::GET_PAGE_UNKNOWN);
  EXPECT_EQ(STATUS(pm.modify_PageFramePaS(5, 1, 1, 1, 1, info)), R::PAGE_MODIFY_PAGE_UNKNOWN);
}

using ModelDiagram = ModelTest;

TEST_F(ModelDiagram, KindsHeaderTextsAndReferencingSymbol) {
  const Diagram* sys = sysSpec.get_Diagram(1, info);
  ASSERT_NE(sys, nullptr);
  std::string text;
  sys->get_HeaderPart_DiagramType(text);
  EXPECT_EQ(text, "system");
  sys->get_HeaderPart_Name(text);
  EXPECT_EQ(text, "ROOT");
  EXPECT_FALSE(sys->is_referenced_Diagram());
  std::string err = stderr_of([&] {
    EXPECT_EQ(sys->get_referencing_Symbol(), nullptr);
    EXPECT_EQ(sys->get_referencing_Symbol_Model_ID(), -1);
  });
  EXPECT_EQ(err,
            "error: const Vemra::Symbol * Vemra::Diagram::get_referencing_Symbol() const\n"
            "error: Vemra::Diagram::get_referencing_Symbol_Model_ID()\n");

  struct Row { EnumSym::Type kind; const char* text; };
  for (Row r : {Row{EnumSym::BLK_INST_REF_SYM, "block"}, Row{EnumSym::PRO_INST_REF_SYM, "process"},
                Row{EnumSym::PROCEDURE_INST_REF_SYM, "procedure"}}) {
    int sym = add_symbol(sysSpec, r.kind, 1, 2, "X");
    sysSpec.get_Diagram(sym + 1, info)->get_HeaderPart_DiagramType(text);
    EXPECT_EQ(text, r.text);
  }
  EXPECT_EQ(Diagram::get_DiagramTypeText(EnumDia::BLK_TYPE_DIA), "block type");
  EXPECT_EQ(Diagram::get_DiagramTypeText(EnumDia::PRO_TYPE_DIA), "process type");
  EXPECT_EQ(Diagram::get_DiagramTypeText(static_cast<EnumDia::Type>(7)), "unknown");
}

TEST_F(ModelDiagram, PageFrameInfoAndIndexText) {
  int p2 = add_page(sysSpec, 1);
  int p3 = add_page(sysSpec, 1);
  ClsRecPaS frame(0, 0, 0, 0);
  std::string type, name, index;
  EXPECT_EQ(STATUS(sysSpec.get_PageFrameInfo(1, p2, frame, type, name, index, info)), R::GET_OK);
  EXPECT_EQ(type + "|" + name + "|" + index, "system|ROOT|2(3)");
  EXPECT_EQ(frame.get_PaS_as_String(), "80 60 640 480");
  EXPECT_EQ(STATUS(sysSpec.get_PageFrameInfo(1, 99, frame, type, name, index, info)), R::GET_PAGE_UNKNOWN);
  EXPECT_EQ(index, "error");

  sysSpec.delete_Page(1, p2, info);
  sysSpec.get_PageFrameInfo(1, p3, frame, type, name, index, info);
  EXPECT_EQ(index, "2(2)");
  sysSpec.get_PageFrameInfo(1, 2, frame, type, name, index, info);
  EXPECT_EQ(index, "1(2)");
}

TEST_F(ModelDiagram, DeletingAPageRemovesExactlyItsElements) {
  int p2 = add_page(sysSpec, 1);
  int keep = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  int gone = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, p2);
  int ref = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, p2, "P");
  int chan_keep = add_channel(sysSpec, 1, 2, keep, gone);  // names a symbol of the other page
  int chan_gone = add_channel(sysSpec, 1, p2, gone, -1);

  EXPECT_EQ(STATUS(sysSpec.delete_Page(1, 2, info)), R::PAGE_DELETE_OK);  // page 2 goes with what is on it
  EXPECT_EQ(sysSpec.get_RecSymbol(keep, info), nullptr);
  EXPECT_EQ(info.get_Info(), R::GET_ELEMENT_UNKNOWN);
  EXPECT_NE(sysSpec.get_RecSymbol(gone, info), nullptr);
  EXPECT_NE(sysSpec.get_RecSymbol(ref, info), nullptr);
  EXPECT_EQ(ids_of(channels(sysSpec, 1, p2)), (std::list<int>{chan_gone}));
  EXPECT_EQ(STATUS(sysSpec.modify_Chan_DelayType(chan_keep, ClsChannel::DELAY, info)), R::MODIFY_ELEMENT_UNKNOWN);

  EXPECT_EQ(STATUS(sysSpec.delete_Page(1, p2, info)), R::PAGE_DELETE_ONE_PAGE_NEEDED);  // now the only page
  EXPECT_NE(sysSpec.get_RecSymbol(gone, info), nullptr);
  EXPECT_EQ(STATUS(sysSpec.delete_Page(1, 2, info)), R::PAGE_UNKNOWN);
}

TEST_F(ModelDiagram, ReferencedDiagramsAreAppendedInSymbolOrder) {
  int p2 = add_page(sysSpec, 1);
  int b = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, p2, "B");
  add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  add_symbol(sysSpec, EnumSym::BLK_TYPE_REF_SYM, 1, 2);
  int q = add_symbol(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, 1, 2, "Q");
  int nested = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, b + 1, b + 2, "P");

  std::list<const Diagram*> dias;
  EXPECT_EQ(STATUS(sysSpec.get_AllReferencedDiagrams(1, dias, info)), R::GET_OK);
  sysSpec.get_AllReferencedDiagrams(1, dias, info);  // appends again, does not descend
  EXPECT_EQ(ids_of(dias), (std::list<int>{b + 1, q + 1, b + 1, q + 1}));
  EXPECT_EQ(STATUS(sysSpec.get_AllReferencedDiagrams(nested, dias, info)), R::GET_LOCATION_NO_DIAGRAM);
  EXPECT_EQ(STATUS(sysSpec.get_AllReferencedDiagrams(999, dias, info)), R::GET_LOCATION_UNKNOWN);
  EXPECT_EQ(dias.size(), 4u);
}
