// Rules on where symbols lie: inside their page frame, and not on top of
// each other (a sweep over each page from left to right).
#include <algorithm>
#include <cstdint>
#include <queue>
#include <set>

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

// Boxes of one page sorted by left edge, [Begin, End): each box that
// overlaps a box further left (or at the same left edge, earlier) gets one
// finding naming the first such box found. Active boxes are kept by top
// edge; only those whose top lies less than the tallest box's height above
// the new box can reach it.
void sweep_Page(const DiagramView& View, const std::vector<Box>& Boxes, std::size_t Begin, std::size_t End,
                Findings& Out) {
  std::int64_t Tallest = 0;
  for (std::size_t i = Begin; i < End; ++i) Tallest = std::max(Tallest, Boxes[i].Y1 - Boxes[i].Y0);
  std::set<std::pair<std::int64_t, std::size_t>> ByTop;
  using Expiry = std::pair<std::int64_t, std::size_t>;
  std::priority_queue<Expiry, std::vector<Expiry>, std::greater<Expiry>> ByRight;
  for (std::size_t i = Begin; i < End; ++i) {
    const Box& B = Boxes[i];
    if (B.is_Empty()) continue;
    while (!ByRight.empty() && ByRight.top().first <= B.X0) {
      std::size_t Gone = ByRight.top().second;
      ByTop.erase({Boxes[Gone].Y0, Gone});
      ByRight.pop();
    }
    for (auto it = ByTop.upper_bound({B.Y0 - Tallest, End}); it != ByTop.end() && it->first < B.Y1; ++it) {
      const Box& A = Boxes[it->second];
      if (A.Y1 > B.Y0) {
        add_For(Out, View, B, "overlap", B.describe() + " overlaps " + A.describe());
        break;
      }
    }
    ByTop.insert({B.Y0, i});
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
