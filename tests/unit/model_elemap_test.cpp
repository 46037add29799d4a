#include <gtest/gtest.h>

#include "model/MoEleMap.h"
#include "model/RenumberingHelper.h"
#include "model_test_helpers.h"

using namespace Vemra;
using model_test::R;
using model_test::stderr_of;

namespace {
// A map holding a system diagram (1), a text symbol (3), a channel (4) and a
// flow line (5); ID 2 was taken by a page and is not registered.
struct MapFixture : testing::Test {
  ClsMoEleMap map;
  ClsSysDia dia{1, "ROOT", 2};
  ClsTextSym text{3, 0, 0, 1, 1, "t", 2, 0, 0};
  ClsRecPaS box{0, 0, 0, 0};
  std::list<int> coords{1, 2};
  ClsChannel chan{4, 2, ClsChannel::DELAY, ClsChanName("", box), ClsChanSourceSigList("", box),
                  ClsChanSourceCon("", box), ClsChanDestSigList("", box), ClsChanDestCon("", box), coords,
                  true, 0, true, 0};
  ClsNormalFlowLine line{5, 2, coords, 7, 8};

  void SetUp() override {
    for (int i = 0; i < 5; ++i) map.get_ID();
    map.add_MoEle(&dia, &dia);
    map.add_MoEle(&text, &dia);
    map.add_MoEle(&chan, &dia);
    map.add_MoEle(&line, &dia);
  }
  R::e_ResultType find(int id, ClsMoEleMap::EnumAccessType access, Diagram** out = nullptr) {
    ClsMoAccessInfo info;
    Diagram* d = map.find_MoEle(id, access, info);
    if (out) *out = d;
    return info.get_Info();
  }
};
}  // namespace

TEST(ModelEleMap, IDsCountUpAndAreNeverReused) {
  ClsMoEleMap map;
  EXPECT_EQ(map.get_ID(), 1);
  EXPECT_EQ(map.get_ID(), 2);
  EXPECT_EQ(map.get_ID(), 3);
  ClsMoAccessInfo info;
  map.delete_MoEle(2, info);
  EXPECT_EQ(info.get_Info(), R::DELETE_ELEMENT_NOT_IN_LOCATION);  // never registered
  EXPECT_EQ(map.get_ID(), 4);
}

TEST_F(MapFixture, FindAcceptsTheBasicTypesOfEachAccess) {
  using M = ClsMoEleMap;
  Diagram* got = nullptr;
  EXPECT_EQ(find(1, M::ACCESS_INSERT, &got), R::INSERT_OK);
  EXPECT_EQ(got, &dia);
  EXPECT_EQ(find(3, M::ACCESS_INSERT), R::INSERT_LOCATION_NO_DIAGRAM);
  EXPECT_EQ(find(99, M::ACCESS_INSERT), R::INSERT_LOCATION_UNKNOWN);

  EXPECT_EQ(find(1, M::ACCESS_GET_DIAGRAM), R::GET_OK);
  EXPECT_EQ(find(4, M::ACCESS_GET_DIAGRAM, &got), R::GET_LOCATION_NO_DIAGRAM);
  EXPECT_EQ(got, nullptr);
  EXPECT_EQ(find(2, M::ACCESS_GET_DIAGRAM), R::GET_LOCATION_UNKNOWN);  // a page is never registered

  EXPECT_EQ(find(3, M::ACCESS_GET_ELEMENT, &got), R::GET_ELEMENT_OK);
  EXPECT_EQ(got, &dia);
  EXPECT_EQ(find(5, M::ACCESS_GET_ELEMENT), R::GET_ELEMENT_OK);
  EXPECT_EQ(find(4, M::ACCESS_GET_ELEMENT, &got), R::GET_ELEMENT_WRONG_TYPE);  // channels are not elements here
  EXPECT_EQ(got, nullptr);
  EXPECT_EQ(find(1, M::ACCESS_GET_ELEMENT), R::GET_ELEMENT_WRONG_TYPE);
  EXPECT_EQ(find(2, M::ACCESS_GET_ELEMENT), R::GET_ELEMENT_UNKNOWN);

  EXPECT_EQ(find(4, M::ACCESS_DELETE, &got), R::DELETE_OK);
  EXPECT_EQ(got, &dia);
  EXPECT_EQ(find(1, M::ACCESS_DELETE), R::DELETE_WRONG_ELEMENT_TYPE);
  EXPECT_EQ(find(-100, M::ACCESS_DELETE), R::DELETE_ELEMENT_UNKNOWN);

  EXPECT_EQ(find(4, M::ACCESS_MODIFY, &got), R::MODIFY_OK);
  EXPECT_EQ(got, &dia);
  EXPECT_EQ(find(5, M::ACCESS_MODIFY), R::MODIFY_OK);
  EXPECT_EQ(find(1, M::ACCESS_MODIFY), R::MODIFY_WRONG_ELEMENT_TYPE);
  EXPECT_EQ(find(0, M::ACCESS_MODIFY), R::MODIFY_ELEMENT_UNKNOWN);

  EXPECT_EQ(find(1, static_cast<M::EnumAccessType>(7), &got), R::UNKNOWN_ACCESS_TYPE);
  EXPECT_EQ(got, nullptr);
}

TEST_F(MapFixture, DeleteRemovesOnlyTheEntry) {
  ClsMoAccessInfo info;
  map.delete_MoEle(3, info);
  EXPECT_EQ(info.get_Info(), R::DELETE_OK);
  EXPECT_FALSE(map.ID_exists_in_Map(3));
  map.delete_MoEle(3, info);
  EXPECT_EQ(info.get_Info(), R::DELETE_ELEMENT_NOT_IN_LOCATION);
  EXPECT_TRUE(map.ID_exists_in_Map(4));
  EXPECT_EQ(map.get_ID(), 6);
}

TEST_F(MapFixture, RegisteringAnIDTwiceLogsAndTheSecondWins) {
  ClsTextSym clash{4, 0, 0, 1, 1, "t", 2, 0, 0};  // same ID as the channel
  std::string err = stderr_of([&] { map.add_MoEle(&clash, &dia); });
  EXPECT_EQ(err, "error in: void Vemra::ClsMoEleMap::add_MoEle(...)\nObject-Model-ID exists !!!\n");
  EXPECT_EQ(find(4, ClsMoEleMap::ACCESS_GET_ELEMENT), R::GET_ELEMENT_OK);  // now a symbol

  err = stderr_of([&] { map.add_MoEle(&dia, &dia); });
  EXPECT_EQ(err, "error in: void Vemra::ClsMoEleMap::add_MoEle(...)\nObject-Model-ID exists !!!\n");
}

TEST(ModelEleMap, ParentMissingOrPageIsLoggedAndPagesStayOut) {
  ClsMoEleMap map;
  ClsSysDia dia{1, "ROOT", 2};
  ClsTextSym text{3, 0, 0, 1, 1, "t", 2, 0, 0};
  std::string err = stderr_of([&] { map.add_MoEle(&text, &dia); });
  EXPECT_EQ(err, "error in: void Vemra::ClsMoEleMap::add_MoEle(...)\nParent not in Map !!!\n");
  EXPECT_TRUE(map.ID_exists_in_Map(3));  // stored anyway

  ClsPage page(2);
  err = stderr_of([&] { map.add_MoEle(&page, &dia); });
  EXPECT_EQ(err, "error in: void Vemra::ClsMoEleMap::add_MoEle(...)\nunconsidered type!!!\n");
  EXPECT_FALSE(map.ID_exists_in_Map(2));
}

TEST(ModelEleMap, InfoConstructionAndAccessorsLogOddUses) {
  ClsSysDia dia{1, "ROOT", 2};
  std::string err;
  ClsMoEleMap::ClsMoEleInfo none;
  EXPECT_EQ(none.get_MoEleBasicType(), ClsMoEleMap::BASIC_NONE);
  EXPECT_EQ(none.get_MoEleType(), ClsMoEleType::Undefined);

  err = stderr_of([&] {
    ClsMoEleMap::ClsMoEleInfo page(ClsMoEleType::Page, &dia);
    EXPECT_EQ(page.get_MoEleType(), ClsMoEleType::Page);
    EXPECT_EQ(page.get_MoEleBasicType(), ClsMoEleMap::BASIC_NONE);
    EXPECT_EQ(page.get_EnclosingDiagram(), nullptr);
  });
  EXPECT_EQ(err,
            "error in: Vemra::ClsMoEleMap::ClsMoEleInfo::ClsMoEleInfo(...\nunconsidered type!!!\n"
            "error in Vemra::Diagram * Vemra::ClsMoEleInfo::get_EnclosingDiagram( )\n");

  ClsMoEleMap::ClsMoEleInfo text(ClsMoEleType::TextSym, &dia);
  EXPECT_EQ(text.get_MoEleBasicType(), ClsMoEleMap::BASIC_SYMBOL);
  err = stderr_of([&] { EXPECT_EQ(text.get_Diagram(), &dia); });
  EXPECT_EQ(err, "Vemra::Diagram * Vemra::ClsMoEleInfo::get_Diagram( )\n");
  ClsMoEleMap::ClsMoEleInfo copy = text;
  EXPECT_EQ(stderr_of([&] { EXPECT_EQ(copy.get_EnclosingDiagram(), &dia); }), "");

  EXPECT_EQ(ClsMoEleMap::ClsMoEleInfo(ClsMoEleType::ChanSym, &dia).get_MoEleBasicType(), ClsMoEleMap::BASIC_CHANNEL);
  EXPECT_EQ(ClsMoEleMap::ClsMoEleInfo(ClsMoEleType::StateMachineSymProcedureReturn, &dia).get_MoEleBasicType(),
            ClsMoEleMap::BASIC_STATEMACHINESYMBOL);
  EXPECT_EQ(ClsMoEleMap::ClsMoEleInfo(ClsMoEleType::DecisionFlowLine, &dia).get_MoEleBasicType(),
            ClsMoEleMap::BASIC_FLOWLINE);
  EXPECT_EQ(ClsMoEleMap::ClsMoEleInfo(ClsMoEleType::ProcedureDia, &dia).get_MoEleBasicType(),
            ClsMoEleMap::BASIC_DIAGRAM);
}

TEST(ModelEleMap, PrintMapDumpsEntriesAscending) {
  using namespace model_test;
  SysSpec sysSpec;
  add_symbol(sysSpec, EnumSym::PROCEDURE_INST_REF_SYM, 1, 2, "P");  // 3, diagram 4, page 5
  add_channel(sysSpec, 1, 2, -1, 3);                                 // 6
  std::string err = stderr_of([&] { sysSpec.print_Map(); });
  EXPECT_EQ(err,
            "void Vemra::ClsMoEleMap::print_Map()\n"
            "MAP-ID: 1\nElement-type: SysDia\n"
            "MAP-ID: 3\nElement-type: error in: void Vemra::ClsMoEleMap::print_Map()\nunconsidered type!!!\n"
            "MAP-ID: 4\nElement-type: error in: void Vemra::ClsMoEleMap::print_Map()\nunconsidered type!!!\n"
            "MAP-ID: 6\nElement-type: ChanSym\n"
            "END: void Vemra::ClsMoEleMap::print_Map()\n");
}

// IDs far away from the counter (only possible for hand-made elements) keep
// their place in the ascending order.
TEST(ModelEleMap, FarAwayIDsKeepAscendingOrder) {
  ClsMoEleMap map;
  ClsSysDia a{2000000000, "A", 0}, b{-7, "B", 0}, c{1, "C", 0};
  map.add_MoEle(&a, &a);
  map.add_MoEle(&b, &b);
  map.add_MoEle(&c, &c);
  EXPECT_TRUE(map.ID_exists_in_Map(2000000000));
  EXPECT_TRUE(map.ID_exists_in_Map(-7));
  EXPECT_EQ(map.size(), 3u);
  std::string err = stderr_of([&] { map.print_Map(); });
  EXPECT_LT(err.find("MAP-ID: -7"), err.find("MAP-ID: 1\n"));
  EXPECT_LT(err.find("MAP-ID: 1\n"), err.find("MAP-ID: 2000000000"));
}

TEST(ModelRenumbering, PairsAreOneToOne) {
  ClsRenumberingHelper h;
  EXPECT_THROW(h.get_New_ID_from_Old_ID(5), ClsRenumberingHelper_ErrorReporter);
  h.add_ID_Pair(5, 12);
  EXPECT_THROW(h.add_ID_Pair(5, 13), ClsRenumberingHelper_ErrorReporter);
  EXPECT_THROW(h.add_ID_Pair(6, 12), ClsRenumberingHelper_ErrorReporter);
  EXPECT_EQ(h.get_New_ID_from_Old_ID(5), 12);
  EXPECT_EQ(h.get_Old_ID_from_New_ID(12), 5);
  EXPECT_THROW(h.get_Old_ID_from_New_ID(13), ClsRenumberingHelper_ErrorReporter);
  EXPECT_THROW(h.get_New_ID_from_Old_ID(6), ClsRenumberingHelper_ErrorReporter);
  try {
    h.add_ID_Pair(5, 5);
  } catch (const ClsRenumberingHelper_ErrorReporter& e) {
    EXPECT_EQ(e.get_ErrorType(), 0);
  }

  h.reset_RenumberingHelper();
  EXPECT_THROW(h.get_New_ID_from_Old_ID(5), ClsRenumberingHelper_ErrorReporter);
  EXPECT_THROW(h.get_Old_ID_from_New_ID(12), ClsRenumberingHelper_ErrorReporter);
  h.add_ID_Pair(6, 12);
  h.add_ID_Pair(5, 13);
  EXPECT_EQ(h.get_Old_ID_from_New_ID(13), 5);
}
