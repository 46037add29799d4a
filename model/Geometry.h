#ifndef VEMRA_GEOMETRY_H
#define VEMRA_GEOMETRY_H

#include <list>
#include <string>

namespace Vemra {

class ClsMoEleType {
public:
  enum e_MoEle {
    Undefined,
    Page,
    SysDia,
    BlkDia,
    ProDia,
    ProcedureDia,
    TextSym,
    BlkInstRefSym,
    BlkTypeRefSym,
    ChanSym,
    ProInstRefSym,
    ProTypeRefSym,
    ProcedureInstRefSym,
    StateMachineSymStart,
    StateMachineSymState,
    StateMachineSymOutput,
    StateMachineSymInput,
    StateMachineSymStop,
    StateMachineSymTask,
    StateMachineSymCondition,
    StateMachineSymDecision,
    StateMachineSymCreatePro,
    StateMachineSymCallProcedure,
    StateMachineSymProcedureStartState,
    StateMachineSymProcedureReturn,
    NormalFlowLine,
    DecisionFlowLine
  };
};

// Position and size: upper-left corner, width and height in drawing units.
// No invariant: negative or zero sizes are kept as given.
class ClsRecPaS {
public:
  ClsRecPaS(int x_left_up, int y_left_up, int width, int height)
      : x_left_up(x_left_up), y_left_up(y_left_up), width(width), height(height) {}

  void set_PaS(int x, int y, int w, int h) {
    x_left_up = x;
    y_left_up = y;
    width = w;
    height = h;
  }
  void set_PaS(const ClsRecPaS& other) { *this = other; }

  int get_x_left_up() const { return x_left_up; }
  int get_y_left_up() const { return y_left_up; }
  int get_width() const { return width; }
  int get_height() const { return height; }
  int get_x_right_down() const { return wrapping_sum(x_left_up, width); }
  int get_y_right_down() const { return wrapping_sum(y_left_up, height); }

  ClsRecPaS get_PaS() const { return *this; }
  void get_PaS_as_IntList(std::list<int>& out) const;
  std::list<int> get_PaS_as_IntList() const;
  std::string get_PaS_as_String() const;
  void get_BoundingBox(std::list<int>& out) const;

private:
  // Any values are stored, so the edge of a huge rectangle wraps around
  // (two's complement) instead of overflowing.
  static int wrapping_sum(int a, int b) {
    return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b));
  }

  int x_left_up;
  int y_left_up;
  int width;
  int height;
};

class ClsPoint {
public:
  ClsPoint(int x, int y) : x(x), y(y) {}
  int get_x() const { return x; }
  int get_y() const { return y; }

private:
  int x;
  int y;
};

// Base of every model element: the model ID, fixed at construction.
// Owners delete elements through their concrete class (no virtual destructor).
class ClsObjectWithModel_ID {
public:
  explicit ClsObjectWithModel_ID(int Model_ID) : Model_ID(Model_ID) {}
  int get_Model_ID() const { return Model_ID; }
  virtual ClsMoEleType::e_MoEle get_MoEleType() const = 0;

protected:
  ~ClsObjectWithModel_ID() = default;
  ClsObjectWithModel_ID(const ClsObjectWithModel_ID&) = default;
  ClsObjectWithModel_ID& operator=(const ClsObjectWithModel_ID&) = default;

private:
  int Model_ID;
};

// Base of every element drawn on a page: the page's model ID.
class ClsPageObject {
public:
  explicit ClsPageObject(int Page_ID) : Page_ID(Page_ID) {}
  int get_Page_ID() const { return Page_ID; }

private:
  int Page_ID;
};

}  // namespace Vemra

#endif
