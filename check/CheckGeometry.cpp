// Rules on where symbols lie: inside their page frame, and not on top of
// each other (a sweep over each page from left to right, n log n).
#include <algorithm>
#include <cstdint>
#include <queue>
#include <vector>

#include "check/CheckSupport.h"

namespace Vemra {
namespace Check {

namespace {

const auto WARNING = ClsCheckFinding::WARNING;

// A symbol's box with its corners in 64 bits (no overflow at any size), and
// what a message needs to name the symbol.
struct Box {
  std::int64_t X0, Y0, X1, Y1;
  int Page, PageNumber, ID;
  ClsMoEleType::e_MoEle Kind;
  const char* Word;
  const std::string* Text;

  bool is_Empty() const { return X0 == X1 || Y0 == Y1; }
  std::string describe() const { return std::string(Word) + " " + quote(*Text); }
};

Box make_Box(const ClsRecPaS& R, int Page, int PageNumber, int ID, ClsMoEleType::e_MoEle Kind, const char* Word,
             const std::string* Text) {
  std::int64_t X0 = R.get_x_left_up(), Y0 = R.get_y_left_up();
  std::int64_t X1 = X0 + R.get_width(), Y1 = Y0 + R.get_height();
  return {std::min(X0, X1), std::min(Y0, Y1), std::max(X0, X1), std::max(Y0, Y1), Page, PageNumber, ID, Kind, Word,
          Text};
}

void add_For(Findings& Out, const DiagramView& View, const Box& B, const char* Rule, std::string Message) {
  Out.add(Rule, WARNING, View, B.Page, B.ID, B.Kind, std::move(Message));
}

void check_Frames(const DiagramView& View, const std::vector<Box>& Boxes, Findings& Out) {
  std::vector<Box> Frames;
  for (std::size_t i = 0; i < View.Pages.size(); ++i) {
    ClsRecPaS Frame(0, 0, 0, 0);
    ClsMoAccessInfo Info;
    View.Dia->get_PageFramePaS(View.Pages[i], Frame, Info);
    Frames.push_back(make_Box(Frame, View.Pages[i], 0, 0, ClsMoEleType::Page, "", nullptr));
  }
  for (const Box& B : Boxes) {
    if (B.PageNumber < 1) continue;
    const Box& F = Frames[B.PageNumber - 1];
    if (B.X0 < F.X0 || B.Y0 < F.Y0 || B.X1 > F.X1 || B.Y1 > F.Y1)
      add_For(Out, View, B, "outside-frame", B.describe() + " is not inside the page frame");
  }
}

// Maximum over the leaves of a complete binary tree; finds a leaf before a
// given position whose value exceeds a limit in O(log n).
class MaxTree {
public:
  static const std::size_t NONE = static_cast<std::size_t>(-1);

  explicit MaxTree(std::size_t Leaves) {
    while (Size < Leaves) Size <<= 1;
    Max.assign(2 * Size, INT64_MIN);
  }
  void set(std::size_t Leaf, std::int64_t Value) {
    std::size_t i = Leaf + Size;
    Max[i] = Value;
    for (i >>= 1; i; i >>= 1) Max[i] = std::max(Max[2 * i], Max[2 * i + 1]);
  }
  std::size_t find(std::size_t End, std::int64_t Limit) const { return find(1, 0, Size, End, Limit); }

private:
  std::size_t find(std::size_t Node, std::size_t Lo, std::size_t Hi, std::size_t End, std::int64_t Limit) const {
    if (Lo >= End || Max[Node] <= Limit) return NONE;
    if (Hi - Lo == 1) return Lo;
    std::size_t Mid = (Lo + Hi) / 2;
    std::size_t Found = find(2 * Node, Lo, Mid, End, Limit);
    return Found != NONE ? Found : find(2 * Node + 1, Mid, Hi, End, Limit);
  }

  std::size_t Size = 1;
  std::vector<std::int64_t> Max;
};

// Boxes of one page sorted by left edge, [Begin, End): each box that
// overlaps a box further left (or at the same left edge, earlier) gets one
// finding naming such a box. The boxes that the sweep line crosses are kept
// by top edge, each with its bottom edge, in a MaxTree: a box overlaps one of
// them exactly when one with a top above its bottom has a bottom below its top.
void sweep_Page(const DiagramView& View, const std::vector<Box>& Boxes, std::size_t Begin, std::size_t End,
                Findings& Out) {
  std::vector<std::size_t> ByTop;  // box indexes ordered by top edge
  for (std::size_t i = Begin; i < End; ++i) ByTop.push_back(i);
  std::sort(ByTop.begin(), ByTop.end(), [&](std::size_t a, std::size_t b) { return Boxes[a].Y0 < Boxes[b].Y0; });
  std::vector<std::size_t> Rank(End - Begin);
  for (std::size_t r = 0; r < ByTop.size(); ++r) Rank[ByTop[r] - Begin] = r;
  MaxTree Active(ByTop.size());
  using Expiry = std::pair<std::int64_t, std::size_t>;
  std::priority_queue<Expiry, std::vector<Expiry>, std::greater<Expiry>> ByRight;
  for (std::size_t i = Begin; i < End; ++i) {
    const Box& B = Boxes[i];
    if (B.is_Empty()) continue;
    for (; !ByRight.empty() && ByRight.top().first <= B.X0; ByRight.pop())
      Active.set(Rank[ByRight.top().second - Begin], INT64_MIN);
    // The boxes whose top lies above this box's bottom come first in ByTop.
    std::size_t Above = static_cast<std::size_t>(
        std::lower_bound(ByTop.begin(), ByTop.end(), B.Y1,
                         [&](std::size_t a, std::int64_t Y) { return Boxes[a].Y0 < Y; }) -
        ByTop.begin());
    std::size_t Hit = Active.find(Above, B.Y0);
    if (Hit != MaxTree::NONE)
      add_For(Out, View, B, "overlap", B.describe() + " overlaps " + Boxes[ByTop[Hit]].describe());
    Active.set(Rank[i - Begin], B.Y1);
    ByRight.push({B.X1, i});
  }
}

}  // namespace

void check_Geometry(const DiagramView& View, Findings& Out) {
  std::vector<Box> Boxes;
  Boxes.reserve(View.Symbols.size() + View.StateMaSyms.size());
  for (const Symbol* S : View.Symbols)
    Boxes.push_back(make_Box(*S, S->get_Page_ID(), View.page_Number(S->get_Page_ID()), S->get_Model_ID(),
                             S->get_MoEleType(), describe_Symbol(S->get_SymbolType()), &S->content_ref()));
  for (const ClsStateMachineSymbol* S : View.StateMaSyms)
    Boxes.push_back(make_Box(*S, S->get_Page_ID(), View.page_Number(S->get_Page_ID()), S->get_Model_ID(),
                             S->get_MoEleType(), describe_StateMaSym(S->get_SymbolType()), &S->content_ref()));
  check_Frames(View, Boxes, Out);
  std::stable_sort(Boxes.begin(), Boxes.end(), [](const Box& a, const Box& b) {
    return a.PageNumber != b.PageNumber ? a.PageNumber < b.PageNumber : a.X0 < b.X0;
  });
  for (std::size_t Begin = 0, End = 0; Begin < Boxes.size(); Begin = End) {
    while (End < Boxes.size() && Boxes[End].PageNumber == Boxes[Begin].PageNumber) ++End;
    sweep_Page(View, Boxes, Begin, End, Out);
  }
}

}  // namespace Check
}  // namespace Vemra
