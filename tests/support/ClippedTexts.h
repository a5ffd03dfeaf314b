/*
** ClippedTexts: the texts a window cannot show whole. It walks every visible
** widget of a window shown offscreen and measures each text with the
** widget's own font metrics against the room the widget or its style gives:
**   - a label on one line: its text inside its contents; a label that wraps:
**     the height its text takes at its width, and room for its longest word;
**   - a button (push, check, radio, tool button with text): its text and
**     icon inside the style's contents rectangle for that kind of button;
**   - a group box caption; a column header against the size its style asks
**     for; a tab with the style's padding; each column's cells in sight.
** An ElidedLabel whose property "elided" is set, and a list with the
** property "elidedCellTips", are found but marked elided: they show what
** fits with an ellipsis and the whole text on demand, the remedy where a
** described width cannot hold a text. A widget drawn under a sibling is not
** considered. A finding names the window, the widget's path of object
** names, its kind, the text, and the pixels it needs against those it has.
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
  QString where;
  QString kind;
  QString text;
  QSize need;
  QSize have;
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

inline QString PathOf(const QWidget& w, const QWidget& window) {
  QStringList names;
  for (const QWidget* p = &w; p && p != &window; p = p->parentWidget()) {
    const QString name = p->objectName();
    if (!name.isEmpty() && !name.startsWith(QStringLiteral("qt_"))) names.prepend(name);
  }
  QString title = window.windowTitle();
  if (title.isEmpty()) title = window.objectName();
  names.prepend(title.isEmpty() ? QString::fromLatin1(window.metaObject()->className()) : title);
  if (w.objectName().isEmpty() && &w != &window) {
    names.append(QString::fromLatin1(w.metaObject()->className()));
  }
  return names.join(QStringLiteral(" > "));
}

// The text as it shows: an access key's '&' takes no room, "&&" is one.
inline QString Shown(QString text) {
  text.replace(QRegularExpression(QStringLiteral("&(?!&)")), QString());
  return text;
}

inline bool Fits(QSize need, QSize have) {
  return need.width() <= have.width() && need.height() <= have.height();
}

class Walker {
 public:
  explicit Walker(const QWidget& window) : window_(window) {}

  std::vector<Finding> Run() {
    std::vector<const QWidget*> widgets{&window_};
    for (const QWidget* w : window_.findChildren<QWidget*>()) widgets.push_back(w);
    for (const QWidget* w : widgets) {
      if (!w->isVisibleTo(&window_) && w != &window_) continue;
      if (const auto* label = qobject_cast<const QLabel*>(w)) {
        Label(*label);
      } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        Button(*button);
      } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        Caption(*box);
      } else if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
        Header(*header);
      } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
        Tabs(*tabs);
      }
      if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) Cells(*view);
    }
    return findings_;
  }

 private:
  void Add(const QWidget& w, const char* kind, const QString& text, QSize need, QSize have,
           bool elided = false) {
    findings_.push_back({PathOf(w, window_), QString::fromLatin1(kind), text, need, have, elided});
  }

  void Label(const QLabel& label) {
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText) return;
    const QFontMetrics fm(label.font());
    const QString text = label.buddy() ? Shown(label.text()) : label.text();
    if (label.inherits("ElidedLabel")) {
      if (label.property("elided").toBool()) {
        Add(label, "label", label.text(), QSize(fm.horizontalAdvance(text), fm.height()),
            label.contentsRect().size(), true);
      }
      return;
    }
    const int m = label.margin();
    const QRect inside = label.contentsRect().adjusted(m, m, -m, -m);
    // As the label draws it: on one line, or wrapped at its width (a word
    // longer than the width makes the text wider than the label).
    const int flags = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QSize need =
        fm.boundingRect(QRect(0, 0, std::max(inside.width(), 1), 1 << 20), flags, text).size();
    if (!Fits(need, inside.size())) Add(label, "label", text, need, inside.size());
  }

  void Button(const QAbstractButton& button) {
    const QString text = Shown(button.text());
    if (text.isEmpty()) return;
    const QFontMetrics fm(button.font());
    const QStyle& style = *button.style();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    int icon = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    if (qobject_cast<const QCheckBox*>(&button)) {
      element = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(&button)) {
      element = QStyle::SE_RadioButtonContents;
    } else if (const auto* tool = qobject_cast<const QToolButton*>(&button)) {
      if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly) return;
      const QSize need = tool->sizeHint();
      if (!Fits(need, tool->size())) Add(button, "button", text, need, tool->size());
      return;
    } else if (!qobject_cast<const QPushButton*>(&button)) {
      return;
    }
    const QRect inside = style.subElementRect(element, &option, &button);
    const QSize need(fm.horizontalAdvance(text) + icon, fm.height());
    if (!Fits(need, inside.size())) Add(button, "button", text, need, inside.size());
  }

  void Caption(const QGroupBox& box) {
    const QString text = Shown(box.title());
    if (text.isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    option.textAlignment = box.alignment();
    if (box.isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    const QFontMetrics fm(box.font());
    const QSize need(label.left() + fm.horizontalAdvance(text), fm.height());
    const QSize have(box.width(), std::max(label.height(), 0));
    if (!Fits(need, have)) Add(box, "caption", text, need, have);
  }

  void Header(const QHeaderView& header) {
    if (header.orientation() != Qt::Horizontal || !header.model()) return;
    for (int i = 0; i < header.count(); ++i) {
      if (header.isSectionHidden(i)) continue;
      const QString text = header.model()->headerData(i, Qt::Horizontal).toString();
      if (text.isEmpty()) continue;
      QStyleOptionHeader option;
      option.initFrom(&header);
      option.text = text;
      option.section = i;
      option.fontMetrics = header.fontMetrics();
      if (header.isSortIndicatorShown() && header.sortIndicatorSection() == i) {
        option.sortIndicator = QStyleOptionHeader::SortDown;
      }
      const QSize need =
          header.style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), &header);
      const QSize have(header.sectionSize(i), header.height());
      if (!Fits(need, have)) Add(header, "column header", text, need, have);
    }
  }

  void Tabs(const QTabBar& tabs) {
    const QFontMetrics fm(tabs.font());
    const int padding = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
    for (int i = 0; i < tabs.count(); ++i) {
      const QString text = Shown(tabs.tabText(i));
      const QSize need(fm.horizontalAdvance(text) + padding, fm.height());
      if (!Fits(need, tabs.tabRect(i).size())) Add(tabs, "tab", text, need, tabs.tabRect(i).size());
    }
  }

  // The cells of the rows in sight, one finding per column (its widest
  // cut cell). A view that shows a cut cell's whole text in a tooltip
  // (property "elidedCellTips") only elides.
  void Cells(const QAbstractItemView& view) {
    if (!view.model()) return;
    const bool tips = view.property("elidedCellTips").toBool();
    const QAbstractItemModel& model = *view.model();
    const QRect sight = view.viewport()->rect();
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    for (int column = 0; column < model.columnCount(view.rootIndex()); ++column) {
      QString worst;
      QSize need, have;
      for (int row = 0; row < model.rowCount(view.rootIndex()); ++row) {
        const QModelIndex index = model.index(row, column, view.rootIndex());
        const QRect cell = view.visualRect(index);
        if (cell.isEmpty() || !sight.intersects(cell)) continue;
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty()) continue;
        const QFont font = index.data(Qt::FontRole).isValid()
                               ? qvariant_cast<QFont>(index.data(Qt::FontRole))
                               : view.font();
        int room = cell.width() - 2 * margin;
        const QVariant icon = index.data(Qt::DecorationRole);
        if (icon.isValid() && !icon.isNull()) room -= view.iconSize().width() + 2 * margin;
        const int width = QFontMetrics(font).horizontalAdvance(text);
        if (width > room && width - room > need.width() - have.width()) {
          worst = text;
          need = QSize(width, 0);
          have = QSize(room, 0);
        }
      }
      if (!worst.isEmpty()) Add(view, "cell", worst, need, have, tips);
    }
  }

  const QWidget& window_;
  std::vector<Finding> findings_;
};

// Every text of `window` that it cannot show whole, cut or elided.
inline std::vector<Finding> In(const QWidget& window) {
  return Walker(window).Run();
}

// Of those, the ones cut unseen.
inline size_t Cut(const std::vector<Finding>& findings) {
  return static_cast<size_t>(
      std::count_if(findings.begin(), findings.end(), [](const Finding& f) { return !f.elided; }));
}

}  // namespace clipped
