/*
** NOVUListItem: one row of the list view: its key, the text of each
** column, its small image (by key) and whether it is selected.
**
** Rows sort by the text of the sort column as a Spanish reader orders
** words: letters first, then accents, then case, so "alvarez",
** "Alvarez" and "Álvarez" stand together, before "Benítez", and "ñ" comes
** after "n". Each cell's collation key is worked out the first time the
** cell is compared and kept until its text changes, so sorting a long list
** does the expensive part once per cell, and a comparison is one
** comparison of two keys.
**
** The image is kept as its number in the list's table of five keys, not as
** a text of the row's data, so that a row costs no more than a bare widget
** row with an icon.
**
** A row belongs to the tree widget of its list; the list hands out
** pointers to it, which stay valid until the row is removed.
*/
#pragma once

#include <QCollatorSortKey>
#include <QTreeWidgetItem>
#include <optional>
#include <string>
#include <vector>

class NOVUListItem : public QTreeWidgetItem {
 public:
  static constexpr int kRolClave = Qt::UserRole;
  // The item type that tells the list's rows from any other.
  static constexpr int kType = QTreeWidgetItem::UserType + 1;

  NOVUListItem(const std::string& clave, const QStringList& textos);

  std::string Key() const;
  std::string Text() const;
  // The text of column i + 1; SubItems(1) is the second column.
  std::string SubItems(int i) const;
  std::string SmallIcon() const;
  // One of the list's five image keys; any other is AppError 35601.
  void SetSmallIcon(const std::string& clave);
  // The image of that number in the list's table (0-4), which the caller
  // has checked.
  void SetImageNumber(int number);
  bool Selected() const { return isSelected(); }

  // Whether this row sorts before `otra` by the text of `columna`.
  bool Antes(const NOVUListItem& otra, int columna) const;
  bool operator<(const QTreeWidgetItem& other) const override;
  void setData(int column, int role, const QVariant& value) override;

 private:
  const QCollatorSortKey& ClaveOrden(int columna) const;

  int image_ = -1;  // none yet
  mutable std::vector<std::optional<QCollatorSortKey>> clavesOrden_;
};
