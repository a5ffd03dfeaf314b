/*
** Columns grown to their texts. See ColumnFit.h.
*/
#include "controls/ColumnFit.h"

#include <algorithm>
#include <numeric>

std::vector<int> ColumnFit::Widths(const std::vector<int>& described,
                                   const std::vector<int>& needed, int room) {
  std::vector<int> widths = described;
  std::vector<size_t> order(described.size());
  std::iota(order.begin(), order.end(), size_t{0});
  const auto more = [&](size_t c) { return c < needed.size() ? needed[c] - described[c] : 0; };
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return more(a) < more(b); });
  int total = std::accumulate(widths.begin(), widths.end(), 0);
  for (size_t c : order) {
    if (more(c) <= 0 || total + more(c) > room) continue;
    widths[c] += more(c);
    total += more(c);
  }
  return widths;
}
