#include <gtest/gtest.h>

#include "tests/unit/test_support.h"

using namespace Vemra;
using namespace sdltest;

namespace {
ClsChannel make_channel(bool src_env, int src, bool dst_env, int dst) {
  std::list<int> coords{1, 2, 3};  // odd count is fine
  return ClsChannel(9, 2, ClsChannel::DELAY, ClsChanName("N", ClsRecPaS(1, 1, 1, 1)),
                    ClsChanSourceSigList("SS", ClsRecPaS(2, 2, 2, 2)), ClsChanSourceCon("SC", ClsRecPaS(3, 3, 3, 3)),
                    ClsChanDestSigList("DS", ClsRecPaS(4, 4, 4, 4)), ClsChanDestCon("DC", ClsRecPaS(5, 5, 5, 5)),
                    coords, src_env, src, dst_env, dst);
}
}  // namespace

using ModelChannel = ModelTest;

// Ends, type names (unknown values read "none") and the dump; the component
// texts and boxes are read through the commands.
TEST_F(ModelChannel, EndsTypeNamesAndDump) {
  ClsChannel c = make_channel(true, 42, false, 7);
  EXPECT_EQ(c.get_SourceID_as_Int(), -100);
  EXPECT_EQ(c.get_SourceID_as_String() + c.get_DestID_as_String(), "ENV7");
  const std::pair<ClsChannel::e_DirectionType, const char*> directions[] = {
      {ClsChannel::FROM_DESTINATION, "from_destination"},
      {ClsChannel::FROM_SOURCE, "from_source"},
      {static_cast<ClsChannel::e_DirectionType>(5), "none"}};
  for (const auto& d : directions) {
    c.modify_Chan_DirectionType(d.first);
    EXPECT_EQ(c.get_DirectionType_as_String(), d.second);
  }
  c.modify_Chan_DelayType(static_cast<ClsChannel::e_DelayType>(-1));
  EXPECT_EQ(c.get_DelayType_as_String(), "none");
  ClsChannel d = make_channel(false, 3, true, 0);
  EXPECT_EQ(stderr_of([&] { d.print(); }),
            "PRINTING CHANNEL\nSource: 3\nDest: -100\nCoords: 1 2 3 \n"
            "ChanNamePaS: 1 1 1 1\nChanSourceSigListPaS: 2 2 2 2\nChanSourceConPaS: 3 3 3 3\n"
            "ChanDestConPaS: 5 5 5 5\nChanDestSigListPaS: 4 4 4 4\nEND PRINTING CHANNEL\n");
}

TEST_F(ModelChannel, InsertionChecksTheEndsBeforeTakingAnID) {
  int id = -5;
  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  int pro = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, "P") + 1;
  int other = add_symbol(sysSpec, EnumSym::TEXT_SYM, pro, pro + 1);  // a symbol of another diagram
  int sm = add_sm(sysSpec, SM::START, pro, pro + 1);

  struct Row { int dia, page; bool src_env; int src; bool dst_env; int dst; R::e_ResultType want; };
  const Row rows[] = {
      {1, 2, false, sm, true, 0, R::INSERT_CHAN_SOURCE_UNKNOWN},  // a state-machine symbol is no end
      {1, 2, false, 999, true, 0, R::INSERT_CHAN_SOURCE_UNKNOWN},
      {1, 2, true, 999, false, 999, R::INSERT_CHAN_DEST_UNKNOWN},
      {1, 2, false, other, false, t, R::INSERT_CHAN_SOURCE_UNKNOWN},
      {t, 2, false, t, false, t, R::INSERT_LOCATION_NO_DIAGRAM},
      {77, 2, false, t, false, t, R::INSERT_LOCATION_UNKNOWN},
      {1, 99, false, t, false, t, R::INSERT_PAGE_UNKNOWN},  // the only one that takes an ID
  };
  for (const Row& r : rows) {
    EXPECT_EQ(try_channel(sysSpec, r.dia, r.page, r.src_env, r.src, r.dst_env, r.dst, id), r.want) << r.want;
    EXPECT_EQ(id, -5);
  }
  EXPECT_EQ(try_channel(sysSpec, 1, 2, true, 999, false, t, id), R::INSERT_OK);
  EXPECT_EQ(id, sm + 2);
  const ClsChannel* c = channels(sysSpec, 1, 2).back();
  EXPECT_EQ(c->get_SourceID_as_Int(), -100);
  EXPECT_EQ(c->get_DestID_as_Int(), t);
  EXPECT_EQ(c->get_DirectionType(), ClsChannel::BOTH);
  EXPECT_EQ(c->get_Page_ID(), 2);

  // the form with a direction; ends on another page of the same diagram qualify
  int p2 = add_page(sysSpec, 1);
  ClsRecPaS box(0, 0, 1, 1);
  std::list<int> coords{1, 2};
  sysSpec.insert_Channel(1, p2, ClsChannel::DELAY, ClsChannel::FROM_SOURCE, ClsChanName("a", box),
                         ClsChanSourceSigList("", box), ClsChanSourceCon("", box), ClsChanDestSigList("", box),
                         ClsChanDestCon("", box), coords, false, t, false, t, info, id);
  EXPECT_EQ(info.get_Info(), R::INSERT_OK);
  auto chans = channels(sysSpec, 1, p2);
  EXPECT_EQ(ids_of(chans), std::list<int>{id});
  EXPECT_EQ(chans.front()->get_DirectionType(), ClsChannel::FROM_SOURCE);
}

// Changes reach only channels; the components are read back through the
// commands.
TEST_F(ModelChannel, ChangesAndDeletion) {
  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  int c = add_channel(sysSpec, 1, 2, t, t);
  int c2 = add_channel(sysSpec, 1, 2, -1, t);
  std::list<int> coords{9, 8};
  ClsRecPaS box(4, 3, 2, 1);
  EXPECT_EQ(STATUS(sysSpec.modify_Chan_Coords(t, coords, info)), R::MODIFY_ELEMENT_NOT_IN_LOCATION);
  EXPECT_EQ(STATUS(sysSpec.modify_ChanCompName(t, "x", box, info)), R::MODIFY_ELEMENT_NOT_IN_LOCATION);
  EXPECT_EQ(STATUS(sysSpec.modify_Chan_DelayType(1, ClsChannel::DELAY, info)), R::MODIFY_WRONG_ELEMENT_TYPE);
  EXPECT_EQ(STATUS(sysSpec.modify_Chan_DirectionType(c2 + 1, ClsChannel::BOTH, info)), R::MODIFY_ELEMENT_UNKNOWN);
  EXPECT_EQ(STATUS(sysSpec.get_EnclosingDiagramID(c, info)), R::GET_ELEMENT_WRONG_TYPE);
  EXPECT_EQ(STATUS(sysSpec.delete_StateMachineSymbol(c, info)), R::DELETE_ELEMENT_NOT_IN_LOCATION);
  EXPECT_EQ(STATUS(sysSpec.delete_Channel(c, info)), R::DELETE_OK);
  EXPECT_EQ(STATUS(sysSpec.delete_Channel(c, info)), R::DELETE_ELEMENT_UNKNOWN);
  EXPECT_EQ(ids_of(channels(sysSpec, 1, 2)), std::list<int>{c2});
  std::list<const ClsChannel*> chans;
  EXPECT_EQ(STATUS(sysSpec.get_Channels(1, 99, chans, info)), R::GET_PAGE_UNKNOWN);
}
