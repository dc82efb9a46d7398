// The progress window as the user sees it, on the offscreen platform.

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "app/gui/desktop_services.h"
#include "app/gui/qt_progress_window.h"
#include "support/run_fakes.h"

namespace corvane {

class ProgressWindowWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_lines_and_bar_and_restores_the_owner_caption() {
    testing::FakePrompts prompts;
    QWidget owner;
    owner.setWindowTitle("Ondrel Library Translator - lists");
    owner.show();
    QtProgressWindow window(prompts, &owner);
    WidgetCaption caption(&owner);
    QVERIFY(!window.isVisible());
    window.open_window(&caption);
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowModality(), Qt::WindowModal);
    QCOMPARE(window.windowTitle(), QString("Ondrel Library Translator"));
    QVERIFY(window.cancel_button()->isDefault());
    window.set_line("Translating... Please Wait...", 1);
    window.set_line("bottom", 5);
    QCOMPARE(window.line_label(1)->text(), QString("Translating... Please Wait..."));
    QCOMPARE(window.line_label(2)->text(), QString("bottom"));
    QCOMPARE(window.line_label(0)->text(), QString());
    window.set_range(20);
    window.step(15);
    QCOMPARE(window.bar()->value(), 15);
    window.step(20);
    QCOMPARE(window.bar()->value(), 20);
    QCOMPARE(window.bar()->maximum(), 20);

    owner.setWindowTitle("changed during the run");
    window.close_window();
    QVERIFY(!window.isVisible());
    QCOMPARE(owner.windowTitle(), QString("Ondrel Library Translator - lists"));
  }

  void cancel_asks_and_no_keeps_the_run_going() {
    testing::FakePrompts prompts;
    prompts.answers = {false, true};
    QWidget owner;
    owner.show();
    QtProgressWindow window(prompts, &owner);
    window.open_window(nullptr);
    QTest::mouseClick(window.cancel_button(), Qt::LeftButton);
    QCOMPARE(prompts.questions.size(), std::size_t{1});
    QVERIFY(!window.poll_cancel());
    QVERIFY(window.isVisible());

    // Closing the window is Cancel too.
    QCloseEvent close;
    QApplication::sendEvent(&window, &close);
    QCOMPARE(prompts.questions.size(), std::size_t{2});
    QVERIFY(window.poll_cancel());
    QVERIFY(!window.isVisible());
    // The run steps on with the file in hand; the ended window stays hidden.
    window.step(20);
    QVERIFY(!window.isVisible());
    window.close_window();
  }
};

}  // namespace corvane

QTEST_MAIN(corvane::ProgressWindowWidgetTest)
#include "progress_window_widget_test.moc"
