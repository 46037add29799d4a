#include <gtest/gtest.h>

#include "model/MoEleMap.h"
#include "model/RenumberingHelper.h"
#include "tests/unit/test_support.h"

using namespace sdltest;

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

TEST_F(MapFixture, FindAcceptsTheBasicTypesOfEachAccess) {
  using M = ClsMoEleMap;
  // {ID, access, status, whether the enclosing diagram is handed out}
  struct Row { int id; M::EnumAccessType access; R::e_ResultType want; bool found; };
  const Row rows[] = {
      {1, M::ACCESS_INSERT, R::INSERT_OK, true},
      {3, M::ACCESS_INSERT, R::INSERT_LOCATION_NO_DIAGRAM, false},
      {99, M::ACCESS_INSERT, R::INSERT_LOCATION_UNKNOWN, false},
      {1, M::ACCESS_GET_DIAGRAM, R::GET_OK, true},
      {4, M::ACCESS_GET_DIAGRAM, R::GET_LOCATION_NO_DIAGRAM, false},
      {2, M::ACCESS_GET_DIAGRAM, R::GET_LOCATION_UNKNOWN, false},  // a page is never registered
      {3, M::ACCESS_GET_ELEMENT, R::GET_ELEMENT_OK, true},
      {5, M::ACCESS_GET_ELEMENT, R::GET_ELEMENT_OK, true},
      {4, M::ACCESS_GET_ELEMENT, R::GET_ELEMENT_WRONG_TYPE, false},  // channels are not elements here
      {1, M::ACCESS_GET_ELEMENT, R::GET_ELEMENT_WRONG_TYPE, false},
      {2, M::ACCESS_GET_ELEMENT, R::GET_ELEMENT_UNKNOWN, false},
      {4, M::ACCESS_DELETE, R::DELETE_OK, true},
      {1, M::ACCESS_DELETE, R::DELETE_WRONG_ELEMENT_TYPE, false},
      {-100, M::ACCESS_DELETE, R::DELETE_ELEMENT_UNKNOWN, false},
      {4, M::ACCESS_MODIFY, R::MODIFY_OK, true},
      {5, M::ACCESS_MODIFY, R::MODIFY_OK, true},
      {1, M::ACCESS_MODIFY, R::MODIFY_WRONG_ELEMENT_TYPE, false},
      {0, M::ACCESS_MODIFY, R::MODIFY_ELEMENT_UNKNOWN, false},
      {1, static_cast<M::EnumAccessType>(7), R::UNKNOWN_ACCESS_TYPE, false},
  };
  for (const Row& r : rows) {
    Diagram* got = nullptr;
    EXPECT_EQ(find(r.id, r.access, &got), r.want) << r.id << " access " << r.access;
    EXPECT_EQ(got, r.found ? &dia : nullptr) << r.id << " access " << r.access;
  }
}

TEST_F(MapFixture, DeleteAndOddRegistrations) {
  ClsMoAccessInfo info;
  EXPECT_EQ(STATUS(map.delete_MoEle(3, info)), R::DELETE_OK);  // removes only the entry
  EXPECT_FALSE(map.ID_exists_in_Map(3));
  EXPECT_EQ(STATUS(map.delete_MoEle(3, info)), R::DELETE_ELEMENT_NOT_IN_LOCATION);
  EXPECT_EQ(STATUS(map.delete_MoEle(2, info)), R::DELETE_ELEMENT_NOT_IN_LOCATION);  // a page's ID
  EXPECT_TRUE(map.ID_exists_in_Map(4));
  EXPECT_EQ(map.get_ID(), 6);  // IDs are never reused

  // logged, and the second registration wins
  const std::string exists = "error in: void Vemra::ClsMoEleMap::add_MoEle(...)\nObject-Model-ID exists !!!\n";
  ClsTextSym clash{4, 0, 0, 1, 1, "t", 2, 0, 0};  // same ID as the channel
  EXPECT_EQ(stderr_of([&] { map.add_MoEle(&clash, &dia); }), exists);
  EXPECT_EQ(find(4, ClsMoEleMap::ACCESS_GET_ELEMENT), R::GET_ELEMENT_OK);  // now a symbol
  EXPECT_EQ(stderr_of([&] { map.add_MoEle(&dia, &dia); }), exists);

  ClsSysDia stranger{50, "X", 51};
  ClsTextSym orphan{7, 0, 0, 1, 1, "t", 2, 0, 0};
  EXPECT_EQ(stderr_of([&] { map.add_MoEle(&orphan, &stranger); }),
            "error in: void Vemra::ClsMoEleMap::add_MoEle(...)\nParent not in Map !!!\n");
  EXPECT_TRUE(map.ID_exists_in_Map(7));  // stored anyway
  ClsPage page(2);
  EXPECT_EQ(stderr_of([&] { map.add_MoEle(&page, &dia); }),
            "error in: void Vemra::ClsMoEleMap::add_MoEle(...)\nunconsidered type!!!\n");
  EXPECT_FALSE(map.ID_exists_in_Map(2));  // pages stay out
}

TEST(ModelEleMap, PrintMapDumpsEntriesAscending) {
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
