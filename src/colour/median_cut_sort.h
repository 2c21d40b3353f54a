#pragma once

#include <cstddef>
#include <span>
#include <utility>

// The sort of the median cut, kept exactly as it is because the cut's output depends on the order
// it leaves equal keys in (it is not stable): fewer than 8 items go through an insertion sort in
// which each item moves left past every earlier item whose key is greater than or equal to its
// own; more are partitioned around the key of the middle item (positions n div 2) and both parts
// are sorted the same way.
template <typename Item, typename KeyOf>
void MedianCutSort(std::span<Item> items, KeyOf keyOf) {
  while (items.size() >= 8) {
    const auto pivot = keyOf(items[items.size() / 2]);
    std::ptrdiff_t i = -1;
    auto j = static_cast<std::ptrdiff_t>(items.size());
    for (;;) {
      do {
        ++i;
      } while (keyOf(items[static_cast<std::size_t>(i)]) < pivot);
      do {
        --j;
      } while (keyOf(items[static_cast<std::size_t>(j)]) > pivot);
      if (j <= i) break;
      std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
    }
    // Both parts hold at least one item. Recursing into the smaller keeps the stack shallow; the
    // parts are independent, so the order of sorting them does not change the result.
    const auto lower = items.first(static_cast<std::size_t>(i));
    const auto upper = items.subspan(static_cast<std::size_t>(i));
    if (lower.size() < upper.size()) {
      MedianCutSort(lower, keyOf);
      items = upper;
    } else {
      MedianCutSort(upper, keyOf);
      items = lower;
    }
  }
  for (std::size_t k = 1; k < items.size(); ++k) {
    Item item = items[k];
    const auto key = keyOf(item);
    std::size_t at = k;
    for (; at > 0 && keyOf(items[at - 1]) >= key; --at)
      items[at] = items[at - 1];
    items[at] = item;
  }
}
