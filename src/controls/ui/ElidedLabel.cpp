/*
** A label that elides what it cannot show. See ElidedLabel.h.
*/
#include "controls/ui/ElidedLabel.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>

namespace {

const QChar kBreak(0x200B);  // zero-width space: a place to break a line

// The position of the access key's letter in `plain`, or -1.
int KeyPosition(const QString& text) {
  int shown = 0;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      if (text[i + 1] != '&') return shown;
      ++i;
    }
    ++shown;
  }
  return -1;
}

QString Escaped(QString text) {
  return text.replace(QStringLiteral("&"), QStringLiteral("&&"));
}

}  // namespace

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
}

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetElideMode(Qt::TextElideMode mode) {
  mode_ = mode;
  update();
}

void ElidedLabel::SetPath(bool path) {
  path_ = path;
  update();
}

QString ElidedLabel::Plain() const {
  if (!buddy()) return text();
  QString plain = text();
  plain.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
  return plain;
}

QString ElidedLabel::Breakable() const {
  QString shown = Plain();
  // Only a wrapped text breaks: on one line the marks would be dead weight.
  // A break mark after each separator that a character follows on its
  // line, found in one pass rather than by a pattern compiled at each paint.
  if (path_ && wordWrap()) {
    QString marked;
    marked.reserve(shown.size() + shown.size() / 4);
    for (qsizetype i = 0; i < shown.size(); ++i) {
      marked += shown[i];
      const bool separator = shown[i] == QLatin1Char('/') || shown[i] == QLatin1Char('\\');
      if (separator && i + 1 < shown.size() && shown[i + 1] != QLatin1Char('\n')) {
        marked += kBreak;
      }
    }
    shown = marked;
  }
  if (wordWrap()) shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
  return shown;
}

QRect ElidedLabel::Room() const {
  return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

bool ElidedLabel::Elided() const {
  bool elided = false;
  Lines(&elided);
  return elided;
}

QStringList ElidedLabel::Lines(bool* elided) const {
  *elided = false;
  const QRect room = Room();
  const QFontMetrics fm(font());
  const QString shown = Breakable();
  const int width = std::max(room.width(), 1);
  if (!wordWrap()) {
    if (fm.horizontalAdvance(shown) <= width) return {shown};
    *elided = true;
    return {fm.elidedText(shown, mode_, width)};
  }
  // A text that fits on its one line is laid out as that line, without
  // shaping its break marks: the UI face has no glyph for them, and
  // looking for one loads another face of the machine before the first
  // paint. The pixel kept spare keeps a text at the edge on the full
  // layout below, where the two measures could differ.
  if (!shown.contains(QChar::LineSeparator) &&
      QFontMetricsF(font()).horizontalAdvance(QString(shown).remove(kBreak)) + 1 <= width) {
    return {shown};
  }
  QTextLayout layout(shown, font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QStringList lines;
  const int fit = std::max(1, (room.height() + fm.leading()) / fm.lineSpacing());
  while (true) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    const QString part = shown.mid(line.textStart(), line.textLength());
    if (lines.size() == fit - 1 && line.textStart() + line.textLength() < shown.size()) {
      // The last line that fits takes the rest of the text, elided.
      *elided = true;
      lines.append(fm.elidedText(shown.mid(line.textStart()), mode_, width));
      break;
    }
    // A word wider than the line is cut at its end.
    if (line.naturalTextWidth() > width) {
      *elided = true;
      lines.append(fm.elidedText(part.trimmed(), mode_, width));
    } else {
      lines.append(part);
    }
  }
  layout.endLayout();
  return lines;
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect room = Room();
  const QFontMetrics fm(font());
  bool elided = false;
  QStringList lines = Lines(&elided);
  const int height = static_cast<int>(lines.size()) * fm.lineSpacing() - fm.leading();
  int top = room.top();
  if (alignment() & Qt::AlignVCenter) top += (room.height() - height) / 2;
  if (alignment() & Qt::AlignBottom) top += room.height() - height;
  const Qt::Alignment across = alignment() & Qt::AlignHorizontal_Mask;
  // The access key shows while its letter does, on the first line.
  const int key = buddy() ? KeyPosition(text()) : -1;
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    line.remove(kBreak);
    int flags = static_cast<int>(across | Qt::AlignTop) | Qt::TextSingleLine;
    if (key >= 0) {
      line = Escaped(line);
      if (i == 0 && key < lines[0].size() && lines[0].left(key + 1) == Plain().left(key + 1) &&
          lines[0][key] != QChar(0x2026)) {
        line.insert(Escaped(lines[0].left(key)).size(), '&');
      }
      flags |= Qt::TextShowMnemonic;
    }
    const QRect place(room.left(), top + i * fm.lineSpacing(), room.width(), fm.height());
    style()->drawItemText(&painter, place, flags, palette(), isEnabled(), line, foregroundRole());
  }
}

bool ElidedLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (Elided()) {
      QToolTip::showText(help->globalPos(), Plain(), this);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QLabel::event(event);
}
