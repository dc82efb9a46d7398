#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>
#include <cstddef>
#include <cstdint>

#include "app/file_list_pair.h"
#include "app/translate_dialog_logic.h"

namespace corvane {

/// 0x00BBGGRR as a colour, and back.
QColor colour_from_colorref(std::uint32_t colour);
std::uint32_t colorref_from_colour(const QColor& colour);

/// One list of a FileListPair as a Qt model: the row texts, their colours
/// and which row is the empty new-entry row.
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

/// Draws a row: the text in its colour on the window colour (the highlight
/// colours when selected), right-aligned when it is wider than the row so
/// that the file name at its end stays visible; the empty row as a dotted
/// rectangle.
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
};

/// A list of the dialog. Selection, keys and clicks are not handled here
/// but reported, so that both lists follow the dialog's rules; the view only
/// shows what the dialog decides.
class FileListView : public QListView {
  Q_OBJECT

 public:
  FileListView(ListSide side, ListActions& actions, QWidget* parent);
  ListSide side() const { return side_; }
  /// Rows that fit in the view.
  std::size_t page_size() const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  ListSide side_;
  ListActions& actions_;
};

}  // namespace corvane
