#include "model/Page.h"

namespace Vemra {

namespace {
const int DEFAULT_PAGE_WIDTH = 800;
const int DEFAULT_PAGE_HEIGHT = 600;
}  // namespace

ClsPage::ClsPage(int ModelID)
    : ClsObjectWithModel_ID(ModelID),
      PageWidth(DEFAULT_PAGE_WIDTH),
      PageHeight(DEFAULT_PAGE_HEIGHT),
      PageFrame(ClsRecPaS(PageWidth / 10, PageHeight / 10, PageWidth * 80 / 100, PageHeight * 80 / 100)) {}

void ClsPage::modify_PageWidth(int Width, ClsMoAccessInfo& Info) {
  if (Width > 0 && PageFrame.get().get_x_right_down() < Width) {
    PageWidth = Width;
    Info.set_Info(ClsMoAccessInfo::MODIFY_OK);
  } else {
    Info.set_Info(ClsMoAccessInfo::MODIFY_INVALID_PAGE_VALUE);
  }
}

void ClsPage::modify_PageHeight(int Height, ClsMoAccessInfo& Info) {
  if (Height > 0 && PageFrame.get().get_y_right_down() < Height) {
    PageHeight = Height;
    Info.set_Info(ClsMoAccessInfo::MODIFY_OK);
  } else {
    Info.set_Info(ClsMoAccessInfo::MODIFY_INVALID_PAGE_VALUE);
  }
}

void ClsPage::modify_FramePaS(int x, int y, int Width, int Height, ClsMoAccessInfo& Info) {
  // Edges computed in 64 bits: huge values must be refused, not wrap around.
  long long right = static_cast<long long>(x) + Width;
  long long bottom = static_cast<long long>(y) + Height;
  if (x > 0 && y > 0 && right < PageWidth && bottom < PageHeight) {
    PageFrame.get().set_PaS(x, y, Width, Height);
    Info.set_Info(ClsMoAccessInfo::MODIFY_OK);
  } else {
    Info.set_Info(ClsMoAccessInfo::MODIFY_INVALID_PAGE_VALUE);
  }
}

ClsPageManager::ClsPageManager(int FirstPageID) {
  Pages.emplace_back(FirstPageID);
  Index.emplace(FirstPageID, Pages.begin());
}

ClsPageManager::PageList::iterator ClsPageManager::find_it(int PageID) {
  auto it = Index.find(PageID);
  return it == Index.end() ? Pages.end() : it->second;
}

ClsPageManager::PageList::const_iterator ClsPageManager::find_it(int PageID) const {
  return const_cast<ClsPageManager*>(this)->find_it(PageID);
}

const ClsPage* ClsPageManager::find(int PageID) const {
  auto it = find_it(PageID);
  return it == Pages.end() ? nullptr : &*it;
}

void ClsPageManager::get_PageSize(int PageID, int& Width, int& Height, ClsMoAccessInfo& Info) const {
  const ClsPage* page = find(PageID);
  if (!page) {
    Info.set_Info(ClsMoAccessInfo::GET_PAGE_UNKNOWN);
    return;
  }
  Width = page->get_PageWidth();
  Height = page->get_PageHeight();
  Info.set_Info(ClsMoAccessInfo::GET_OK);
}

void ClsPageManager::get_FramePaS(int PageID, ClsRecPaS& Frame, ClsMoAccessInfo& Info) const {
  const ClsPage* page = find(PageID);
  if (!page) {
    Info.set_Info(ClsMoAccessInfo::GET_PAGE_UNKNOWN);
    return;
  }
  page->get_FramePaS(Frame);
  Info.set_Info(ClsMoAccessInfo::GET_OK);
}

int ClsPageManager::get_PageIndex(int PageID, ClsMoAccessInfo& Info) const {
  if (!Page_exists(PageID)) {
    Info.set_Info(ClsMoAccessInfo::GET_PAGE_UNKNOWN);
    return get_NumberOfPages() + 1;
  }
  if (!PositionsValid) {
    Positions.clear();
    int position = 0;
    for (const ClsPage& page : Pages) Positions.emplace(page.get_Model_ID(), ++position);
    PositionsValid = true;
  }
  Info.set_Info(ClsMoAccessInfo::GET_OK);
  return Positions.at(PageID);
}

int ClsPageManager::get_FirstPageID(ClsMoAccessInfo& Info) const {
  if (Pages.empty()) {
    Info.set_Info(ClsMoAccessInfo::PAGE_UNKNOWN);
    return -1;
  }
  Info.set_Info(ClsMoAccessInfo::PAGE_GET_OK);
  return Pages.front().get_Model_ID();
}

int ClsPageManager::get_LastPageID(ClsMoAccessInfo& Info) const {
  if (Pages.empty()) {
    Info.set_Info(ClsMoAccessInfo::PAGE_UNKNOWN);
    return -1;
  }
  Info.set_Info(ClsMoAccessInfo::PAGE_GET_OK);
  return Pages.back().get_Model_ID();
}

int ClsPageManager::get_NextPageID(int PageID, e_PageIndex& IndexOut, ClsMoAccessInfo& Info) const {
  auto it = find_it(PageID);
  if (it == Pages.end()) {
    Info.set_Info(ClsMoAccessInfo::PAGE_NEXT_PAGE_UNKNOWN);
    return -1;
  }
  Info.set_Info(ClsMoAccessInfo::PAGE_GET_OK);
  ++it;
  if (it == Pages.end()) {
    IndexOut = LAST_PAGE;
    return -1;
  }
  IndexOut = NEIGHBOUR_PAGE;
  return it->get_Model_ID();
}

int ClsPageManager::get_PreviousPageID(int PageID, e_PageIndex& IndexOut, ClsMoAccessInfo& Info) const {
  auto it = find_it(PageID);
  if (it == Pages.end()) {
    Info.set_Info(ClsMoAccessInfo::PAGE_PREVIOUS_PAGE_UNKNOWN);
    return -1;
  }
  Info.set_Info(ClsMoAccessInfo::PAGE_GET_OK);
  if (it == Pages.begin()) {
    IndexOut = FIRST_PAGE;
    return -1;
  }
  --it;
  IndexOut = NEIGHBOUR_PAGE;
  return it->get_Model_ID();
}

void ClsPageManager::get_IDsOfPages(std::list<int>& IDs) const {
  IDs.clear();
  for (const ClsPage& page : Pages) IDs.push_back(page.get_Model_ID());
}

void ClsPageManager::add_NewPage_after(int NewPageID, int AncestorPageID, ClsMoAccessInfo& Info) {
  auto it = find_it(AncestorPageID);
  if (it == Pages.end()) {
    Info.set_Info(ClsMoAccessInfo::PAGE_INSERT_ANCESTOR_UNKNOWN);
    return;
  }
  auto inserted = Pages.emplace(std::next(it), NewPageID);
  Index.emplace(NewPageID, inserted);
  PositionsValid = false;
  Info.set_Info(ClsMoAccessInfo::PAGE_INSERT_OK);
}

void ClsPageManager::delete_Page(int PageID, ClsMoAccessInfo& Info) {
  auto it = find_it(PageID);
  if (it == Pages.end()) {
    Info.set_Info(ClsMoAccessInfo::PAGE_UNKNOWN);
    return;
  }
  if (Pages.size() <= 1) {
    Info.set_Info(ClsMoAccessInfo::PAGE_DELETE_ONE_PAGE_NEEDED);
    return;
  }
  Pages.erase(it);
  Index.erase(PageID);
  PositionsValid = false;
  Info.set_Info(ClsMoAccessInfo::PAGE_DELETE_OK);
}

void ClsPageManager::modify_PageWidth(int PageID, int Width, ClsMoAccessInfo& Info) {
  auto it = find_it(PageID);
  if (it == Pages.end()) Info.set_Info(ClsMoAccessInfo::PAGE_MODIFY_PAGE_UNKNOWN);
  else it->modify_PageWidth(Width, Info);
}

void ClsPageManager::modify_PageHeight(int PageID, int Height, ClsMoAccessInfo& Info) {
  auto it = find_it(PageID);
  if (it == Pages.end()) Info.set_Info(ClsMoAccessInfo::PAGE_MODIFY_PAGE_UNKNOWN);
  else it->modify_PageHeight(Height, Info);
}

void ClsPageManager::modify_PageFramePaS(int PageID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info) {
  auto it = find_it(PageID);
  if (it == Pages.end()) Info.set_Info(ClsMoAccessInfo::PAGE_MODIFY_PAGE_UNKNOWN);
  else it->modify_FramePaS(x, y, Width, Height, Info);
}

}  // namespace Vemra
