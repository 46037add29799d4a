#ifndef VEMRA_PAGE_H
#define VEMRA_PAGE_H

#include <list>
#include <memory>
#include <unordered_map>

#include "model/Geometry.h"
#include "model/MoAccessInfo.h"

namespace Vemra {

// One page of a diagram: its size and the frame drawn on it.
class ClsPage final : public ClsObjectWithModel_ID {
public:
  // The frame, held on the heap and copied deeply with the page.
  class ClsPageFrame {
  public:
    explicit ClsPageFrame(const ClsRecPaS& PaS) : pPaS(new ClsRecPaS(PaS)) {}
    ClsPageFrame(const ClsPageFrame& other) : pPaS(new ClsRecPaS(*other.pPaS)) {}
    ClsPageFrame& operator=(const ClsPageFrame& other) {
      *pPaS = *other.pPaS;
      return *this;
    }
    const ClsRecPaS& get() const { return *pPaS; }
    ClsRecPaS& get() { return *pPaS; }

  private:
    std::unique_ptr<ClsRecPaS> pPaS;
  };

  explicit ClsPage(int ModelID);
  ClsMoEleType::e_MoEle get_MoEleType() const override { return ClsMoEleType::Page; }

  int get_PageWidth() const { return PageWidth; }
  int get_PageHeight() const { return PageHeight; }
  void get_FramePaS(ClsRecPaS& Frame) const { Frame = PageFrame.get(); }
  void modify_PageWidth(int Width, ClsMoAccessInfo& Info);
  void modify_PageHeight(int Height, ClsMoAccessInfo& Info);
  void modify_FramePaS(int x, int y, int Width, int Height, ClsMoAccessInfo& Info);

private:
  int PageWidth;
  int PageHeight;
  ClsPageFrame PageFrame;
};

// The ordered pages of one diagram. A new manager holds one page.
class ClsPageManager {
public:
  enum e_PageIndex { FIRST_PAGE, NEIGHBOUR_PAGE, LAST_PAGE };

  explicit ClsPageManager(int FirstPageID);
  ClsPageManager(const ClsPageManager&) = delete;
  ClsPageManager& operator=(const ClsPageManager&) = delete;

  int get_NumberOfPages() const { return static_cast<int>(Pages.size()); }
  bool Page_exists(int PageID) const { return find(PageID) != nullptr; }

  void get_PageSize(int PageID, int& Width, int& Height, ClsMoAccessInfo& Info) const;
  void get_FramePaS(int PageID, ClsRecPaS& Frame, ClsMoAccessInfo& Info) const;
  int get_PageIndex(int PageID, ClsMoAccessInfo& Info) const;
  int get_FirstPageID(ClsMoAccessInfo& Info) const;
  int get_LastPageID(ClsMoAccessInfo& Info) const;
  int get_NextPageID(int PageID, e_PageIndex& Index, ClsMoAccessInfo& Info) const;
  int get_PreviousPageID(int PageID, e_PageIndex& Index, ClsMoAccessInfo& Info) const;
  void get_IDsOfPages(std::list<int>& IDs) const;

  void add_NewPage_after(int NewPageID, int AncestorPageID, ClsMoAccessInfo& Info);
  void delete_Page(int PageID, ClsMoAccessInfo& Info);
  void modify_PageWidth(int PageID, int Width, ClsMoAccessInfo& Info);
  void modify_PageHeight(int PageID, int Height, ClsMoAccessInfo& Info);
  void modify_PageFramePaS(int PageID, int x, int y, int Width, int Height, ClsMoAccessInfo& Info);

private:
  using PageList = std::list<ClsPage>;

  // The page with the ID, or null.
  const ClsPage* find(int PageID) const;
  PageList::iterator find_it(int PageID);
  PageList::const_iterator find_it(int PageID) const;

  PageList Pages;
  // Page ID -> position in `Pages`; page IDs come from the element map and are
  // unique.
  std::unordered_map<int, PageList::iterator> Index;
  // 1-based positions, recomputed lazily after pages were added or removed.
  mutable std::unordered_map<int, int> Positions;
  mutable bool PositionsValid = false;
};

}  // namespace Vemra

#endif
