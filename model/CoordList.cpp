#include "model/CoordList.h"

#include <algorithm>

namespace Vemra {

CoordList& CoordList::operator=(const CoordList& other) {
  if (this != &other) assign_range(other.begin(), other.size());
  return *this;
}

void CoordList::assign(const std::list<int>& values) {
  std::copy(values.begin(), values.end(), prepare(values.size()));
}

void CoordList::assign_range(const int* first, std::size_t n) { std::copy(first, first + n, prepare(n)); }

int* CoordList::prepare(std::size_t n) {
  release();
  size_ = static_cast<std::uint32_t>(n);
  if (is_inline()) return values_.in_place;
  values_.on_heap = new int[n];
  return values_.on_heap;
}

void CoordList::release() {
  if (!is_inline()) delete[] values_.on_heap;
  size_ = 0;
}

}  // namespace Vemra
