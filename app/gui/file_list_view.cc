#include "app/gui/file_list_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace corvane {
namespace {

std::optional<NavigationKey> navigation_key_of(int key) {
  switch (key) {
    case Qt::Key_PageUp:
      return NavigationKey::page_up;
    case Qt::Key_PageDown:
      return NavigationKey::page_down;
    case Qt::Key_Home:
      return NavigationKey::home;
    case Qt::Key_End:
      return NavigationKey::end;
    case Qt::Key_Left:
      return NavigationKey::left;
    case Qt::Key_Up:
      return NavigationKey::up;
    case Qt::Key_Right:
      return NavigationKey::right;
    case Qt::Key_Down:
      return NavigationKey::down;
    default:
      return std::nullopt;
  }
}

}  // namespace

QColor colour_from_colorref(std::uint32_t colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t colorref_from_colour(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) |
         (static_cast<std::uint32_t>(colour.green()) << 8) |
         (static_cast<std::uint32_t>(colour.blue()) << 16);
}

FileListModel::FileListModel(const FileListPair& lists, ListSide side, QObject* parent)
    : QAbstractListModel(parent),
      lists_(lists),
      side_(side),
      shown_rows_(static_cast<int>(lists.row_count())) {}

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_rows_;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shown_rows_) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const FileRow& file_row = lists_.row(side_, row);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return QString::fromStdString(file_row.text);
    case ColourRole:
      return colour_from_colorref(file_row.colour);
    case NewEntryRowRole:
      return lists_.is_empty_row(row);
    default:
      return {};
  }
}

void FileListModel::reload() {
  const int rows = static_cast<int>(lists_.row_count());
  if (rows == shown_rows_) {
    if (rows > 0) emit dataChanged(index(0), index(rows - 1));
    return;
  }
  beginResetModel();
  shown_rows_ = rows;
  endResetModel();
}

void FileRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QPalette& palette = option.palette;
  const QRect rect = option.rect;
  painter->save();
  painter->fillRect(rect, selected ? palette.highlight() : palette.base());

  if (index.data(FileListModel::NewEntryRowRole).toBool()) {
    const int inset_x = rect.width() / 20;
    const int inset_y = rect.height() / 10;
    QPen pen(selected ? palette.highlightedText().color() : palette.text().color());
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->drawRect(rect.adjusted(inset_x, inset_y, -inset_x - 1, -inset_y - 1));
  } else {
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect text_rect = rect.adjusted(3, 0, -3, 0);
    const bool too_wide = option.fontMetrics.horizontalAdvance(text) > text_rect.width();
    painter->setPen(selected ? palette.highlightedText().color()
                             : index.data(FileListModel::ColourRole).value<QColor>());
    painter->setFont(option.font);
    painter->drawText(text_rect, Qt::AlignVCenter | (too_wide ? Qt::AlignRight : Qt::AlignLeft),
                      text);
  }
  painter->restore();
}

QSize FileRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& /*index*/) const {
  return {option.rect.width(), row_height_};
}

FileListView::FileListView(ListSide side, ListActions& actions, QWidget* parent)
    : QListView(parent), side_(side), actions_(actions) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideNone);
  setFocusPolicy(Qt::StrongFocus);
}

std::size_t FileListView::page_size() const {
  const int row_height = std::max(sizeHintForRow(0), 1);
  return static_cast<std::size_t>(std::max(viewport()->height() / row_height, 1));
}

void FileListView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index.isValid()) {
    actions_.row_pressed(side_, static_cast<std::size_t>(index.row()));
  }
  event->accept();
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) actions_.row_double_clicked(side_);
  event->accept();
}

void FileListView::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void FileListView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void FileListView::keyPressEvent(QKeyEvent* event) {
  if (const std::optional<NavigationKey> key = navigation_key_of(event->key())) {
    actions_.navigation_key(side_, *key);
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Delete) {
    actions_.delete_key(side_);
    event->accept();
    return;
  }
  // Enter and Esc go on to the dialog (Translate, Close); typing does not
  // move the selection behind the dialog's back.
  event->ignore();
}

void FileListView::focusInEvent(QFocusEvent* event) {
  QListView::focusInEvent(event);
  actions_.list_focused(side_);
}

}  // namespace corvane
