#include <gtest/gtest.h>

#include "model_test_helpers.h"

using namespace Vemra;
using namespace model_test;

namespace {
ClsChannel make_channel(bool src_env, int src, bool dst_env, int dst) {
  std::list<int> coords{1, 2, 3};  // odd count is fine
  return ClsChannel(9, 2, ClsChannel::DELAY, ClsChanName("N", ClsRecPaS(1, 1, 1, 1)),
                    ClsChanSourceSigList("SS", ClsRecPaS(2, 2, 2, 2)), ClsChanSourceCon("SC", ClsRecPaS(3, 3, 3, 3)),
                    ClsChanDestSigList("DS", ClsRecPaS(4, 4, 4, 4)), ClsChanDestCon("DC", ClsRecPaS(5, 5, 5, 5)),
                    coords, src_env, src, dst_env, dst);
}
}  // namespace

TEST(ModelChannel, EndsComponentsAndTexts) {
  ClsChannel c = make_channel(true, 42, false, 7);
  EXPECT_TRUE(c.Source_is_Env());
  EXPECT_EQ(c.get_SourceID_as_Int(), -100);
  EXPECT_EQ(c.get_SourceID_as_String(), "ENV");
  EXPECT_FALSE(c.Destination_is_Env());
  EXPECT_EQ(c.get_DestID_as_String(), "7");
  EXPECT_EQ(c.get_DirectionType(), ClsChannel::BOTH);
  EXPECT_EQ(c.get_DirectionType_as_String(), "both");
  EXPECT_EQ(c.get_DelayType_as_String(), "delay");
  EXPECT_EQ(c.get_ChanName()->get_CompType(), ClsChanComp::NAME);
  EXPECT_EQ(c.get_ChanSourceSigList()->get_CompType(), ClsChanComp::SOURCE_SIG_LIST);
  EXPECT_EQ(c.get_ChanDestSigList()->get_CompType(), ClsChanComp::DEST_SIG_LIST);
  EXPECT_EQ(c.get_ChanSourceCon()->get_CompType(), ClsChanComp::SOURCE_CON);
  EXPECT_EQ(c.get_ChanDestCon()->get_CompType(), ClsChanComp::DEST_CON);

  c.modify_Comp_Name("N2", ClsRecPaS(9, 9, 9, 9));
  EXPECT_EQ(c.get_NameContent(), "N2");
  EXPECT_EQ(c.get_NamePas(), (std::list<int>{9, 9, 9, 9}));
  EXPECT_EQ(c.get_SourceSigListContent(), "SS");
  EXPECT_EQ(c.get_SourceSigListPas(), (std::list<int>{2, 2, 2, 2}));
  EXPECT_EQ(c.get_SourceConContent(), "SC");
  EXPECT_EQ(c.get_SourceConPas(), (std::list<int>{3, 3, 3, 3}));
  EXPECT_EQ(c.get_DestSigListContent(), "DS");
  EXPECT_EQ(c.get_DestSigListPas(), (std::list<int>{4, 4, 4, 4}));
  EXPECT_EQ(c.get_DestConContent(), "DC");
  EXPECT_EQ(c.get_DestConPas(), (std::list<int>{5, 5, 5, 5}));

  std::list<int> coords{7};
  c.get_Coords_as_IntList(coords);
  EXPECT_EQ(coords, (std::list<int>{1, 2, 3}));
  c.modify_Chan_Coords({});
  c.get_Coords_as_IntList(coords);
  EXPECT_TRUE(coords.empty());

  c.modify_Chan_DirectionType(ClsChannel::FROM_DESTINATION);
  EXPECT_EQ(c.get_DirectionType_as_String(), "from_destination");
  c.modify_Chan_DirectionType(ClsChannel::FROM_SOURCE);
  EXPECT_EQ(c.get_DirectionType_as_String(), "from_source");
  c.modify_Chan_DirectionType(static_cast<ClsChannel::e_DirectionType>(5));
  EXPECT_EQ(c.get_DirectionType_as_String(), "none");
  c.modify_Chan_DelayType(ClsChannel::NO_DELAY);
  EXPECT_EQ(c.get_DelayType_as_String(), "no_delay");
  c.modify_Chan_DelayType(static_cast<ClsChannel::e_DelayType>(-1));
  EXPECT_EQ(c.get_DelayType_as_String(), "none");
}

TEST(ModelChannel, PrintWritesTheDumpLines) {
  ClsChannel c = make_channel(false, 3, true, 0);
  std::string err = stderr_of([&] { c.print(); });
  EXPECT_EQ(err,
            "PRINTING CHANNEL\nSource: 3\nDest: -100\nCoords: 1 2 3 \n"
            "ChanNamePaS: 1 1 1 1\nChanSourceSigListPaS: 2 2 2 2\nChanSourceConPaS: 3 3 3 3\n"
            "ChanDestConPaS: 5 5 5 5\nChanDestSigListPaS: 4 4 4 4\nEND PRINTING CHANNEL\n");
}

TEST(ModelChannel, InsertionChecksTheEndsBeforeTakingAnID) {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
  int id = -5;
  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  int pro = add_symbol(sysSpec, EnumSym::PRO_INST_REF_SYM, 1, 2, "P") + 1;
  int other = add_symbol(sysSpec, EnumSym::TEXT_SYM, pro, pro + 1);  // a symbol of another diagram
  int sm = add_sm(sysSpec, SM::START, pro, pro + 1);

  EXPECT_EQ(try_channel(sysSpec, 1, 2, false, sm, true, 0, id), R::INSERT_CHAN_SOURCE_UNKNOWN);
  EXPECT_EQ(try_channel(sysSpec, 1, 2, false, 999, true, 0, id), R::INSERT_CHAN_SOURCE_UNKNOWN);
  EXPECT_EQ(try_channel(sysSpec, 1, 2, true, 999, false, 999, id), R::INSERT_CHAN_DEST_UNKNOWN);
  EXPECT_EQ(try_channel(sysSpec, 1, 2, false, other, false, t, id), R::INSERT_CHAN_SOURCE_UNKNOWN);
  EXPECT_EQ(try_channel(sysSpec, t, 2, false, t, false, t, id), R::INSERT_LOCATION_NO_DIAGRAM);
  EXPECT_EQ(try_channel(sysSpec, 77, 2, false, t, false, t, id), R::INSERT_LOCATION_UNKNOWN);
  EXPECT_EQ(id, -5);
  EXPECT_EQ(try_channel(sysSpec, 1, 99, false, t, false, t, id), R::INSERT_PAGE_UNKNOWN);  // takes an ID
  EXPECT_EQ(id, -5);

  EXPECT_EQ(try_channel(sysSpec, 1, 2, true, 999, false, t, id), R::INSERT_OK);
  EXPECT_EQ(id, sm + 2);
  const ClsChannel* c = nullptr;
  std::list<const ClsChannel*> chans;
  sysSpec.get_Channels(1, 2, chans, info);
  c = chans.back();
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
  chans.clear();
  sysSpec.get_Channels(1, p2, chans, info);
  ASSERT_EQ(chans.size(), 1u);
  EXPECT_EQ(chans.front()->get_DirectionType(), ClsChannel::FROM_SOURCE);
  EXPECT_EQ(chans.front()->get_Model_ID(), id);
}

TEST(ModelChannel, ModificationsThroughTheSystemModel) {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  int c = add_channel(sysSpec, 1, 2, t, -1);
  std::list<const ClsChannel*> chans;
  sysSpec.get_Channels(1, 2, chans, info);
  const ClsChannel* chan = chans.front();
  ClsRecPaS box(4, 3, 2, 1);

  sysSpec.modify_ChanCompName(c, "n", box, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_OK);
  sysSpec.modify_ChanSourceSig(c, "ss", box, info);
  sysSpec.modify_ChanSourceCon(c, "sc", box, info);
  sysSpec.modify_ChanDestSig(c, "ds", box, info);
  sysSpec.modify_ChanDestCon(c, "dc", box, info);
  EXPECT_EQ(chan->get_NameContent() + chan->get_SourceSigListContent() + chan->get_SourceConContent() +
                chan->get_DestSigListContent() + chan->get_DestConContent(),
            "nsssc" "dsdc");
  EXPECT_EQ(chan->get_DestConPas(), (std::list<int>{4, 3, 2, 1}));
  std::list<int> coords{9, 8, 7, 6, 5};
  sysSpec.modify_Chan_Coords(c, coords, info);
  EXPECT_EQ(std::vector<int>(chan->coords_ref()), (std::vector<int>{9, 8, 7, 6, 5}));
  sysSpec.modify_Chan_DirectionType(c, ClsChannel::FROM_DESTINATION, info);
  sysSpec.modify_Chan_DelayType(c, ClsChannel::DELAY, info);
  EXPECT_EQ(chan->get_DirectionType(), ClsChannel::FROM_DESTINATION);
  EXPECT_EQ(chan->get_DelayType(), ClsChannel::DELAY);

  sysSpec.modify_Chan_Coords(t, coords, info);  // a text symbol is no channel
  EXPECT_EQ(info.get_Info(), R::MODIFY_ELEMENT_NOT_IN_LOCATION);
  sysSpec.modify_ChanCompName(t, "x", box, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_ELEMENT_NOT_IN_LOCATION);
  sysSpec.modify_Chan_DelayType(1, ClsChannel::DELAY, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_WRONG_ELEMENT_TYPE);
  sysSpec.modify_Chan_DirectionType(c + 1, ClsChannel::BOTH, info);
  EXPECT_EQ(info.get_Info(), R::MODIFY_ELEMENT_UNKNOWN);

  sysSpec.get_EnclosingDiagramID(c, info);
  EXPECT_EQ(info.get_Info(), R::GET_ELEMENT_WRONG_TYPE);
  sysSpec.delete_StateMachineSymbol(c, info);  // wrong family: refused by the diagram
  EXPECT_EQ(info.get_Info(), R::DELETE_ELEMENT_NOT_IN_LOCATION);
  sysSpec.delete_Channel(c, info);
  EXPECT_EQ(info.get_Info(), R::DELETE_OK);
  sysSpec.delete_Channel(c, info);
  EXPECT_EQ(info.get_Info(), R::DELETE_ELEMENT_UNKNOWN);
  chans.clear();
  sysSpec.get_Channels(1, 2, chans, info);
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  EXPECT_TRUE(chans.empty());
  sysSpec.get_Channels(1, 99, chans, info);
  EXPECT_EQ(info.get_Info(), R::GET_PAGE_UNKNOWN);
}

TEST(ModelChannel, DiagramSideLookups) {
  SysSpec sysSpec;
  ClsMoAccessInfo info;
  int t = add_symbol(sysSpec, EnumSym::TEXT_SYM, 1, 2);
  int c1 = add_channel(sysSpec, 1, 2, t, t);
  int c2 = add_channel(sysSpec, 1, 2, -1, t);
  const Diagram* sys = sysSpec.get_Diagram(1, info);
  EXPECT_EQ(sys->get_Channel(c2, info)->get_Model_ID(), c2);
  EXPECT_EQ(info.get_Info(), R::GET_OK);
  EXPECT_EQ(sys->get_Channel(t, info), nullptr);
  EXPECT_EQ(info.get_Info(), R::GET_CHANNEL_NOT_IN_LOCATION);
  std::string err = stderr_of([&] { sys->printChannels(); });
  EXPECT_EQ(err.find("Source: " + std::to_string(t)), err.find("Source: "));  // c1 first
  EXPECT_NE(err.find("Source: -100"), std::string::npos);
  (void)c1;
}
