#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QListView>
#include <QStyledItemDelegate>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/file_list_pair.h"
#include "app/translate_dialog_logic.h"

class QMimeData;

namespace corvane {

/// 0x00BBGGRR as a colour, and back.
QColor colour_from_colorref(std::uint32_t colour);
std::uint32_t colorref_from_colour(const QColor& colour);

/// The icon beside a row's colour that tells its outcome to those who do
/// not tell the colours apart; null for none.
QIcon row_outcome_icon(RowOutcome outcome);

/// The local files of dropped URLs, as native paths; other URLs and
/// folders are left out.
std::vector<std::string> dropped_files(const QMimeData& data);

/// One list of a FileListPair as a Qt model: the row texts, their colours,
/// their outcomes in words (tooltip) and as an icon, and which row is the
/// empty new-entry row.
class FileListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Role { ColourRole = Qt::UserRole + 1, NewEntryRowRole };

  FileListModel(const FileListPair& lists, ListSide side, QObject* parent);
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  /// Shows the lists as they are now.
  void reload();

 private:
  const FileListPair& lists_;
  ListSide side_;
  int shown_rows_ = 0;
};

/// Draws a row: its outcome's icon, if any, at the left, then the text in
/// its colour on the window colour (the highlight colours when selected),
/// right-aligned when it is wider than the room left so that the file name
/// at its end stays visible; the empty row as a dotted rectangle.
class FileRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit FileRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
  void set_row_height(int height) { row_height_ = height; }
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int row_height_ = 20;
};

/// What the user does to a list, reported to the dialog.
class ListActions {
 public:
  virtual ~ListActions() = default;
  virtual void row_pressed(ListSide side, std::size_t row) = 0;
  virtual void row_double_clicked(ListSide side) = 0;
  virtual void list_focused(ListSide side) = 0;
  virtual void navigation_key(ListSide side, NavigationKey key) = 0;
  virtual void delete_key(ListSide side) = 0;
  virtual void files_dropped(ListSide side, const std::vector<std::string>& files) = 0;
};

/// A list of the dialog. Selection, keys, clicks and dropped files are not
/// handled here but reported, so that both lists follow the dialog's rules;
/// the view only shows what the dialog decides. Only the input list takes
/// files dropped from a file manager.
class FileListView : public QListView {
  Q_OBJECT

 public:
  FileListView(ListSide side, ListActions& actions, QWidget* parent);
  ListSide side() const { return side_; }
  /// Rows that fit in the view.
  std::size_t page_size() const;
  /// The size the dialog starts with; the list grows and shrinks with it.
  QSize sizeHint() const override { return {270, 230}; }
  QSize minimumSizeHint() const override { return {160, 100}; }

 signals:
  /// The rows' area changed size: what lies over a row must follow it.
  void resized();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  ListSide side_;
  ListActions& actions_;
};

}  // namespace corvane
