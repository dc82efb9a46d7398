// The translate dialog driven through its widgets, on the offscreen platform.

#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/gui/about_dialog.h"
#include "app/gui/qt_progress_window.h"
#include "gui_rig.h"

namespace corvane {
namespace {

using testing::DialogRig;
using testing::read_file;

constexpr const char* kGreenInput = "Clean title\n* comment\n.subckt inv in out\n.ends\n";
constexpr const char* kYellowInput = "Warned title\n.unknownthing x\n";
constexpr const char* kFatalInput = "Number too long\n.subckt x 123456789012345678901234\n.ends\n";

const QColor kGreen(0, 0xDD, 0);
const QColor kYellow(0xDD, 0xDD, 0);
const QColor kRed(0xFF, 0, 0);

bool exists(const std::string& path) { return std::filesystem::exists(path); }

// Clicks the Cancel button of the running progress window as soon as the
// run lets events through; `seen` receives the window's middle line, and
// `before_cancel` runs first, while the row is still running.
void cancel_when_progress_shows(QWidget* dialog, QString* seen,
                                const std::function<void()>& before_cancel = {}) {
  QTimer::singleShot(0, dialog, [dialog, seen, before_cancel] {
    auto* window = dialog->findChild<QtProgressWindow*>();
    if (window == nullptr || !window->isVisible()) {
      cancel_when_progress_shows(dialog, seen, before_cancel);
      return;
    }
    *seen = window->line_label(1)->text();
    if (before_cancel) before_cancel();
    QTest::mouseClick(window->cancel_button(), Qt::LeftButton);
  });
}

// Sends a drag of `urls` over `list` and drops it; whether the list took
// the drag and the drop.
std::pair<bool, bool> drop_urls(FileListView* list, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPoint point = list->viewport()->rect().center();
  QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &enter);
  QDragMoveEvent move(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &move);
  QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &drop);
  return {enter.isAccepted() && move.isAccepted(), drop.isAccepted()};
}

// Whether two icons show the same picture at the size rows draw them.
bool same_picture(const QIcon& a, const QIcon& b) {
  return !a.isNull() && a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

QIcon standard_icon(QStyle::StandardPixmap pixmap) {
  return QApplication::style()->standardIcon(pixmap);
}

}  // namespace

class TranslateDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(settings_directory_.isValid());
    // The settings the dialog reads and writes go to a folder of the test's
    // own, never to the user's.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_directory_.path());
  }

  // Each test starts as a first run: no choices and no window size kept.
  void init() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tarno", "Corvane").clear();
  }

  void starts_with_the_editor_on_the_empty_row() {
    DialogRig rig;
    QVERIFY(rig.active);
    QCOMPARE(rig.dialog.windowTitle(), QString("Ondrel Library Translator"));
    QVERIFY(rig.dialog.single_subckt_box()->isChecked());
    QCOMPARE(rig.dialog.single_subckt_box()->text(),
             QString("&Place family of MOSFET models with DOT suffix  in single subckt"));
    QCOMPARE(rig.row_count(), 1);
    QVERIFY(rig.dialog.row_editor(ListSide::input)->isVisible());
    QVERIFY(!rig.dialog.row_editor(ListSide::output)->isVisible());
    QCOMPARE(rig.dialog.new_button()->toolTip(), QString("New"));
    QCOMPARE(rig.dialog.edit_button()->toolTip(), QString("Edit"));
    QCOMPARE(rig.dialog.delete_button()->toolTip(), QString("Delete"));
    QVERIFY(rig.dialog.translate_button()->isDefault());
  }

  void fills_rows_through_the_editor() {
    DialogRig rig;
    QVERIFY(rig.active);
    QTest::keyClicks(rig.field(ListSide::input), "/models/nmos.l");
    QTest::keyClick(rig.field(ListSide::input), Qt::Key_Return);
    QVERIFY(!rig.dialog.row_editor(ListSide::input)->isVisible());
    QCOMPARE(rig.row_count(), 2);
    QCOMPARE(rig.row_text(ListSide::input, 0), QString("/models/nmos.l"));
    QCOMPARE(rig.row_text(ListSide::output, 0), QString("/models/nmos.lib"));

    rig.add_row("/models/pmos.sp");
    QCOMPARE(rig.row_text(ListSide::input, 1), QString("/models/pmos.sp"));

    // A click on the selected row edits it; Esc keeps the row.
    rig.click_row(ListSide::input, 0);
    rig.click_row(ListSide::input, 0);
    QVERIFY(rig.dialog.row_editor(ListSide::input)->isVisible());
    QCOMPARE(rig.field(ListSide::input)->selectedText(), QString("/models/nmos.l"));
    QTest::keyClicks(rig.field(ListSide::input), "typed over");
    QTest::keyClick(rig.field(ListSide::input), Qt::Key_Escape);
    QVERIFY(!rig.dialog.row_editor(ListSide::input)->isVisible());
    QVERIFY(rig.dialog.isVisible());  // Esc in the editor does not close the dialog
    QCOMPARE(rig.row_text(ListSide::input, 0), QString("/models/nmos.l"));

    // Clicking the other list commits what was typed.
    rig.click_row(ListSide::input, 1);
    rig.click_row(ListSide::input, 1);
    QTest::keyClicks(rig.field(ListSide::input), "/models/bjt.sp");
    rig.click_row(ListSide::output, 0);
    QVERIFY(!rig.dialog.row_editor(ListSide::input)->isVisible());
    QCOMPARE(rig.row_text(ListSide::input, 1), QString("/models/bjt.sp"));
    QCOMPARE(rig.row_text(ListSide::output, 1), QString("/models/bjt.lib"));
    QCOMPARE(rig.dialog.logic().selection(ListSide::output), std::optional<std::size_t>(0));
    QCOMPARE(rig.dialog.logic().selection(ListSide::input), std::optional<std::size_t>());

    // The output list's empty row cannot be edited.
    rig.click_row(ListSide::output, 2);
    rig.click_row(ListSide::output, 2);
    QVERIFY(!rig.dialog.row_editor(ListSide::output)->isVisible());
  }

  void commits_several_chosen_names_and_keys_move_both_lists() {
    DialogRig rig;
    QVERIFY(rig.active);
    rig.file_dialogs.answers = {{"/m/a.sp", "/m/b.sp", "/m/c.sp"}};
    QTest::mouseClick(rig.dialog.row_editor(ListSide::input)->browse_button(), Qt::LeftButton);
    QCOMPARE(rig.row_count(), 4);
    QCOMPARE(rig.row_text(ListSide::input, 0), QString("/m/c.sp"));
    QCOMPARE(rig.row_text(ListSide::input, 2), QString("/m/a.sp"));
    QCOMPARE(rig.row_text(ListSide::output, 0), QString("/m/c.lib"));
    QCOMPARE(rig.file_dialogs.requests.at(0).initial_name, std::string("*.*"));

    // The output editor saves one file, starting from the row's name.
    rig.click_row(ListSide::output, 1);
    QTest::mouseDClick(rig.list(ListSide::output)->viewport(), Qt::LeftButton, {},
                       rig.list(ListSide::output)
                           ->visualRect(rig.list(ListSide::output)->model()->index(1, 0))
                           .center());
    QVERIFY(rig.dialog.row_editor(ListSide::output)->isVisible());
    rig.file_dialogs.answers = {{"/out/b_odl.lib"}};
    QTest::mouseClick(rig.dialog.row_editor(ListSide::output)->browse_button(), Qt::LeftButton);
    QVERIFY(rig.file_dialogs.requests.at(1).save);
    QCOMPARE(rig.file_dialogs.requests.at(1).initial_name, std::string("b.lib"));
    QCOMPARE(rig.row_text(ListSide::output, 1), QString("/out/b_odl.lib"));
    QCOMPARE(rig.row_text(ListSide::input, 1), QString("/m/b.sp"));

    // Keys in one list move the other's selection with it.
    rig.click_row(ListSide::input, 0);
    QTest::keyClick(rig.list(ListSide::input), Qt::Key_End);
    QCOMPARE(rig.dialog.logic().selection(ListSide::output), std::optional<std::size_t>(3));
    QTest::keyClick(rig.list(ListSide::input), Qt::Key_Up);
    QCOMPARE(rig.dialog.logic().selection(ListSide::output), std::optional<std::size_t>(2));
    QCOMPARE(rig.list(ListSide::output)->currentIndex().row(), 2);

    // Delete acts on the list with the focus, on button down.
    QTest::mousePress(rig.dialog.delete_button(), Qt::LeftButton);
    QTest::mouseRelease(rig.dialog.delete_button(), Qt::LeftButton);
    QCOMPARE(rig.row_count(), 3);
    QCOMPARE(rig.row_text(ListSide::input, 1), QString("/m/b.sp"));
    QTest::keyClick(rig.list(ListSide::input), Qt::Key_Delete);
    QCOMPARE(rig.row_count(), 3);  // the empty row came back
    QTest::keyClick(rig.list(ListSide::input), Qt::Key_Home);
    QTest::keyClick(rig.list(ListSide::input), Qt::Key_Delete);
    QCOMPARE(rig.row_count(), 2);
    QCOMPARE(rig.row_text(ListSide::input, 0), QString("/m/b.sp"));
  }

  void translates_real_files_and_colours_the_rows() {
    DialogRig rig;
    QVERIFY(rig.active);
    const std::string green = rig.write_input("clean.sp", kGreenInput);
    const std::string yellow = rig.write_input("warned.sp", kYellowInput);
    rig.add_row(green);
    rig.add_row(yellow);
    rig.dialog.single_subckt_box()->setChecked(false);
    // Enter outside the editor is Translate.
    rig.click_row(ListSide::input, 0);
    QTest::keyClick(rig.list(ListSide::input), Qt::Key_Return);

    QCOMPARE(rig.row_colour(ListSide::input, 0), kGreen);
    QCOMPARE(rig.row_colour(ListSide::output, 0), kGreen);
    QCOMPARE(rig.row_colour(ListSide::input, 1), kYellow);
    QCOMPARE(rig.row_colour(ListSide::input, 2), QApplication::palette().color(QPalette::Text));
    QCOMPARE(read_file(rig.scratch.file("clean.lib")),
             std::string("* Clean title\n* comment\n.subckt inv in out \n.ends\n"));
    QVERIFY(exists(rig.scratch.file("warned.lib")));
    QVERIFY(read_file(rig.scratch.file("warned.err")).find("WARNING") != std::string::npos);
    QVERIFY(rig.dialog_prompts.messages.empty());
    QVERIFY(rig.run_prompts.warnings.empty());
    QCOMPARE(rig.dialog.windowTitle(), QString("Ondrel Library Translator"));
    QVERIFY(rig.dialog.findChild<QtProgressWindow*>() == nullptr);

    // The last translated row is recorded.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Tarno", "Corvane");
    QCOMPARE(settings.value("hspFile").toString(), QString::fromStdString("\"" + yellow + "\""));
    QCOMPARE(settings.value("odlFile").toString(),
             QString::fromStdString("\"" + rig.scratch.file("warned.lib") + "\""));
    QCOMPARE(settings.value("subckt").toString(), QString("n"));
  }

  void cancels_a_run_of_three_files_after_the_first() {
    DialogRig rig;
    QVERIFY(rig.active);
    std::string row;
    for (const char* name : {"one.sp", "two.sp", "three.sp"}) {
      row += "\"" + rig.write_input(name, kGreenInput) + "\" ";
    }
    rig.add_row(row);
    QString middle_line;
    cancel_when_progress_shows(&rig.dialog, &middle_line);
    QTest::mouseClick(rig.dialog.translate_button(), Qt::LeftButton);

    QCOMPARE(middle_line, QString("Translating... Please Wait..."));
    QCOMPARE(rig.run_prompts.questions,
             std::vector<std::string>{"Do you wish to cancel this process?"});
    QVERIFY(exists(rig.scratch.file("one.lib")));
    QVERIFY(!exists(rig.scratch.file("two.lib")));
    QVERIFY(!exists(rig.scratch.file("three.lib")));
    QVERIFY(!exists(rig.scratch.file("two.err")));
    // The cancelled row shows no result.
    QCOMPARE(rig.row_colour(ListSide::input, 0), QApplication::palette().color(QPalette::Text));
    QVERIFY(read_file(rig.scratch.file("one.err")).find("Design Messages:") != std::string::npos);
    QVERIFY(rig.dialog.isVisible());
  }

  void a_fatal_file_paints_its_row_red_and_keeps_the_lists() {
    DialogRig rig;
    QVERIFY(rig.active);
    const std::string fatal = rig.write_input("long.sp", kFatalInput);
    const std::string green = rig.write_input("clean.sp", kGreenInput);
    rig.add_row(fatal);
    rig.add_row(green);
    QTest::mouseClick(rig.dialog.translate_button(), Qt::LeftButton);

    QCOMPARE(rig.dialog_prompts.errors.size(), std::size_t{1});
    QVERIFY(rig.dialog_prompts.errors[0].find("Number literal greater than 20 characters") !=
            std::string::npos);
    QVERIFY(rig.dialog.isVisible());
    QCOMPARE(rig.row_count(), 3);
    QCOMPARE(rig.row_text(ListSide::input, 0), QString::fromStdString(fatal));
    QCOMPARE(rig.row_colour(ListSide::input, 0), kRed);
    QCOMPARE(rig.row_colour(ListSide::input, 1), kGreen);
    QVERIFY(exists(rig.scratch.file("clean.lib")));
  }

  void checks_rows_before_translating() {
    DialogRig rig;
    QVERIFY(rig.active);
    const std::string missing = rig.scratch.file("missing.sp");
    rig.add_row(missing);
    rig.add_row(rig.write_input("clean.sp", kGreenInput));
    QTest::mouseClick(rig.dialog.translate_button(), Qt::LeftButton);
    QCOMPARE(rig.dialog_prompts.messages,
             std::vector<std::string>{"Input file " + missing + " does not exist!"});
    QVERIFY(!exists(rig.scratch.file("clean.lib")));
  }

  void draws_long_names_right_aligned_and_the_empty_row_dotted() {
    DialogRig rig;
    QVERIFY(rig.active);
    const std::string long_name =
        "/a/very/long/directory/name/that/does/not/fit/in/the/list/"
        "at/all/ZZZZ.sp";
    rig.add_row(long_name);
    rig.add_row("/s.sp");
    QTest::keyClick(rig.list(ListSide::output), Qt::Key_Home);
    rig.dialog.list_view(ListSide::output)->setFocus();
    rig.click_row(ListSide::input, 2);  // select the empty row of the input list only
    const QImage image = rig.list(ListSide::input)->viewport()->grab().toImage();
    const QColor base = rig.list(ListSide::input)->palette().color(QPalette::Base);
    auto inked_columns = [&](int row) {
      const QRect rect =
          rig.list(ListSide::input)->visualRect(rig.list(ListSide::input)->model()->index(row, 0));
      int first = -1;
      int last = -1;
      for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
          if (image.pixelColor(x, y) != base) {
            if (first < 0) first = x;
            last = x;
            break;
          }
        }
      }
      return std::pair{first, last};
    };
    const int width = rig.list(ListSide::input)->viewport()->width();
    const auto [short_first, short_last] = inked_columns(1);
    QVERIFY(short_first < 12);
    QVERIFY(short_last < width / 2);

    // The long name's end is what shows at the right: the same pixels as its
    // file name alone drawn at the right end of the row.
    const QRect long_row =
        rig.list(ListSide::input)->visualRect(rig.list(ListSide::input)->model()->index(0, 0));
    QImage tail(long_row.size(), QImage::Format_ARGB32_Premultiplied);
    tail.fill(base);
    QPainter painter(&tail);
    painter.setFont(rig.list(ListSide::input)->font());
    painter.setPen(rig.row_colour(ListSide::input, 0));
    painter.drawText(QRect(QPoint(0, 0), long_row.size()).adjusted(3, 0, -3, 0),
                     Qt::AlignVCenter | Qt::AlignRight, "ZZZZ.sp");
    painter.end();
    const int tail_width =
        QFontMetrics(rig.list(ListSide::input)->font()).horizontalAdvance("ZZZZ.sp");
    int inked = 0;
    int same = 0;
    for (int x = long_row.width() - tail_width; x < long_row.width(); ++x) {
      for (int y = 0; y < long_row.height(); ++y) {
        const QColor expected = tail.pixelColor(x, y);
        if (expected == base) continue;
        ++inked;
        if (image.pixelColor(long_row.left() + x, long_row.top() + y) == expected) ++same;
      }
    }
    QVERIFY(inked > 20);
    QVERIFY(same > inked * 9 / 10);

    // The selected empty row: a dotted rectangle inset by a twentieth of the
    // width, in the highlight colours.
    const QRect empty =
        rig.list(ListSide::input)->visualRect(rig.list(ListSide::input)->model()->index(2, 0));
    const QColor highlight = rig.list(ListSide::input)->palette().color(QPalette::Highlight);
    QCOMPARE(image.pixelColor(empty.left() + 1, empty.center().y()), highlight);
    const int top = empty.top() + empty.height() / 10;
    int dots = 0;
    for (int x = empty.left() + width / 20 + 2; x < empty.right() - width / 20 - 2; ++x) {
      if (image.pixelColor(x, top) != highlight) ++dots;
    }
    const int span = empty.width() - 2 * (width / 20) - 4;
    QVERIFY(dots > span / 4);
    QVERIFY(dots < span * 3 / 4);
  }

  void help_opens_the_shipped_manual_and_about_shows_the_version() {
    DialogRig rig;
    QVERIFY(rig.active);
    QTest::mouseClick(rig.dialog.findChild<QPushButton*>("helpButton"), Qt::LeftButton);
    QCOMPARE(rig.viewer.opened.size(), std::size_t{1});
    QFile manual(rig.viewer.opened[0]);
    QVERIFY(manual.open(QIODevice::ReadOnly));
    QVERIFY(manual.readAll().contains("About Corvane..."));
    QVERIFY(rig.dialog_prompts.messages.empty());

    QString title;
    QString text;
    QTimer::singleShot(0, &rig.dialog, [&] {
      auto* about = rig.dialog.findChild<AboutDialog*>();
      QVERIFY(about != nullptr);
      title = about->windowTitle();
      text = about->findChild<QLabel*>("aboutText")->text();
      about->accept();
    });
    rig.dialog.findChild<QAction*>("aboutAction")->trigger();
    QCOMPARE(title, QString("About Ondrel Library Translator"));
    QCOMPARE(text, QString("Ondrel Library Translator Version 1.0"));
  }

  void esc_outside_the_editor_closes_the_dialog() {
    DialogRig rig;
    QVERIFY(rig.active);
    QTest::keyClick(rig.field(ListSide::input), Qt::Key_Escape);
    QVERIFY(rig.dialog.isVisible());
    QTest::keyClick(rig.list(ListSide::input), Qt::Key_Escape);
    QVERIFY(!rig.dialog.isVisible());
    QCOMPARE(rig.dialog.result(), int(QDialog::Rejected));
  }

  void the_lists_grow_with_the_window() {
    DialogRig rig;
    QVERIFY(rig.active);
    // From the smallest window the layout allows to one larger each way.
    rig.dialog.resize(100, 100);
    const QSize smallest = rig.dialog.size();
    QVERIFY(smallest.width() > 100);
    QVERIFY(smallest.height() > 100);
    const QSize small_list = rig.list(ListSide::input)->size();
    QVERIFY(small_list.width() >= rig.list(ListSide::input)->minimumSizeHint().width());
    QVERIFY(small_list.height() >= rig.list(ListSide::input)->minimumSizeHint().height());

    const QSize screen = rig.dialog.screen()->availableSize();
    const QSize larger(std::min(smallest.width() + 120, screen.width() - 10),
                       std::min(smallest.height() + 120, screen.height() - 10));
    QVERIFY(larger.width() > smallest.width() + 40);
    QVERIFY(larger.height() > smallest.height() + 40);
    rig.dialog.resize(larger);
    QTRY_COMPARE(rig.dialog.size(), larger);
    for (ListSide side : {ListSide::input, ListSide::output}) {
      QTRY_VERIFY(rig.list(side)->width() > small_list.width() + 10);
      QVERIFY(rig.list(side)->height() > small_list.height() + 40);
    }
    // Both lists share the width.
    QVERIFY(std::abs(rig.list(ListSide::input)->width() - rig.list(ListSide::output)->width()) <
            30);
    // The open editor spans its list at the new width.
    QVERIFY(rig.dialog.row_editor(ListSide::input)->isVisible());
    QCOMPARE(rig.dialog.row_editor(ListSide::input)->width(),
             rig.list(ListSide::input)->viewport()->width());
    QVERIFY(rig.dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  }

  void files_dropped_on_the_input_list_become_rows() {
    DialogRig rig;
    QVERIFY(rig.active);
    const std::string a = rig.write_input("a.sp", kGreenInput);
    const std::string b = rig.write_input("b.l", kGreenInput);

    // Nothing but local files: the list does not take the drag at all.
    const auto [web_taken, web_dropped] =
        drop_urls(rig.list(ListSide::input),
                  {QUrl("https://example.org/models/c.sp"),
                   QUrl::fromLocalFile(QString::fromStdString(rig.scratch.directory()))});
    QVERIFY(!web_taken);
    QVERIFY(!web_dropped);
    QCOMPARE(rig.row_count(), 1);

    const auto [taken, dropped] =
        drop_urls(rig.list(ListSide::input), {QUrl::fromLocalFile(QString::fromStdString(a)),
                                              QUrl("https://example.org/models/c.sp"),
                                              QUrl::fromLocalFile(QString::fromStdString(b))});
    QVERIFY(taken);
    QVERIFY(dropped);
    // As files chosen with "..." on the empty row: the later file on top.
    QCOMPARE(rig.row_count(), 3);
    QCOMPARE(rig.row_text(ListSide::input, 0), QString::fromStdString(b));
    QCOMPARE(rig.row_text(ListSide::input, 1), QString::fromStdString(a));
    QCOMPARE(rig.row_text(ListSide::output, 0), QString::fromStdString(rig.scratch.file("b.lib")));
    QCOMPARE(rig.row_text(ListSide::output, 1), QString::fromStdString(rig.scratch.file("a.lib")));
    QVERIFY(!rig.dialog.row_editor(ListSide::input)->isVisible());

    // The output list takes no files.
    const auto [output_taken, output_dropped] =
        drop_urls(rig.list(ListSide::output), {QUrl::fromLocalFile(QString::fromStdString(a))});
    QVERIFY(!output_taken);
    QVERIFY(!output_dropped);
    QCOMPARE(rig.row_count(), 3);

    // The dropped rows translate like typed ones.
    QTest::mouseClick(rig.dialog.translate_button(), Qt::LeftButton);
    QCOMPARE(rig.row_colour(ListSide::input, 0), kGreen);
    QVERIFY(exists(rig.scratch.file("a.lib")));
  }

  void ctrl_q_closes_the_dialog_but_not_while_translating() {
    DialogRig rig;
    QVERIFY(rig.active);
    auto* quit = rig.dialog.findChild<QAction*>("quitAction");
    QVERIFY(quit != nullptr);
    QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

    rig.add_row(rig.write_input("one.sp", kGreenInput));
    QString middle_line;
    bool open_during_run = false;
    cancel_when_progress_shows(&rig.dialog, &middle_line, [&] {
      QTest::keyClick(&rig.dialog, Qt::Key_Q, Qt::ControlModifier);
      quit->trigger();
      open_during_run = rig.dialog.isVisible();
    });
    QTest::mouseClick(rig.dialog.translate_button(), Qt::LeftButton);
    QVERIFY(!middle_line.isEmpty());
    QVERIFY(open_during_run);
    QVERIFY(rig.dialog.isVisible());

    // Once the run is over, Ctrl+Q closes the dialog as Close does.
    rig.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.dialog));
    rig.click_row(ListSide::input, 0);
    QTest::keyClick(rig.list(ListSide::input), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!rig.dialog.isVisible());
    QCOMPARE(rig.dialog.result(), int(QDialog::Rejected));
  }

  void translated_rows_tell_their_result_in_words_and_by_icon() {
    DialogRig rig;
    QVERIFY(rig.active);
    const std::string green = rig.write_input("clean.sp", kGreenInput);
    const std::string yellow = rig.write_input("warned.sp", kYellowInput);
    const std::string fatal = rig.write_input("long.sp", kFatalInput);
    rig.add_row(green);
    rig.add_row(yellow);
    rig.add_row(fatal);
    // Before a run a row's tooltip is its name and it has no icon.
    auto data = [&](ListSide side, int row, int role) {
      return rig.list(side)->model()->index(row, 0).data(role);
    };
    QCOMPARE(data(ListSide::input, 0, Qt::ToolTipRole).toString(), QString::fromStdString(green));
    QVERIFY(!data(ListSide::input, 0, Qt::DecorationRole).isValid());

    QTest::mouseClick(rig.dialog.translate_button(), Qt::LeftButton);
    rig.add_row("/not/yet/run.sp");
    QCOMPARE(rig.dialog_prompts.errors.size(), std::size_t{1});

    const std::string output = rig.scratch.file("warned.lib");
    QCOMPARE(data(ListSide::input, 0, Qt::ToolTipRole).toString(),
             QString::fromStdString(green + "\nTranslated"));
    QCOMPARE(data(ListSide::input, 1, Qt::ToolTipRole).toString(),
             QString::fromStdString(yellow + "\nTranslated with warnings"));
    QCOMPARE(data(ListSide::output, 1, Qt::ToolTipRole).toString(),
             QString::fromStdString(output + "\nTranslated with warnings"));
    QCOMPARE(data(ListSide::input, 2, Qt::ToolTipRole).toString(),
             QString::fromStdString(fatal + "\nNot translated"));
    QCOMPARE(data(ListSide::input, 2, Qt::AccessibleDescriptionRole).toString(),
             QString("Not translated"));
    QCOMPARE(data(ListSide::input, 3, Qt::ToolTipRole).toString(), QString("/not/yet/run.sp"));

    const QIcon clean = data(ListSide::input, 0, Qt::DecorationRole).value<QIcon>();
    const QIcon warned = data(ListSide::output, 1, Qt::DecorationRole).value<QIcon>();
    const QIcon failed = data(ListSide::input, 2, Qt::DecorationRole).value<QIcon>();
    QVERIFY(same_picture(clean, standard_icon(QStyle::SP_DialogApplyButton)));
    QVERIFY(same_picture(warned, standard_icon(QStyle::SP_MessageBoxWarning)));
    QVERIFY(same_picture(failed, standard_icon(QStyle::SP_MessageBoxCritical)));
    QVERIFY(!same_picture(clean, warned));
    QVERIFY(!data(ListSide::input, 3, Qt::DecorationRole).isValid());
    QVERIFY(!data(ListSide::input, 4, Qt::DecorationRole).isValid());

    // Editing the output name clears the row's result, icon and all.
    rig.click_row(ListSide::output, 0);
    rig.click_row(ListSide::output, 0);
    QTest::keyClicks(rig.field(ListSide::output), rig.scratch.file("renamed.lib").c_str());
    QTest::keyClick(rig.field(ListSide::output), Qt::Key_Return);
    QVERIFY(!data(ListSide::input, 0, Qt::DecorationRole).isValid());
    QCOMPARE(data(ListSide::input, 0, Qt::ToolTipRole).toString(), QString::fromStdString(green));
  }

  void the_window_comes_back_at_its_size_with_the_last_runs_option() {
    QSize closed_size;
    {
      DialogRig rig;
      QVERIFY(rig.active);
      const QSize screen = rig.dialog.screen()->availableSize();
      const QSize start = rig.dialog.size();
      closed_size = QSize(std::min(start.width() + 70, screen.width() - 20),
                          std::min(start.height() + 50, screen.height() - 40));
      QVERIFY(closed_size != start);
      rig.dialog.resize(closed_size);
      QTRY_COMPARE(rig.dialog.size(), closed_size);

      rig.add_row(rig.write_input("clean.sp", kGreenInput));
      rig.dialog.single_subckt_box()->setChecked(false);
      QTest::mouseClick(rig.dialog.translate_button(), Qt::LeftButton);
      QCOMPARE(rig.row_colour(ListSide::input, 0), kGreen);
      QTest::mouseClick(rig.dialog.findChild<QPushButton*>("closeButton"), Qt::LeftButton);
      QVERIFY(!rig.dialog.isVisible());
    }
    QVERIFY(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tarno", "Corvane")
                .contains("windowGeometry"));

    DialogRig again;
    QVERIFY(again.active);
    QTRY_COMPARE(again.dialog.size(), closed_size);
    QVERIFY(!again.dialog.single_subckt_box()->isChecked());
    QVERIFY(!again.dialog.logic().single_subckt());
    // The rows are not kept: the next run starts on the empty row.
    QCOMPARE(again.row_count(), 1);
  }

 private:
  QTemporaryDir settings_directory_;
};

}  // namespace corvane

QTEST_MAIN(corvane::TranslateDialogTest)
#include "translate_dialog_test.moc"
