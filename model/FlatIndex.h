#ifndef VEMRA_FLATINDEX_H
#define VEMRA_FLATINDEX_H

#include <cstdint>
#include <type_traits>
#include <vector>

namespace Vemra {

// Hash table with open addressing (linear probing, deletion by backward
// shift) from an integer key to a small value. A slot is free when its value
// reports `is_free()`; such a value is never stored. One contiguous array
// keeps the index compact and a look-up to one cache line in most cases.
template <class Key, class Value>
class FlatIndex {
public:
  std::size_t size() const { return count_; }

  Value* find(Key key) {
    if (count_ == 0) return nullptr;
    for (std::size_t i = home(key);; i = (i + 1) & mask_) {
      Slot& s = slots_[i];
      if (s.value.is_free()) return nullptr;
      if (s.key == key) return &s.value;
    }
  }
  const Value* find(Key key) const { return const_cast<FlatIndex*>(this)->find(key); }

  // The value under the key, created free if the key is new; the caller must
  // make it non-free (or erase the key) before the next change of the index.
  Value& get_or_create(Key key) {
    if ((count_ + 1) * 4 > slots_.size() * 3) grow();
    std::size_t i = home(key);
    for (;; i = (i + 1) & mask_) {
      Slot& s = slots_[i];
      if (s.value.is_free()) break;
      if (s.key == key) return s.value;
    }
    ++count_;
    slots_[i].key = key;
    return slots_[i].value;
  }

  void erase(Key key) {
    if (Value* value = find(key)) erase_found(value);
  }

  // Erases the entry whose value `find` or `get_or_create` returned, even if
  // the caller has made that value free in the meantime (a free value in the
  // middle of a probe run would hide the entries behind it).
  void erase_found(Value* value) {
    static_assert(std::is_standard_layout<Slot>::value, "a value must be the start of its slot");
    std::size_t i = static_cast<std::size_t>(reinterpret_cast<Slot*>(value) - slots_.data());
    // Move later entries of the probe run back into the hole.
    for (std::size_t j = i;;) {
      j = (j + 1) & mask_;
      if (slots_[j].value.is_free()) break;
      std::size_t h = home(slots_[j].key);
      if (((j - h) & mask_) >= ((j - i) & mask_)) {
        slots_[i] = slots_[j];
        i = j;
      }
    }
    slots_[i] = Slot();
    --count_;
  }

  void clear() {
    slots_.clear();
    count_ = 0;
    mask_ = 0;
    shift_ = 64;
  }

  template <class F>
  void for_each(F f) const {
    for (const Slot& s : slots_)
      if (!s.value.is_free()) f(s.key, s.value);
  }

private:
  // The value comes first, so that a pointer to it is one to its slot.
  struct Slot {
    Value value{};
    Key key{};
  };

  std::size_t home(Key key) const {
    std::uint64_t h = static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h >> shift_) & mask_;
  }

  void grow() {
    std::vector<Slot> old;
    old.swap(slots_);
    std::size_t capacity = old.empty() ? 8 : old.size() * 2;
    slots_.assign(capacity, Slot());
    mask_ = capacity - 1;
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c >>= 1) --shift_;
    count_ = 0;
    for (Slot& s : old)
      if (!s.value.is_free()) get_or_create(s.key) = s.value;
  }

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
  std::size_t mask_ = 0;
  unsigned shift_ = 64;
};

}  // namespace Vemra

#endif
