#include <gtest/gtest.h>

#include "model_test_helpers.h"

using namespace Vemra;
using namespace model_test;

TEST(ModelPage, NewPageAndFrameDefaults) {
  ClsPage page(7);
  EXPECT_EQ(page.get_Model_ID(), 7);
  EXPECT_EQ(page.get_PageWidth(), 800);
  EXPECT_EQ(page.get_PageHeight(), 600);
  ClsRecPaS frame(0, 0, 0, 0);
  page.get_FramePaS(frame);
  EXPECT_EQ(frame.get_PaS_as_String(), "80 60 640 480");

  ClsPage copy = page;  // the frame is copied deeply
  ClsMoAccessInfo info;
  copy.modify_FramePaS(1, 1, 10, 10, info);
  page.get_FramePaS(frame);
  EXPECT_EQ(frame.get_PaS_as_String(), "80 60 640 480");
}

TEST(ModelPage, SizeAndFrameChangesKeepTheFrameInside) {
  ClsPage page(1);
  ClsMoAccessInfo info;
  page.modify_PageWidth(720, info);  // the frame's right edge is 720
  EXPECT_EQ(info.get_Info(), R::MODIFY_INVALID_PAGE_VALUE);
  EXPECT_EQ(page.get_PageWidth(), 800);
  page.modify_PageWidth(721, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_OK);
  EXPECT_EQ(page.get_PageWidth(), 721);
  page.modify_PageHeight(540, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_INVALID_PAGE_VALUE);
  page.modify_PageHeight(541, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_OK);

  page.modify_FramePaS(0, 10, 10, 10, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_INVALID_PAGE_VALUE);
  page.modify_FramePaS(10, 0, 10, 10, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_INVALID_PAGE_VALUE);
  page.modify_FramePaS(1, 1, 720, 10, info);  // right edge 721 == width
  EXPECT_EQ(info.get_Info(), R::MODIFY_INVALID_PAGE_VALUE);
  page.modify_FramePaS(1, 1, 2147483647, 10, info);  // no wrap-around
  EXPECT_EQ(info.get_Info(), R::MODIFY_INVALID_PAGE_VALUE);
  page.modify_FramePaS(1, 1, -5, 0, info);  // sizes have no other condition
  EXPECT_EQ(info.get_Info(), R::MODIFY_OK);
  page.modify_PageWidth(0, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_INVALID_PAGE_VALUE);
  page.modify_PageWidth(1, info);  // frame right edge is now -4
  EXPECT_EQ(info.get_Info(), R::MODIFY_OK);
}

TEST(ModelPageManager, NavigationInPageOrder) {
  ClsPageManager pm(10);
  ClsMoAccessInfo info;
  ClsPageManager::e_PageIndex idx = ClsPageManager::NEIGHBOUR_PAGE;
  pm.add_NewPage_after(11, 10, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_INSERT_OK);
  pm.add_NewPage_after(12, 10, info);  // between 10 and 11
  pm.add_NewPage_after(13, 99, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_INSERT_ANCESTOR_UNKNOWN);
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

  pm.delete_Page(12, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_DELETE_OK);
  EXPECT_EQ(pm.get_PageIndex(11, info), 2);  // positions follow deletions
  pm.delete_Page(12, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_UNKNOWN);
  pm.delete_Page(11, info);
  pm.delete_Page(10, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_DELETE_ONE_PAGE_NEEDED);
  EXPECT_EQ(pm.get_NumberOfPages(), 1);
}

TEST(ModelPageManager, UnknownPagesLeaveOutputsAlone) {
  ClsPageManager pm(1);
  ClsMoAccessInfo info;
  int w = -1, h = -2;
  pm.get_PageSize(5, w, h, info);
  EXPECT_EQ(info.get_Info(), R::GET_PAGE_UNKNOWN);
  EXPECT_EQ(w, -1);
  EXPECT_EQ(h, -2);
  ClsRecPaS frame(0, 0, 0, 0);
  pm.get_FramePaS(5, frame, info);
  EXPECT_EQ(info.get_Info(), R::GET_PAGE_UNKNOWN);
  pm.modify_PageWidth(5, 900, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_MODIFY_PAGE_UNKNOWN);
  pm.modify_PageHeight(5, 900, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_MODIFY_PAGE_UNKNOWN);
  pm.modify_PageFramePaS(5, 1, 1, 1, 1, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_MODIFY_PAGE_UNKNOWN);
  pm.get_PageSize(1, w, h, info);
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
}

// Two pages with one ID (possible only when built by hand): the first one in
// page order answers.
TEST(ModelPageManager, DuplicatePageIDsFindTheFirst) {
  ClsPageManager pm(1);
  ClsMoAccessInfo info;
  pm.add_NewPage_after(2, 1, info);
  pm.add_NewPage_after(1, 2, info);  // pages 1 2 1
  pm.modify_PageWidth(1, 900, info);
  std::list<int> ids;
  pm.get_IDsOfPages(ids);
  EXPECT_EQ(ids, (std::list<int>{1, 2, 1}));
  EXPECT_EQ(pm.get_PageIndex(1, info), 1);
  ClsPageManager::e_PageIndex idx;
  EXPECT_EQ(pm.get_NextPageID(1, idx, info), 2);
  pm.delete_Page(1, info);
  pm.get_IDsOfPages(ids);
  EXPECT_EQ(ids, (std::list<int>{2, 1}));
  int w, h;
  pm.get_PageSize(1, w, h, info);
  EXPECT_EQ(w, 800);  // the widened first page is gone
}

TEST(ModelDiagram, KindsHeaderTextsAndReferencingSymbol) {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
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

  int blk = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, "B1");
  int pro = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, "P1");
  int prc = add_symbol(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, 1, 2, "Q1");
  const char* texts[] = {"block", "process", "procedure"};
  int syms[] = {blk, pro, prc};
  for (int i = 0; i < 3; ++i) {
    const Diagram* d = sysSpec.get_Diagram(syms[i] + 1, info);
    ASSERT_NE(d, nullptr);
    d->get_HeaderPart_DiagramType(text);
    EXPECT_EQ(text, texts[i]);
    EXPECT_TRUE(d->is_referenced_Diagram());
    EXPECT_EQ(d->get_referencing_Symbol_Model_ID(), syms[i]);
    EXPECT_EQ(d->get_FirstPageID(info), syms[i] + 2);
  }
  EXPECT_EQ(Diagram::get_DiagramTypeText(EnumDia::BLK_TYPE_DIA), "block type");
  EXPECT_EQ(Diagram::get_DiagramTypeText(EnumDia::PRO_TYPE_DIA), "process type");
  EXPECT_EQ(Diagram::get_DiagramTypeText(EnumDia::NONE), "unknown");
  EXPECT_EQ(Diagram::get_DiagramTypeText(static_cast<EnumDia::Type>(7)), "unknown");

  std::string params;
  sysSpec.get_ProcedureDiaFormalParameters(prc + 1, params, info);
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  EXPECT_EQ(params, "formal parameters");
}

TEST(ModelDiagram, PageFrameInfoAndIndexText) {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
  int p2 = add_page(sysSpec, 1);
  int p3 = add_page(sysSpec, 1);
  ClsRecPaS frame(0, 0, 0, 0);
  std::string type, name, index;
  sysSpec.get_PageFrameInfo(1, p2, frame, type, name, index, info);
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  EXPECT_EQ(type, "system");
  EXPECT_EQ(name, "ROOT");
  EXPECT_EQ(index, "2(3)");
  EXPECT_EQ(frame.get_PaS_as_String(), "80 60 640 480");

  sysSpec.get_PageFrameInfo(1, 99, frame, type, name, index, info);
  EXPECT_EQ(info.get_Info(), R::GET_PAGE_UNKNOWN);
  EXPECT_EQ(index, "error");

  sysSpec.delete_Page(1, p2, info);
  sysSpec.get_PageFrameInfo(1, p3, frame, type, name, index, info);
  EXPECT_EQ(index, "2(2)");
  sysSpec.get_PageFrameInfo(1, 2, frame, type, name, index, info);
  EXPECT_EQ(index, "1(2)");
}

TEST(ModelDiagram, DeletingAPageRemovesExactlyItsElements) {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
  int p2 = add_page(sysSpec, 1);
  int keep = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  int gone = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, p2);
  int ref = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, p2, "P");
  int chan_keep = add_channel(sysSpec, 1, 2, keep, gone);  // names a symbol of the other page
  int chan_gone = add_channel(sysSpec, 1, p2, gone, -1);

  sysSpec.delete_Page(1, 2, info);  // page 2 goes with what is on it
  EXPECT_EQ(info.get_Info(), R::PAGE_DELETE_OK);
  EXPECT_EQ(sysSpec.get_RecSymbol(keep, info), nullptr);
  EXPECT_EQ(info.get_Info(), R::GET_ELEMENT_UNKNOWN);
  EXPECT_NE(sysSpec.get_RecSymbol(gone, info), nullptr);
  EXPECT_NE(sysSpec.get_RecSymbol(ref, info), nullptr);
  std::list<const ClsChannel*> chans;
  sysSpec.get_Channels(1, p2, chans, info);
  ASSERT_EQ(chans.size(), 1u);
  EXPECT_EQ(chans.front()->get_Model_ID(), chan_gone);
  sysSpec.modify_Chan_DelayType(chan_keep, ClsChannel::DELAY, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_ELEMENT_UNKNOWN);

  sysSpec.delete_Page(1, p2, info);  // now the only page
  EXPECT_EQ(info.get_Info(), R::PAGE_DELETE_ONE_PAGE_NEEDED);
  EXPECT_NE(sysSpec.get_RecSymbol(gone, info), nullptr);
  sysSpec.delete_Page(1, 2, info);
  EXPECT_EQ(info.get_Info(), R::PAGE_UNKNOWN);
}

TEST(ModelDiagram, ReferencedDiagramsAreAppendedInSymbolOrder) {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
  int p2 = add_page(sysSpec, 1);
  int b = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, p2, "B");
  add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  add_symbol(sysSpec, EnumSym::BLK_TYPE_REF_SYM, 1, 2);
  int q = add_symbol(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, 1, 2, "Q");
  int nested = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, b + 1, b + 2, "P");

  std::list<const Diagram*> dias;
  sysSpec.get_AllReferencedDiagrams(1, dias, info);
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  sysSpec.get_AllReferencedDiagrams(1, dias, info);  // appends again, does not descend
  std::list<int> ids;
  for (const Diagram* d : dias) ids.push_back(d->get_Model_ID());
  EXPECT_EQ(ids, (std::list<int>{b + 1, q + 1, b + 1, q + 1}));

  sysSpec.get_AllReferencedDiagrams(nested, dias, info);
  EXPECT_EQ(info.get_Info(), R::GET_LOCATION_NO_DIAGRAM);
  sysSpec.get_AllReferencedDiagrams(999, dias, info);
  EXPECT_EQ(info.get_Info(), R::GET_LOCATION_UNKNOWN);
  EXPECT_EQ(dias.size(), 4u);
}
