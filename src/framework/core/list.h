#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"

// An ordered list of non-owned pointers. Any index outside 0..Count()-1 raises EListError rather
// than touching memory it does not own.
template <typename T>
class TList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }

  T* Items(int index) const {
    Check(index);
    return items_[static_cast<std::size_t>(index)];
  }
  T* operator[](int index) const { return Items(index); }
  T* First() const { return Items(0); }
  T* Last() const { return Items(Count() - 1); }

  int Add(T* item) {
    items_.push_back(item);
    return Count() - 1;
  }
  void Insert(int index, T* item) {
    if (index < 0 || index > Count()) throw EListError(messages::kListIndexError);
    items_.insert(items_.begin() + index, item);
  }
  void Delete(int index) {
    Check(index);
    items_.erase(items_.begin() + index);
  }
  // Removes the first occurrence of item; returns its former index or -1.
  int Remove(const T* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
  }
  int IndexOf(const T* item) const {
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
  }
  void Exchange(int a, int b) {
    Check(a);
    Check(b);
    std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
  }
  // Replaces the item at index; the list owns nothing, so the old one is the caller's.
  void Put(int index, T* item) {
    Check(index);
    items_[static_cast<std::size_t>(index)] = item;
  }
  void Move(int from, int to) {
    T* item = Items(from);
    Delete(from);
    Insert(to, item);
  }
  void Clear() { items_.clear(); }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  void Check(int index) const {
    if (index < 0 || index >= Count()) throw EListError(messages::kListIndexError);
  }

  std::vector<T*> items_;
};
