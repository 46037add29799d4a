#ifndef VEMRA_ELEMENTSTORE_H
#define VEMRA_ELEMENTSTORE_H

#include <array>
#include <cstdint>
#include <vector>

#include "model/FlatIndex.h"
#include "model/NodePool.h"

namespace Vemra {

// Group key made of two ints (a page and a kind, or a page and a symbol ID).
inline std::uint64_t group_key(int a, int b) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

// Where the chains of one group live: the group index that holds their heads,
// and which of the entry's heads starts the chain.
struct ChainPlace {
  int index;
  int head;
};

// The elements of one family in one diagram, in insertion order, indexed so
// that the look-ups the model describes as list walks stay cheap:
//  - by model ID (the model hands out each ID once);
//  - by group keys (page, page and kind, ...): the elements of one group in
//    list order, found without visiting the others.
//
// Every element sits in one chain per group. `Groups` describes them:
//  - CHAINS groups, INDEXES group indexes, HEADS chain heads per index entry,
//    and PLACES[c], where the chains of group c live. Two groups may share an
//    index (for instance the lines ending at and those starting at a symbol)
//    so that one entry serves both;
//  - operator()(element), the element's key in each group, computed from
//    fields that never change, so that they are not stored;
//  - group 0 covers every element and has index 0 to itself. A constant key
//    there makes group 0 the whole list in order; for_each walks group 0.
// The store does not own the elements; the diagram creates and destroys them.
template <class T, class Groups>
class ElementStore {
  static const int CHAINS = Groups::CHAINS;
  static const int HEADS = Groups::HEADS;

public:
  using Keys = std::array<std::uint64_t, CHAINS>;

  ElementStore() = default;
  ElementStore(const ElementStore&) = delete;
  ElementStore& operator=(const ElementStore&) = delete;

  std::size_t size() const { return size_; }

  void append(T* element) {
    Keys keys = Groups()(element);
    Node* node = pool_.allocate();
    node->element = element;
    for (int c = 0; c < CHAINS; ++c) {
      const ChainPlace& place = Groups::PLACES[c];
      link(indexes_[place.index].get_or_create(keys[c]).head[place.head], node, c);
    }
    ++size_;
    by_id_.get_or_create(element->get_Model_ID()) = NodeRef{node, element};
  }

  T* find(int id) const {
    const NodeRef* ref = by_id_.find(id);
    return ref ? ref->element : nullptr;
  }

  // Unlinks the element with the ID and returns it (null if none).
  T* remove(int id) {
    const NodeRef* ref = by_id_.find(id);
    if (!ref) return nullptr;
    Node* node = ref->node;
    T* element = node->element;
    unlink_node(node);
    by_id_.erase(id);
    return element;
  }

  // Unlinks every element of group `c` with the key and returns them in list order.
  std::vector<T*> take_group(int c, std::uint64_t key) {
    std::vector<Node*> nodes;
    for_each_node_in_group(c, key, [&](Node* n) { nodes.push_back(n); });
    std::vector<T*> taken;
    taken.reserve(nodes.size());
    for (Node* n : nodes) {
      by_id_.erase(n->element->get_Model_ID());
      taken.push_back(n->element);
      unlink_node(n);
    }
    return taken;
  }

  // Unlinks every element and returns them (in list order if group 0 is the list).
  std::vector<T*> take_all() {
    std::vector<T*> taken;
    taken.reserve(size_);
    for_each_node([&](Node* n) {
      taken.push_back(n->element);
      pool_.release(n);
    });
    size_ = 0;
    for (auto& index : indexes_) index.clear();
    by_id_.clear();
    return taken;
  }

  // Visits every element, group 0 entry by entry.
  template <class F>
  void for_each(F f) const {
    for_each_node([&](const Node* n) { f(n->element); });
  }

  template <class F>
  void for_each_in_group(int c, std::uint64_t key, F f) const {
    const_cast<ElementStore*>(this)->for_each_node_in_group(c, key, [&](const Node* n) { f(n->element); });
  }

private:
  struct Node {
    T* element;
    std::array<Node*, CHAINS> prev;
    std::array<Node*, CHAINS> next;
  };
  struct Entry {
    std::array<Node*, HEADS> head{};
    bool is_free() const {
      for (Node* h : head)
        if (h) return false;
      return true;
    }
  };
  // The element is kept next to its node so that a look-up by ID does not
  // visit the node.
  struct NodeRef {
    Node* node = nullptr;
    T* element = nullptr;
    bool is_free() const { return node == nullptr; }
  };

  // A chain needs only its head: the head's `prev` points to the tail.
  static void link(Node*& head, Node* n, int c) {
    n->next[c] = nullptr;
    if (!head) {
      head = n;
      n->prev[c] = n;
      return;
    }
    Node* tail = head->prev[c];
    tail->next[c] = n;
    n->prev[c] = tail;
    head->prev[c] = n;
  }

  static void unlink(Node*& head, Node* n, int c) {
    Node* prev = n->prev[c];
    Node* next = n->next[c];
    if (n == head) head = next;
    else prev->next[c] = next;
    if (next) next->prev[c] = prev;
    else if (head) head->prev[c] = prev;
  }

  template <class F>
  void for_each_node(F f) const {
    indexes_[0].for_each([&](std::uint64_t, const Entry& e) {
      for (Node* n = e.head[0]; n;) {
        Node* next = n->next[0];  // `f` may release the node
        f(n);
        n = next;
      }
    });
  }

  template <class F>
  void for_each_node_in_group(int c, std::uint64_t key, F f) {
    const ChainPlace& place = Groups::PLACES[c];
    const Entry* e = indexes_[place.index].find(key);
    if (!e) return;
    for (Node* n = e->head[place.head]; n; n = n->next[c]) f(n);
  }

  // Unlinks the node from its chains and frees it; the caller updates the ID
  // index.
  void unlink_node(Node* n) {
    Keys keys = Groups()(n->element);
    for (int c = 0; c < CHAINS; ++c) {
      const ChainPlace& place = Groups::PLACES[c];
      auto& index = indexes_[place.index];
      Entry* e = index.find(keys[c]);
      unlink(e->head[place.head], n, c);
      if (e->is_free()) index.erase_found(e);
    }
    --size_;
    pool_.release(n);
  }

  NodePool<Node> pool_;
  std::size_t size_ = 0;
  std::array<FlatIndex<std::uint64_t, Entry>, Groups::INDEXES> indexes_;
  FlatIndex<int, NodeRef> by_id_;
};

}  // namespace Vemra

#endif
