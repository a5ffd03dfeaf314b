/*
** ClippedTexts: the texts a window shown offscreen cannot show whole. Each
** visible widget's text is measured with its own font against the room the
** widget or its style gives: a label on one line or wrapped at its width
** (a word longer than the width shows too), a push, check, radio or tool
** button with its icon, a group box caption, a column header, a tab, and
** each column's widest cut cell in sight. An ElidedLabel with the property
** "elided" and a view with "elidedCellTips" show what fits and the whole
** text on demand: their findings are marked elided, not cut. A finding
** names the window, the widget's path of object names, its kind, the text,
** and the pixels it needs against those it has.
*/
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

namespace clipped {

struct Finding {
  QString where, kind, text;
  QSize need, have;
  bool elided = false;

  std::string Line() const {
    return QStringLiteral("%1: %2 \"%3\" needs %4x%5 px, has %6x%7%8")
        .arg(where, kind, text)
        .arg(need.width())
        .arg(need.height())
        .arg(have.width())
        .arg(have.height())
        .arg(elided ? QStringLiteral(" (elided, whole in its tooltip)") : QString())
        .toStdString();
  }
};

// The text as it shows: an access key's '&' takes no room, "&&" is one.
inline QString Shown(QString text) {
  return text.replace(QRegularExpression(QStringLiteral("&(?!&)")), QString());
}

// Every text of `window` that it cannot show whole, cut or elided.
inline std::vector<Finding> In(const QWidget& window) {
  std::vector<Finding> found;
  // Adds a finding when `need` does not fit `have`, or when it is elided.
  const auto check = [&](const QWidget& w, const char* kind, const QString& text, QSize need,
                         QSize have, bool elided = false) {
    if (!elided && need.width() <= have.width() && need.height() <= have.height()) return;
    QStringList path;
    for (const QWidget* p = &w; p && p != &window; p = p->parentWidget()) {
      if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_"))
        path.prepend(p->objectName());
    }
    QString title = window.windowTitle().isEmpty() ? window.objectName() : window.windowTitle();
    path.prepend(title.isEmpty() ? window.metaObject()->className() : title);
    if (w.objectName().isEmpty() && &w != &window) path.append(w.metaObject()->className());
    found.push_back({path.join(" > "), kind, text, need, have, elided});
  };

  std::vector<const QWidget*> widgets{&window};
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (w->isVisibleTo(&window)) widgets.push_back(w);
  }
  for (const QWidget* w : widgets) {
    const QFontMetrics fm(w->font());
    const QStyle& style = *w->style();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      if (label->text().isEmpty() || label->textFormat() == Qt::RichText) continue;
      const QString text = label->buddy() ? Shown(label->text()) : label->text();
      if (label->inherits("ElidedLabel")) {
        if (label->property("elided").toBool()) {
          check(*w, "label", label->text(), {fm.horizontalAdvance(text), fm.height()},
                label->contentsRect().size(), true);
        }
        continue;
      }
      const int m = label->margin();
      const QSize have = label->contentsRect().adjusted(m, m, -m, -m).size();
      const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
      check(*w, "label", text,
            fm.boundingRect(QRect(0, 0, std::max(have.width(), 1), 1 << 20), flags, text).size(),
            have);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
      const QString text = Shown(button->text());
      if (text.isEmpty()) continue;
      if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
        if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly)
          check(*w, "button", text, tool->sizeHint(), tool->size());
        continue;
      }
      QStyle::SubElement element = QStyle::SE_PushButtonContents;
      if (qobject_cast<const QCheckBox*>(w)) {
        element = QStyle::SE_CheckBoxContents;
      } else if (qobject_cast<const QRadioButton*>(w)) {
        element = QStyle::SE_RadioButtonContents;
      } else if (!qobject_cast<const QPushButton*>(w)) {
        continue;
      }
      QStyleOptionButton option;
      option.initFrom(w);
      option.text = button->text();
      option.icon = button->icon();
      option.iconSize = button->iconSize();
      const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
      check(*w, "button", text, {fm.horizontalAdvance(text) + icon, fm.height()},
            style.subElementRect(element, &option, w).size());
    } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
      const QString text = Shown(box->title());
      if (text.isEmpty()) continue;
      QStyleOptionGroupBox option;
      option.initFrom(w);
      option.text = box->title();
      option.textAlignment = box->alignment();
      option.subControls = QStyle::SC_GroupBoxLabel;
      if (box->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
      const QRect place =
          style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, w);
      check(*w, "caption", text, {place.left() + fm.horizontalAdvance(text), fm.height()},
            {box->width(), std::max(place.height(), 0)});
    } else if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
      if (header->orientation() != Qt::Horizontal || !header->model()) continue;
      for (int i = 0; i < header->count(); ++i) {
        const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
        if (header->isSectionHidden(i) || text.isEmpty()) continue;
        QStyleOptionHeader option;
        option.initFrom(w);
        option.text = text;
        option.section = i;
        option.fontMetrics = fm;
        if (header->isSortIndicatorShown() && header->sortIndicatorSection() == i)
          option.sortIndicator = QStyleOptionHeader::SortDown;
        check(*w, "column header", text,
              style.sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), w),
              {header->sectionSize(i), header->height()});
      }
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
      const int padding = style.pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, w);
      for (int i = 0; i < tabs->count(); ++i) {
        const QString text = Shown(tabs->tabText(i));
        check(*w, "tab", text, {fm.horizontalAdvance(text) + padding, fm.height()},
              tabs->tabRect(i).size());
      }
    }
    // The cells of the rows in sight: per column, the one cut the most.
    const auto* view = qobject_cast<const QAbstractItemView*>(w);
    if (!view || !view->model()) continue;
    const QAbstractItemModel& model = *view->model();
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
    for (int column = 0; column < model.columnCount(view->rootIndex()); ++column) {
      QString worst;
      int need = 0, have = 0;
      for (int row = 0; row < model.rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model.index(row, column, view->rootIndex());
        const QRect cell = view->visualRect(index);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (cell.isEmpty() || !view->viewport()->rect().intersects(cell) || text.isEmpty())
          continue;
        const QVariant font = index.data(Qt::FontRole);
        const int width = QFontMetrics(font.isValid() ? qvariant_cast<QFont>(font) : view->font())
                              .horizontalAdvance(text);
        int room = cell.width() - 2 * margin;
        const QVariant icon = index.data(Qt::DecorationRole);
        if (icon.isValid() && !icon.isNull()) room -= view->iconSize().width() + 2 * margin;
        if (width > room && width - room > need - have) worst = text, need = width, have = room;
      }
      if (!worst.isEmpty())
        check(*w, "cell", worst, {need, 0}, {have, 0}, view->property("elidedCellTips").toBool());
    }
  }
  return found;
}

// Of those, the ones cut unseen.
inline size_t Cut(const std::vector<Finding>& findings) {
  return static_cast<size_t>(
      std::count_if(findings.begin(), findings.end(), [](const Finding& f) { return !f.elided; }));
}

}  // namespace clipped
