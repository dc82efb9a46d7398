// The translate dialog driven through its widgets, on the offscreen platform.

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
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
// run lets events through; `seen` receives the window's middle line.
void cancel_when_progress_shows(QWidget* dialog, QString* seen) {
  QTimer::singleShot(0, dialog, [dialog, seen] {
    auto* window = dialog->findChild<QtProgressWindow*>();
    if (window == nullptr || !window->isVisible()) {
      cancel_when_progress_shows(dialog, seen);
      return;
    }
    *seen = window->line_label(1)->text();
    QTest::mouseClick(window->cancel_button(), Qt::LeftButton);
  });
}

}  // namespace

class TranslateDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(settings_directory_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_directory_.path());
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

 private:
  QTemporaryDir settings_directory_;
};

}  // namespace corvane

QTEST_MAIN(corvane::TranslateDialogTest)
#include "translate_dialog_test.moc"
