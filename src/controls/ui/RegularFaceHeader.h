/*
** RegularFaceHeader: a view's header that measures its sections in the
** face it draws them in.
**
** Qt's header measures every section in the bold form of its face, for the
** day a section is drawn highlighted; that loads a second face, and shapes
** the captions in it, before the first paint. A view whose sections are
** never highlighted (highlightSections off, which is the tree views'
** default) draws them in the regular face only, so that is the face they
** are measured in here. Everything else is Qt's: the size a section asks
** for through the model's size hint, the model's face for a section, its
** icon and the room for a sort indicator.
**
** A header that does highlight its sections is measured as Qt measures it.
** Where the bold form of a face is taller than its regular one, a header
** that does not is that much shorter than Qt's; the programs' face
** (Liberation Sans, or Arial) has one height for both.
*/
#pragma once

#include <QHeaderView>

class QTreeView;

class RegularFaceHeader : public QHeaderView {
  Q_OBJECT

 public:
  // Puts one in place of `view`'s header, keeping what the view had set on
  // that header (moving, stretching, alignment, highlighting).
  static RegularFaceHeader* Install(QTreeView& view);

 protected:
  QSize sectionSizeFromContents(int logicalIndex) const override;

 private:
  explicit RegularFaceHeader(QWidget* parent);
};
