#ifndef VEMRA_COORDLIST_H
#define VEMRA_COORDLIST_H

#include <cstdint>
#include <list>

namespace Vemra {

// The path of a channel or flow line: x1 y1 x2 y2 ... Paths of up to IN_PLACE
// values (a straight line) live in the object itself; longer ones in one
// heap array of exactly their size. Paths are only ever replaced whole.
class CoordList {
public:
  static const std::size_t IN_PLACE = 4;

  CoordList() = default;
  explicit CoordList(const std::list<int>& values) { assign(values); }
  CoordList(const CoordList& other) { assign_range(other.begin(), other.size()); }
  CoordList& operator=(const CoordList& other);
  ~CoordList() { release(); }

  void assign(const std::list<int>& values);

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const int* begin() const { return is_inline() ? values_.in_place : values_.on_heap; }
  const int* end() const { return begin() + size_; }
  int operator[](std::size_t i) const { return begin()[i]; }

private:
  bool is_inline() const { return size_ <= IN_PLACE; }
  int* prepare(std::size_t n);  // storage for n values, replacing the old ones
  void assign_range(const int* first, std::size_t n);
  void release();

  std::uint32_t size_ = 0;
  union {
    int in_place[IN_PLACE];
    int* on_heap;
  } values_;
};

}  // namespace Vemra

#endif
