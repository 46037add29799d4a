#ifndef VEMRA_NODEPOOL_H
#define VEMRA_NODEPOOL_H

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace Vemra {

// Storage for many small objects of one trivial type, carved out of blocks
// that double in size up to a limit, so that an object costs no malloc header
// and no rounding. Released objects go to a free list and are handed out
// again first; the blocks are returned only when the pool is destroyed.
template <class T>
class NodePool {
  static_assert(std::is_trivially_destructible<T>::value, "pool objects are dropped without destruction");

public:
  NodePool() = default;
  NodePool(const NodePool&) = delete;
  NodePool& operator=(const NodePool&) = delete;

  T* allocate() {
    if (free_) {
      Slot* s = free_;
      free_ = s->next_free;
      return new (s->bytes) T();
    }
    if (used_ == block_size_) add_block();
    return new (blocks_.back()[used_++].bytes) T();
  }

  void release(T* object) {
    Slot* s = reinterpret_cast<Slot*>(object);
    s->next_free = free_;
    free_ = s;
  }

private:
  static const std::size_t FIRST_BLOCK = 4;
  static const std::size_t MAX_BLOCK = 4096;

  union Slot {
    Slot* next_free;
    alignas(T) unsigned char bytes[sizeof(T)];
  };

  void add_block() {
    block_size_ = block_size_ == 0 ? FIRST_BLOCK : (block_size_ < MAX_BLOCK ? block_size_ * 2 : MAX_BLOCK);
    blocks_.emplace_back(new Slot[block_size_]);
    used_ = 0;
  }

  std::vector<std::unique_ptr<Slot[]>> blocks_;
  Slot* free_ = nullptr;
  std::size_t used_ = 0;        // slots taken from the newest block
  std::size_t block_size_ = 0;  // size of the newest block
};

}  // namespace Vemra

#endif
