#include "model/Geometry.h"

#include "model/Converter.h"

namespace Vemra {

void ClsRecPaS::get_PaS_as_IntList(std::list<int>& out) const {
  out.clear();
  out.push_back(x_left_up);
  out.push_back(y_left_up);
  out.push_back(width);
  out.push_back(height);
}

std::list<int> ClsRecPaS::get_PaS_as_IntList() const {
  std::list<int> out;
  get_PaS_as_IntList(out);
  return out;
}

std::string ClsRecPaS::get_PaS_as_String() const {
  return Converter::IntList_to_String(get_PaS_as_IntList());
}

void ClsRecPaS::get_BoundingBox(std::list<int>& out) const {
  out.clear();
  out.push_back(x_left_up);
  out.push_back(y_left_up);
  out.push_back(get_x_right_down());
  out.push_back(get_y_right_down());
}

}  // namespace Vemra
