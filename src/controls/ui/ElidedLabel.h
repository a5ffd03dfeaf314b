/*
** ElidedLabel: a label that never cuts its text unseen. Where its text
** does not fit its rectangle it shows what fits with an ellipsis, and its
** tooltip shows the whole text; where it fits it shows as a plain label.
**
**   - On one line the ellipsis goes where SetElideMode says: at the end by
**     default, in the middle for a path (its tail names the folder).
**   - With word wrap the lines that fit are shown and the last of them is
**     elided the same way. SetPath(true) lets a path break after each of
**     its separators ('/' and '\'), as a sentence breaks at its blanks.
**   - An access key ('&' with a buddy) works as in any label and stays
**     underlined while its letter is shown.
**
** Texts are plain text. The property "elided" says whether the text is
** shown cut (the tests that look for cut texts read it).
*/
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

class ElidedLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(bool elided READ Elided)

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);
  explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

  void SetElideMode(Qt::TextElideMode mode);
  void SetPath(bool path);
  // Whether the text is shown cut, with an ellipsis.
  bool Elided() const;
  // The text as it reads, without its access key's '&'.
  QString Plain() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect Room() const;
  // The text laid out for `Room`: its lines as shown, the last one elided
  // when the text does not fit; `elided` tells which.
  QStringList Lines(bool* elided) const;
  QString Breakable() const;

  Qt::TextElideMode mode_ = Qt::ElideRight;
  bool path_ = false;
};
