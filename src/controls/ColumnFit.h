/*
** ColumnFit: how the columns of a list grow to show their texts whole
** where the list has room for it.
**
** Each column has the width its form describes and the width its widest
** text needs. A column never gets narrower than described. The columns
** that need more grow to what they need, those needing least first, as
** long as every column still fits in the room the list shows; a column
** for which there is no room left keeps its described width (its cut
** texts show whole in a tooltip). So a short column that is one digit too
** narrow grows before a long street name takes the room of the others.
** Widths are in any one unit.
*/
#pragma once

#include <vector>

class ColumnFit {
 public:
  static std::vector<int> Widths(const std::vector<int>& described, const std::vector<int>& needed,
                                 int room);
};
