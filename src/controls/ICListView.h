/*
** ICListView: what IC needs of the list it decorates: its view mode, its
** columns' alignment and its header.
*/
#pragma once

class ICHeader;

class ICListView {
 public:
  static constexpr int kReportView = 3;

  virtual int View() const = 0;
  virtual int ColumnCount() const = 0;
  // 0 left, 1 right, 2 centre; `index` counts from 1.
  virtual int ColumnAlignment(int index) const = 0;
  // The list's header, or null when it has none.
  virtual ICHeader* Header() = 0;

 protected:
  ~ICListView() = default;
};
