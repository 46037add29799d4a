#ifndef VEMRA_ELEMENTSTORE_H
#define VEMRA_ELEMENTSTORE_H

#include <array>
#include <cstdint>
#include <vector>

#include "model/FlatIndex.h"

namespace Vemra {

// Group key made of two ints (a page and a kind, or a page and a symbol ID).
inline std::uint64_t group_key(int a, int b) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

// The elements of one family in one diagram, in insertion order, indexed so
// that the look-ups the model describes as list walks stay cheap:
//  - by model ID: the first element of the list with that ID;
//  - by K group keys (page, page and kind, ...): the elements of one group in
//    list order, found without visiting the others.
// `KeysOf` computes an element's group keys from fields that never change, so
// they are not stored. The store does not own the elements; the diagram
// creates and destroys them.
template <class T, int K, class KeysOf>
class ElementStore {
public:
  using Keys = std::array<std::uint64_t, K>;

  ElementStore() = default;
  ElementStore(const ElementStore&) = delete;
  ElementStore& operator=(const ElementStore&) = delete;
  ~ElementStore() {
    for (Node* n = all_.head; n;) {
      Node* next = n->next[0];
      delete n;
      n = next;
    }
  }

  std::size_t size() const { return size_; }

  void append(T* element) {
    Keys keys = KeysOf()(element);
    Node* node = new Node{element, {}, {}};
    link(all_, node, 0);
    for (int k = 0; k < K; ++k) link(groups_[k].get_or_create(keys[k]), node, k + 1);
    ++size_;
    NodeRef& ref = by_id_.get_or_create(element->get_Model_ID());
    if (ref.node) ++duplicates_;
    else ref.node = node;
  }

  T* find(int id) const {
    const NodeRef* ref = by_id_.find(id);
    return ref ? ref->node->element : nullptr;
  }

  // Unlinks the first element with the ID and returns it (null if none).
  T* remove(int id) {
    const NodeRef* ref = by_id_.find(id);
    if (!ref) return nullptr;
    Node* node = ref->node;
    by_id_.erase(id);
    T* element = node->element;
    unlink_node(node);
    if (duplicates_ > 0) reindex(id);
    return element;
  }

  // Unlinks every element of group `k` with the key and returns them in list order.
  std::vector<T*> take_group(int k, std::uint64_t key) {
    std::vector<T*> taken;
    const Chain* g = groups_[k].find(key);
    if (!g) return taken;
    std::vector<Node*> nodes;
    for (Node* n = g->head; n; n = n->next[k + 1]) nodes.push_back(n);
    for (Node* n : nodes) {
      int id = n->element->get_Model_ID();
      const NodeRef* ref = by_id_.find(id);
      bool indexed = ref && ref->node == n;
      if (indexed) by_id_.erase(id);
      else --duplicates_;
      taken.push_back(n->element);
      unlink_node(n);
      if (indexed && duplicates_ > 0) reindex(id);
    }
    return taken;
  }

  // Unlinks every element and returns them in list order.
  std::vector<T*> take_all() {
    std::vector<T*> taken;
    taken.reserve(size_);
    for (Node* n = all_.head; n;) {
      Node* next = n->next[0];
      taken.push_back(n->element);
      delete n;
      n = next;
    }
    all_ = Chain();
    size_ = 0;
    for (auto& g : groups_) g.clear();
    by_id_.clear();
    duplicates_ = 0;
    return taken;
  }

  template <class F>
  void for_each(F f) const {
    for (Node* n = all_.head; n; n = n->next[0]) f(n->element);
  }

  template <class F>
  void for_each_in_group(int k, std::uint64_t key, F f) const {
    const Chain* g = groups_[k].find(key);
    if (!g) return;
    for (Node* n = g->head; n; n = n->next[k + 1]) f(n->element);
  }

private:
  struct Node {
    T* element;
    std::array<Node*, K + 1> prev;
    std::array<Node*, K + 1> next;
  };
  struct Chain {
    Node* head = nullptr;
    Node* tail = nullptr;
    bool is_free() const { return head == nullptr; }
  };
  struct NodeRef {
    Node* node = nullptr;
    bool is_free() const { return node == nullptr; }
  };

  static void link(Chain& c, Node* n, int slot) {
    n->prev[slot] = c.tail;
    n->next[slot] = nullptr;
    if (c.tail) c.tail->next[slot] = n;
    else c.head = n;
    c.tail = n;
  }

  static void unlink(Chain& c, Node* n, int slot) {
    if (n->prev[slot]) n->prev[slot]->next[slot] = n->next[slot];
    else c.head = n->next[slot];
    if (n->next[slot]) n->next[slot]->prev[slot] = n->prev[slot];
    else c.tail = n->prev[slot];
  }

  void unlink_node(Node* n) {
    unlink(all_, n, 0);
    Keys keys = KeysOf()(n->element);
    for (int k = 0; k < K; ++k) {
      Chain* g = groups_[k].find(keys[k]);
      unlink(*g, n, k + 1);
      if (g->is_free()) groups_[k].erase_found(g);
    }
    --size_;
    delete n;
  }

  // Another element with the same ID may remain (only possible when elements
  // were added with clashing IDs): the first of them in list order takes over.
  void reindex(int id) {
    for (Node* n = all_.head; n; n = n->next[0])
      if (n->element->get_Model_ID() == id) {
        by_id_.get_or_create(id).node = n;
        --duplicates_;
        return;
      }
  }

  Chain all_;
  std::size_t size_ = 0;
  std::array<FlatIndex<std::uint64_t, Chain>, K> groups_;
  FlatIndex<int, NodeRef> by_id_;
  std::size_t duplicates_ = 0;
};

}  // namespace Vemra

#endif
