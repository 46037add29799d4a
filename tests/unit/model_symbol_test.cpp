#include <gtest/gtest.h>

#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace sdltest;

using ModelSymbol = ModelTest;

TEST_F(ModelSymbol, ReferenceSymbolOwnsAndNamesItsDiagram) {
  int b = add_symbol(sysSpec, EnumSym::BLK_INST_REF_SYM, 1, 2, "B1");
  const Symbol* sym = sysSpec.get_RecSymbol(b, info);
  ASSERT_NE(sym, nullptr);
  EXPECT_EQ(sym->get_content(), "B1");
  EXPECT_EQ(sym->get_SymbolType(), EnumSym::BLK_INST_REF_SYM);
  EXPECT_EQ(sym->get_Page_ID(), 2);
  EXPECT_EQ(sym->get_PaS_as_String(), "10 20 100 40");
  const Diagram* dia = sym->get_referenced_Diagram();
  ASSERT_NE(dia, nullptr);
  EXPECT_EQ(dia->get_MoEleType(), ClsMoEleType::BlkDia);
  EXPECT_EQ(dia->get_Model_ID(), b + 1);
  EXPECT_EQ(dia->get_referencing_Symbol(), sym);
  EXPECT_EQ(dia->name_ref(), "B1");
  EXPECT_EQ(dia->get_FirstPageID(info), b + 2);

  EXPECT_EQ(STATUS(sysSpec.modify_SymbolContent(b, "B2", info)), R::MODIFY_OK);
  EXPECT_EQ(sym->get_content(), "B2");
  EXPECT_EQ(dia->name_ref(), "B2");
}

TEST_F(ModelSymbol, NonReferencingKindsHaveNoDiagram) {
  for (EnumSym::Type k : {EnumSym::TEXT_SYM, EnumSym::BLK_TYPE_REF_SYM, EnumSym::PRO_TYPE_REF_SYM}) {
    int id = add_symbol(sysSpec, k, 1, 2, "x");
    const Symbol* sym = sysSpec.get_RecSymbol(id, info);
    EXPECT_FALSE(sym->is_referencing_Symbol());
    std::string err = stderr_of([&] {
      EXPECT_EQ(sym->get_referenced_Diagram_Model_ID(), -1);
      EXPECT_EQ(sym->get_referenced_Diagram(), nullptr);
    });
    EXPECT_EQ(err,
              "error: Vemra::Symbol::get_referenced_Diagram_Model_ID()\n"
              "error: Vemra::Diagram * Vemra::Symbol::get_referenced_Diagram() const\n");
    // the two IDs reserved for a diagram stay unused
    EXPECT_EQ(STATUS(sysSpec.get_Diagram(id + 1, info)), R::GET_LOCATION_UNKNOWN);
  }

}

TEST_F(ModelSymbol, InsertionRulesOfDiagramKinds) {
  int id = 0;
  int pro = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, "P") + 1;
  int page = pro + 1;
  for (EnumSym::Type k : {EnumSym::BLK_INST_REF_SYM, EnumSym::BLK_TYPE_REF_SYM}) {  // no blocks in a process
    std::string err = stderr_of([&] {
      EXPECT_EQ(STATUS(sysSpec.insert_Symbol(k, pro, page, 0, 0, 1, 1, "B", info, id)), R::INSERT_SYMBOL_NOT_ALLOWED);
    });
    EXPECT_EQ(err, "");
  }
  add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, pro, page, "P2");
  add_symbol(sysSpec, EnumSym::TEXT_SYM, pro, page);

  std::string err = stderr_of([&] {
    EXPECT_EQ(STATUS(sysSpec.insert_Symbol(EnumSym::NONE, 1, 2, 0, 0, 1, 1, "", info, id)),
              R::INSERT_UNCONSIDERED_SYMBOL);
  });
  EXPECT_EQ(err, "error in: const Vemra::Symbol * Vemra::Diagram::insert_Symbol(...\nunconsidered symbol type !!!\n");
  EXPECT_EQ(STATUS(sysSpec.insert_Symbol(static_cast<EnumSym::Type>(7), 1, 2, 0, 0, 1, 1, "", info, id)),
            R::INSERT_UNCONSIDERED_SYMBOL);
  EXPECT_EQ(STATUS(sysSpec.insert_Symbol(EnumSym::TEXT_SYM, 1, 99, 0, 0, 1, 1, "", info, id)), R::INSERT_PAGE_UNKNOWN);

  // Each attempt above took three IDs once the target diagram was found.
  EXPECT_EQ(add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2), 3 + 3 * 8);
}

TEST_F(ModelSymbol, ListsByKindAndPage) {
  int p2 = add_page(sysSpec, 1);
  int t1 = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, p2);
  add_symbol(sysSpec, EnumSym::BLK_TYPE_REF_SYM, 1, 2);
  int t2 = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);

  std::list<const Symbol*> syms{nullptr};  // the list is appended to, not cleared
  EXPECT_EQ(STATUS(sysSpec.get_Syms(EnumSym::TEXT_SYM, 1, 2, syms, info)), R::GET_OK);
  syms.pop_front();
  EXPECT_EQ(ids_of(syms), (std::list<int>{t1, t2}));

  syms.clear();
  EXPECT_EQ(STATUS(sysSpec.get_Syms(EnumSym::PRO_INST_REF_SYM, 1, 2, syms, info)), R::GET_OK);
  EXPECT_TRUE(syms.empty());
  EXPECT_EQ(STATUS(sysSpec.get_Syms(EnumSym::TEXT_SYM, 1, 99, syms, info)), R::GET_PAGE_UNKNOWN);
  std::string err = stderr_of([&] {
    EXPECT_EQ(STATUS(sysSpec.get_Syms(EnumSym::NONE, 1, 2, syms, info)), R::GET_SYMBOL_NOT_IN_LOCATION);
  });
  EXPECT_EQ(err, "error in: void Vemra::Diagram::get_Syms(\nunconsidered e_SymbolType !!!\n");

  // block kinds in a process diagram
  int pro = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, "P") + 1;
  err = stderr_of([&] {
    EXPECT_EQ(STATUS(sysSpec.get_Syms(EnumSym::BLK_INST_REF_SYM, pro, pro + 1, syms, info)),
              R::GET_SYMBOL_NOT_IN_LOCATION);
  });
  EXPECT_EQ(err, "");
  EXPECT_EQ(STATUS(sysSpec.get_Syms(EnumSym::BLK_TYPE_REF_SYM, pro, pro + 1, syms, info)),
            R::GET_SYMBOL_NOT_IN_LOCATION);
  EXPECT_TRUE(syms.empty());
}

TEST_F(ModelSymbol, ModifyGetAndDelete) {
  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  EXPECT_EQ(STATUS(sysSpec.set_SymbolPaS(t, -1, -2, 0, 5, info)), R::MODIFY_OK);
  EXPECT_EQ(sysSpec.get_RecSymbol(t, info)->get_PaS_as_String(), "-1 -2 0 5");
  EXPECT_EQ(sysSpec.get_RecSymbol(t, info)->get_Page_ID(), 2);

  int chan = add_channel(sysSpec, 1, 2, t, -1);
  // a channel is no structure symbol
  EXPECT_EQ(STATUS(sysSpec.set_SymbolPaS(chan, 0, 0, 0, 0, info)), R::MODIFY_ELEMENT_NOT_IN_LOCATION);
  EXPECT_EQ(STATUS(sysSpec.modify_SymbolContent(1, "x", info)), R::MODIFY_WRONG_ELEMENT_TYPE);

  // a state-machine symbol is not found among the structure symbols
  int pro = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, "P") + 1;
  int sm = add_sm(sysSpec, SM::TASK, pro, pro + 1);
  std::string err = stderr_of([&] { EXPECT_EQ(sysSpec.get_RecSymbol(sm, info), nullptr); });
  EXPECT_EQ(info.get_Info(), R::GET_SYMBOL_NOT_IN_LOCATION);
  EXPECT_EQ(err,
            "error in: const Vemra::Symbol * Vemra::Diagram::get_Symbol(const int Symbol_ID, ClsMoAccessInfo & "
            "Info)\nSymbol not found!!!\n");

  EXPECT_EQ(STATUS(sysSpec.delete_Symbol(t, info)), R::DELETE_OK);
  err = stderr_of([&] { EXPECT_EQ(sysSpec.get_RecSymbol(t, info), nullptr); });
  EXPECT_EQ(info.get_Info(), R::GET_ELEMENT_UNKNOWN);
  EXPECT_EQ(err, "");
  EXPECT_EQ(STATUS(sysSpec.delete_Symbol(t, info)), R::DELETE_ELEMENT_UNKNOWN);
  // the channel that named it stays, with its end ID
  auto chans = channels(sysSpec, 1, 2);
  ASSERT_EQ(chans.size(), 1u);
  EXPECT_EQ(chans.front()->get_SourceID_as_Int(), t);

  // the map accepts a channel, the symbol list does not have it
  EXPECT_EQ(STATUS(sysSpec.delete_Symbol(chan, info)), R::DELETE_ELEMENT_NOT_IN_LOCATION);
  EXPECT_EQ(channels(sysSpec, 1, 2).size(), 1u);
}
