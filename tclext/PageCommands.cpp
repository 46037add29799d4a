// Commands on the pages of a diagram.
#include "tclext/CommandShape.h"

using namespace Vemra;
using namespace Vemra::TclExt::TclModelAccess;
using R = ClsMoAccessInfo;

namespace {

using PageGetter = int (SysSpec::*)(int, ClsMoAccessInfo&) const;
using NeighbourGetter = int (SysSpec::*)(int, int, ClsPageManager::e_PageIndex&, ClsMoAccessInfo&) const;

// First or last page: "Result", then `key` = the page ID.
int answer_PageID(CommandCall& c, PageGetter get, const char* key) {
  int pageID = (c.sysSpec().*get)(c.int_arg(1), c.info());
  if (!c.ok(R::PAGE_GET_OK)) return TCL_ERROR;
  return ResultWriter(c.interp).mar_ok().set(key, pageID).status();
}

// Next or previous page: "Result", whether it exists, and its ID (-1 if none).
int answer_NeighbourPage(CommandCall& c, NeighbourGetter get, const char* existsKey, const char* idKey) {
  ClsPageManager::e_PageIndex index = ClsPageManager::FIRST_PAGE;
  int pageID = (c.sysSpec().*get)(c.int_arg(1), c.int_arg(2), index, c.info());
  if (!c.ok(R::PAGE_GET_OK)) return TCL_ERROR;
  const char* exists = index == ClsPageManager::NEIGHBOUR_PAGE ? "true" : "false";
  return ResultWriter(c.interp).mar_ok().set(existsKey, exists).set(idKey, pageID).status();
}

}  // namespace

VEMRA_COMMAND(get_PageSize) {
  return run_Command(get_PageSize, interp, argc, argv, [](CommandCall& c) {
    int width = 0, height = 0;
    c.sysSpec().get_PageSize(c.int_arg(1), c.int_arg(2), width, height, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    return ResultWriter(c.interp).mar_ok().set("PageWidth", width).set("PageHeight", height).status();
  });
}

VEMRA_COMMAND(get_PageFrameInfo) {
  return run_Command(get_PageFrameInfo, interp, argc, argv, [](CommandCall& c) {
    ClsRecPaS frame(0, 0, 10, 10);
    std::string diaType, name, index;
    c.sysSpec().get_PageFrameInfo(c.int_arg(1), c.int_arg(2), frame, diaType, name, index, c.info());
    if (!c.ok(R::GET_OK)) return TCL_ERROR;
    std::string framePaS;
    createValListScr(frame.get_PaS_as_IntList(), framePaS);
    return ResultWriter(c.interp)
        .mar_ok()
        .set("HP_DiaType", diaType)
        .set_text("HP_Name", name)
        .set("HP_Index", index)
        .set("FramePaS", framePaS)
        .status();
  });
}

VEMRA_COMMAND(modify_PageWidth) {
  return run_Command(modify_PageWidth, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_PageWidth(c.int_arg(1), c.int_arg(2), c.int_arg(3), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(modify_PageHeight) {
  return run_Command(modify_PageHeight, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_PageHeight(c.int_arg(1), c.int_arg(2), c.int_arg(3), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(modify_PageFramePaS) {
  return run_Command(modify_PageFramePaS, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().modify_PageFramePaS(c.int_arg(1), c.int_arg(2), c.int_arg(3), c.int_arg(4), c.int_arg(5),
                                    c.int_arg(6), c.info());
    return c.finish(R::MODIFY_OK);
  });
}

VEMRA_COMMAND(add_NewPage_after) {
  return run_Command(add_NewPage_after, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().add_NewPage_after(c.int_arg(1), c.int_arg(2), c.info());
    return c.finish(R::PAGE_INSERT_OK);
  });
}

VEMRA_COMMAND(get_FirstPageID) {
  return run_Command(get_FirstPageID, interp, argc, argv,
                     [](CommandCall& c) { return answer_PageID(c, &SysSpec::get_FirstPageID, "FirstPageID"); });
}

VEMRA_COMMAND(get_LastPageID) {
  return run_Command(get_LastPageID, interp, argc, argv,
                     [](CommandCall& c) { return answer_PageID(c, &SysSpec::get_LastPageID, "LastPageID"); });
}

VEMRA_COMMAND(get_NextPageID) {
  return run_Command(get_NextPageID, interp, argc, argv, [](CommandCall& c) {
    return answer_NeighbourPage(c, &SysSpec::get_NextPageID, "NextPageExists", "NextPageID");
  });
}

VEMRA_COMMAND(get_PreviousPageID) {
  return run_Command(get_PreviousPageID, interp, argc, argv, [](CommandCall& c) {
    return answer_NeighbourPage(c, &SysSpec::get_PreviousPageID, "PreviousPageExists", "PreviousPageID");
  });
}

VEMRA_COMMAND(delete_Page) {
  return run_Command(delete_Page, interp, argc, argv, [](CommandCall& c) {
    c.sysSpec().delete_Page(c.int_arg(1), c.int_arg(2), c.info());
    return c.finish(R::PAGE_DELETE_OK);
  });
}
