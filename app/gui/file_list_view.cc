#include "app/gui/file_list_view.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QUrl>
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

QString outcome_words(RowOutcome outcome) {
  const std::string_view words = row_outcome_words(outcome);
  return QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size()));
}

bool takes_drop(ListSide side, const QMimeData* data) {
  return side == ListSide::input && data != nullptr && !dropped_files(*data).empty();
}

}  // namespace

QIcon row_outcome_icon(RowOutcome outcome) {
  QStyle* style = QApplication::style();
  switch (outcome) {
    case RowOutcome::translated:
      return style->standardIcon(QStyle::SP_DialogApplyButton);
    case RowOutcome::warnings:
      return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case RowOutcome::errors:
    case RowOutcome::not_translated:
      return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case RowOutcome::none:
      break;
  }
  return {};
}

std::vector<std::string> dropped_files(const QMimeData& data) {
  std::vector<std::string> files;
  for (const QUrl& url : data.urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    // A folder is no library; the file dialog would not pick one either.
    if (path.isEmpty() || QFileInfo(path).isDir()) continue;
    files.push_back(QDir::toNativeSeparators(path).toStdString());
  }
  return files;
}

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
      return QString::fromStdString(file_row.text);
    case Qt::ToolTipRole: {
      // The full name, which the row may cut, then the outcome in words.
      const QString text = QString::fromStdString(file_row.text);
      const QString words = outcome_words(file_row.outcome);
      if (words.isEmpty()) return text;
      return text.isEmpty() ? words : text + "\n" + words;
    }
    case Qt::AccessibleDescriptionRole:
      return outcome_words(file_row.outcome);
    case Qt::DecorationRole: {
      const QIcon icon = row_outcome_icon(file_row.outcome);
      return icon.isNull() ? QVariant() : QVariant(icon);
    }
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
    QRect text_rect = rect.adjusted(3, 0, -3, 0);
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.isValid() && decoration.canConvert<QIcon>()) {
      // The icon stands beside the text so the outcome is told by shape too.
      const int side = std::min(rect.height() - 4, 16);
      const QRect icon_rect(text_rect.left(), rect.top() + (rect.height() - side) / 2, side, side);
      decoration.value<QIcon>().paint(painter, icon_rect, Qt::AlignCenter,
                                      selected ? QIcon::Selected : QIcon::Normal);
      text_rect.setLeft(icon_rect.right() + 4);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
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
  // Files come from a file manager only; rows are never dragged.
  setDragDropMode(side == ListSide::input ? QAbstractItemView::DropOnly
                                          : QAbstractItemView::NoDragDrop);
  setAcceptDrops(side == ListSide::input);
  viewport()->setAcceptDrops(side == ListSide::input);
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

void FileListView::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  emit resized();
}

void FileListView::dragEnterEvent(QDragEnterEvent* event) {
  if (takes_drop(side_, event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void FileListView::dragMoveEvent(QDragMoveEvent* event) {
  // Anywhere over the list: the files go to the empty row, not the one
  // under the pointer.
  if (takes_drop(side_, event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void FileListView::dropEvent(QDropEvent* event) {
  if (!takes_drop(side_, event->mimeData())) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  actions_.files_dropped(side_, dropped_files(*event->mimeData()));
}

}  // namespace corvane
