#include "app/gui/translate_dialog.h"

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/gui/about_dialog.h"
#include "app/gui/desktop_services.h"
#include "app/gui/icons.h"
#include "app/gui/inline_row_editor.h"

namespace corvane {
namespace {

constexpr ListSide kSides[] = {ListSide::input, ListSide::output};

std::uint32_t window_text_colour() {
  return colorref_from_colour(QApplication::palette().color(QPalette::Text));
}

QPushButton* caption_button(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QToolButton* tool_button(const QIcon& icon, const QString& command, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setIcon(icon);
  button->setAutoRaise(true);
  // The tooltip is the command's name, cut to 79 characters.
  button->setToolTip(command.left(79));
  button->setObjectName(command.toLower() + "Button");
  // The commands act on the list with the focus, which must stay where it is.
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

TranslateDialog::TranslateDialog(const DialogServices& services, QWidget* parent)
    // The lists take whatever room the window is given, so it may be maximized.
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      services_(services),
      logic_(window_text_colour()),
      environment_{
          MessageFilter(message_filter_setting()), {}, services.run_prompts, services.file_system},
      choices_(services.choices),
      row_translator_(environment_, services.run_prompts, choices_, this,
                      [this] { update_view(); }) {
  setObjectName("translateDialog");
  setWindowTitle("Ondrel Library Translator");
  setWindowIcon(application_icon());
  build_layout();
  if (const std::optional<bool> single_subckt = choices_.saved_single_subckt()) {
    logic_.set_single_subckt(*single_subckt);
  }
  const QByteArray geometry = services_.geometry.geometry();
  if (geometry.isEmpty() || !restoreGeometry(geometry)) resize(sizeHint());
  update_view();
}

void TranslateDialog::build_layout() {
  for (ListSide side : kSides) {
    const std::size_t i = index_of(side);
    lists_[i] = new FileListView(side, *this, this);
    lists_[i]->setObjectName(side == ListSide::input ? "inputList" : "outputList");
    models_[i] = new FileListModel(logic_.lists(), side, this);
    lists_[i]->setModel(models_[i]);
    editors_[i] = new InlineRowEditor(lists_[i]->viewport());
    connect_editor(side);
  }
  // The rows are as high as the editor laid over them.
  delegate_ = new FileRowDelegate(this);
  delegate_->set_row_height(editors_[0]->height());
  for (FileListView* list : lists_) list->setItemDelegate(delegate_);
  // The input list scrolls with the output list's bar; it has none of its own.
  FileListView* input = lists_[0];
  FileListView* output = lists_[1];
  input->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(output->verticalScrollBar(), &QScrollBar::valueChanged, input->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(input->verticalScrollBar(), &QScrollBar::valueChanged, output->verticalScrollBar(),
          &QScrollBar::setValue);
  for (ListSide side : kSides) {
    connect(lists_[index_of(side)]->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this, side] { place_editor(side); });
    // The editor spans its list, however wide the window is made.
    connect(lists_[index_of(side)], &FileListView::resized, this,
            [this, side] { place_editor(side); });
  }

  new_ = tool_button(new_row_icon(), "New", this);
  edit_ = tool_button(edit_row_icon(), "Edit", this);
  delete_ = tool_button(delete_row_icon(), "Delete", this);
  // A command acts as soon as its button goes down.
  connect(new_, &QToolButton::pressed, this, [this] { act([this] { logic_.new_row(); }); });
  connect(edit_, &QToolButton::pressed, this,
          [this] { act([this] { logic_.edit_row(focused_list()); }); });
  connect(delete_, &QToolButton::pressed, this,
          [this] { act([this] { logic_.delete_row(focused_list()); }); });
  auto* toolbar = new QHBoxLayout;
  toolbar->setSpacing(0);
  toolbar->addWidget(new_);
  toolbar->addWidget(edit_);
  toolbar->addWidget(delete_);

  single_subckt_ =
      new QCheckBox("&Place family of MOSFET models with DOT suffix  in single subckt", this);
  single_subckt_->setObjectName("singleSubcktBox");
  connect(single_subckt_, &QCheckBox::toggled, this,
          [this](bool on) { logic_.set_single_subckt(on); });

  auto* frame = new QGroupBox(this);
  auto* grid = new QGridLayout(frame);
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(2);
  grid->addWidget(caption_button("Input Library", frame), 0, 0);
  auto* output_caption = new QHBoxLayout;
  output_caption->addWidget(caption_button("Ondrel (.LIB)", frame), 1);
  output_caption->addLayout(toolbar);
  grid->addLayout(output_caption, 0, 1);
  grid->addWidget(input, 1, 0);
  grid->addWidget(output, 1, 1);
  grid->addWidget(single_subckt_, 2, 0, 1, 2);
  // The lists share the room the window gives; the captions and the option
  // keep their height.
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  translate_ = new QPushButton("&Translate", this);
  translate_->setObjectName("translateButton");
  translate_->setDefault(true);
  close_ = new QPushButton("Close", this);
  close_->setObjectName("closeButton");
  help_ = new QPushButton("&Help", this);
  help_->setObjectName("helpButton");
  connect(translate_, &QPushButton::clicked, this, &TranslateDialog::translate);
  connect(close_, &QPushButton::clicked, this, &TranslateDialog::reject);
  connect(help_, &QPushButton::clicked, this, &TranslateDialog::show_help);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(translate_);
  buttons->addWidget(close_);
  buttons->addWidget(help_);
  buttons->addStretch();

  // This platform has no system menu to carry "About"; the menu bar's Help
  // menu holds it, beside the manual.
  auto* menu_bar = new QMenuBar(this);
  QMenu* file_menu = menu_bar->addMenu("&File");
  QAction* quit = file_menu->addAction("&Quit", this, &TranslateDialog::reject);
  quit->setObjectName("quitAction");
  // Ctrl+Q, whatever the desktop's own key for Quit.
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  quit->setMenuRole(QAction::QuitRole);
  QMenu* help_menu = menu_bar->addMenu("Help");
  QAction* contents = help_menu->addAction("&Contents", this, &TranslateDialog::show_help);
  contents->setShortcut(QKeySequence::HelpContents);
  QAction* about = help_menu->addAction("&About Corvane...", this, &TranslateDialog::show_about);
  about->setObjectName("aboutAction");
  about->setMenuRole(QAction::AboutRole);

  auto* layout = new QHBoxLayout(this);
  layout->setMenuBar(menu_bar);
  layout->addWidget(frame, 1);
  layout->addLayout(buttons);

  single_subckt_->setChecked(logic_.single_subckt());
  setTabOrder(input, output);
  setTabOrder(output, single_subckt_);
  setTabOrder(single_subckt_, translate_);
  setTabOrder(translate_, close_);
  setTabOrder(close_, help_);
}

void TranslateDialog::connect_editor(ListSide side) {
  InlineRowEditor* editor = editors_[index_of(side)];
  connect(editor, &InlineRowEditor::text_edited, this,
          [this](const QString& text) { logic_.set_edit_text(text.toStdString()); });
  connect(editor, &InlineRowEditor::commit_requested, this,
          [this] { act([this] { logic_.commit_editor(); }); });
  connect(editor, &InlineRowEditor::cancel_requested, this,
          [this] { act([this] { logic_.cancel_editor(); }); });
  connect(editor, &InlineRowEditor::browse_requested, this,
          [this] { act([this] { logic_.choose_files(services_.file_dialogs); }); });
}

template <typename Action>
void TranslateDialog::act(Action action) {
  if (updating_) return;
  action();
  update_view();
}

void TranslateDialog::row_pressed(ListSide side, std::size_t row) {
  act([&] { logic_.click_row(side, row); });
}

void TranslateDialog::row_double_clicked(ListSide side) {
  act([&] { logic_.double_click(side); });
}

void TranslateDialog::list_focused(ListSide side) {
  act([&] { logic_.list_focused(side); });
}

void TranslateDialog::navigation_key(ListSide side, NavigationKey key) {
  act([&] { logic_.navigate(side, key, list_view(side)->page_size()); });
}

void TranslateDialog::delete_key(ListSide side) {
  act([&] { logic_.delete_row(side); });
}

void TranslateDialog::files_dropped(ListSide side, const std::vector<std::string>& files) {
  if (side != ListSide::input) return;
  act([&] { logic_.drop_files(files); });
}

std::optional<ListSide> TranslateDialog::focused_list() const {
  const QWidget* focus = QApplication::focusWidget();
  for (ListSide side : kSides) {
    if (focus == list_view(side)) return side;
  }
  return std::nullopt;
}

void TranslateDialog::translate() {
  if (logic_.running()) return;
  // The rows are shown as they will be translated before the first run.
  act([this] { logic_.commit_editor(); });
  repaint();
  logic_.translate(services_.dialog_prompts, services_.file_system, row_translator_);
  update_view();
}

void TranslateDialog::reject() {
  // Closing while a run is in hand would pull the lists from under it.
  if (logic_.running()) return;
  QDialog::reject();
}

void TranslateDialog::done(int result) {
  services_.geometry.set_geometry(saveGeometry());
  QDialog::done(result);
}

void TranslateDialog::show_help() {
  const QString manual = manual_path();
  if (QFileInfo::exists(manual) && services_.viewer.open(manual)) return;
  services_.dialog_prompts.show_message("Unable to open the help file " + manual.toStdString() +
                                        "!");
}

void TranslateDialog::show_about() {
  AboutDialog about(this);
  about.exec();
}

void TranslateDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  act([this] { logic_.first_show(); });
}

void TranslateDialog::update_view() {
  updating_ = true;
  for (ListSide side : kSides) {
    const std::size_t i = index_of(side);
    FileListView* list = lists_[i];
    const int scroll = list->verticalScrollBar()->value();
    models_[i]->reload();
    list->verticalScrollBar()->setValue(scroll);
    if (const std::optional<std::size_t> row = logic_.selection(side)) {
      const QModelIndex index = models_[i]->index(static_cast<int>(*row));
      list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
      list->scrollTo(index);
    } else {
      list->selectionModel()->clearSelection();
    }
  }
  for (ListSide side : kSides) {
    InlineRowEditor* editor = editors_[index_of(side)];
    if (logic_.editor_side() == side) {
      place_editor(side);
      if (logic_.editor_openings() != shown_editor_opening_ || !editor->isVisible()) {
        lists_[index_of(side)]->scrollTo(
            models_[index_of(side)]->index(static_cast<int>(*logic_.edited_row())));
        place_editor(side);
        editor->start(QString::fromStdString(logic_.edit_text()));
      }
    } else if (editor->isVisible()) {
      const bool had_focus = editor->isAncestorOf(QApplication::focusWidget());
      editor->hide();
      if (had_focus) list_view(side)->setFocus(Qt::OtherFocusReason);
    }
  }
  shown_editor_opening_ = logic_.editor_openings();
  single_subckt_->setChecked(logic_.single_subckt());
  updating_ = false;
}

void TranslateDialog::place_editor(ListSide side) {
  const std::optional<std::size_t> row = logic_.edited_row();
  if (logic_.editor_side() != side || !row) return;
  FileListView* list = list_view(side);
  const QRect rect = list->visualRect(models_[index_of(side)]->index(static_cast<int>(*row)));
  InlineRowEditor* editor = row_editor(side);
  editor->setGeometry(0, rect.top(), list->viewport()->width(), editor->height());
}

}  // namespace corvane
