// Commands on the channels of system and block diagrams.
#include "tclext/CommandShape.h"

using namespace Vemra;
using namespace Vemra::TclExt::TclModelAccess;
using R = ClsMoAccessInfo;

namespace {

const char* const MSG_UNKNOWN_DELAY = "unknown channel delay type";
const char* const MSG_UNKNOWN_DIRECTION = "unknown channel direction type";
const char* const MSG_UNKNOWN_COMP = "unknown channel comp type";

// A channel end: the environment ("ENV") or a symbol ID.
struct Endpoint {
  bool isEnv;
  int id;
};

Endpoint get_Endpoint(const CommandCall& c, int i) {
  if (ChannelConPoint_is_Enviroment(c.text_arg(i))) return {true, ClsChannel::ENV_ID};
  return {false, c.int_arg(i)};
}

using CompChange = void (SysSpec::*)(int, std::string, const ClsRecPaS&, ClsMoAccessInfo&);

CompChange get_CompChange(ClsChanComp::e_CompType type) {
  switch (type) {
    case ClsChanComp::SOURCE_SIG_LIST: return &SysSpec::modify_ChanSourceSig;
    case ClsChanComp::DEST_SIG_LIST: return &SysSpec::modify_ChanDestSig;
    case ClsChanComp::SOURCE_CON: return &SysSpec::modify_ChanSourceCon;
    case ClsChanComp::DEST_CON: return &SysSpec::modify_ChanDestCon;
    default: return &SysSpec::modify_ChanCompName;
  }
}

}  // namespace

VEMRA_COMMAND(insert_BidirecChannel) {
  return run_Command(insert_BidirecChannel, interp, argc, argv, [](CommandCall& c) {
    int diagramID = c.int_arg(1), pageID = c.int_arg(2);
    ClsChannel::e_DelayType delay;
    if (!determine_ChannelDelayType(c.text_arg(3), delay)) return c.fail(MSG_UNKNOWN_DELAY);
    Endpoint source = get_Endpoint(c, 4), dest = get_Endpoint(c, 5);
    std::list<int> coords;
    c.int_list_arg(6, coords);
    int newID = -1;
    c.sysSpec().insert_Channel(diagramID, pageID, delay, ClsChanName(c.text_arg(7), c.pas_arg(8)),
                               ClsChanSourceSigList(c.text_arg(9), c.pas_arg(10)),
                               ClsChanSourceCon(c.text_arg(11), c.pas_arg(12)),
                               ClsChanDestSigList(c.text_arg(13), c.pas_arg(14)),
                               ClsChanDestCon(c.text_arg(15), c.pas_arg(16)), coords, source.isEnv, source.id,
                               dest.isEnv, dest.id, c.info(), newID);
    if (!c.ok(R::INSERT_OK)) return TCL_ERROR;
    return write_NewObj(c.interp, newID);
  });
}

int Vemra::TclExt::TclModelAccess::write_Channels_to_Tcl_Interp(Tcl_Interp* interp,
                                                                std::list<const ClsChannel*>& list) {
  ResultWriter w(interp);
  w.list_frame(list);
  w.each(list, [](ResultWriter& w, const ClsChannel& ch) {
    int id = ch.get_Model_ID();
    std::string coords;
    createValListScr(&ch, coords);
    w.field(id, "Coords", coords)
        .field(id, "Source_Model_ID", ch.get_SourceID_as_String())
        .field(id, "Dest_Model_ID", ch.get_DestID_as_String())
        .field_text(id, "NameContent", ch.get_ChanName()->content_ref())
        .field_text(id, "SourceSigListContent", ch.get_ChanSourceSigList()->content_ref())
        .field_text(id, "SourceConContent", ch.get_ChanSourceCon()->content_ref())
        .field_text(id, "DestSigListContent", ch.get_ChanDestSigList()->content_ref())
        .field_text(id, "DestConContent", ch.get_ChanDestCon()->content_ref())
        .field(id, "DirectionType", ch.get_DirectionType_as_String())
        .field(id, "DelayType", ch.get_DelayType_as_String())
        .field_pas(id, "NamePaS", ch.get_ChanName()->get_RecPaS())
        .field_pas(id, "SourceSigListPaS", ch.get_ChanSourceSigList()->get_RecPaS())
        .field_pas(id, "SourceConPaS", ch.get_ChanSourceCon()->get_RecPaS())
        .field_pas(id, "DestSigListPaS", ch.get_ChanDestSigList()->get_RecPaS())
        .field_pas(id, "DestConPaS", ch.get_ChanDestCon()->get_RecPaS());
  });
  return w.ok() ? 0 : 1;
}

VEMRA_COMMAND(get_Channels) {
  return run_Command(get_Channels, interp, argc, argv, [](CommandCall& c) {
    std::list<const ClsChannel*> channels;
    c.sysSpec().get_Channels(c.int_arg(1), c.int_arg(2), channels, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    return write_Channels_to_Tcl_Interp(c.interp, channels) == 0 ? TCL_OK : TCL_ERROR;
  });
}

VEMRA_COMMAND(modify_Chan_Coords) {
  return run_Command(modify_Chan_Coords, interp, argc, argv, [](CommandCall& c) {
    std::list<int> coords;
    c.int_list_arg(2, coords);
    c.sysSpec().modify_Chan_Coords(c.int_arg(1), coords, c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(modify_ChanComp) {
  return run_Command(modify_ChanComp, interp, argc, argv, [](CommandCall& c) {
    int channelID = c.int_arg(1);
    ClsChanComp::e_CompType type;
    if (!determine_ChanCompType(c.text_arg(2), type)) return c.fail(MSG_UNKNOWN_COMP);
    (c.sysSpec().*get_CompChange(type))(channelID, c.text_arg(3), c.pas_arg(4), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(modify_Chan_Type) {
  return run_Command(modify_Chan_Type, interp, argc, argv, [](CommandCall& c) {
    int channelID = c.int_arg(1);
    ClsChannel::e_DelayType delay;
    if (!determine_ChannelDelayType(c.text_arg(2), delay)) return c.fail(MSG_UNKNOWN_DELAY);
    ClsChannel::e_DirectionType direction;
    if (!determine_ChannelDirectionType(c.text_arg(3), direction)) return c.fail(MSG_UNKNOWN_DIRECTION);
    c.sysSpec().modify_Chan_DirectionType(channelID, direction, c.info());
    if (!c.ok(R::MODIFY_OK)) return TCL_ERROR;
    c.sysSpec().modify_Chan_DelayType(channelID, delay, c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(delete_Chan) {
  return run_Command(delete_Chan, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().delete_Channel(c.int_arg(1), c.info());
    return c.finish(R::DELETE_OK);
  });
}
