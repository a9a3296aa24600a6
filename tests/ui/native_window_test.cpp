#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWebEngineView>

#include "smile_test_support.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

constexpr int kLoadTimeoutMs = 30000;

// Waits until the browser view has loaded its first page.
void WaitForFirstLoad(QWebEngineView* view) {
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0 || !view->url().isEmpty(), kLoadTimeoutMs);
    QTest::qWait(200);
}

}  // namespace

// The window keeps one native window for its whole life: a new one when a browser view first
// shows is a flicker, and some window managers forget the window's place. Runs on either drawing
// path (TAGFORGE_GL).
class NativeWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void theFirstBrowserViewsKeepTheWindowsNativeWindow() {
        test::WindowHarness harness;
        test::PutSmiley(harness.programFolder(), "a.gif");
        test::PutGroup(harness.programFolder(), "Fun", "a.gif\r\n");
        MainWindow& window = test::OpenOnFormatPage(harness);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const WId shown = window.winId();

        control<QTabWidget>(window, "PageControl1")
            ->setCurrentWidget(control<QWidget>(window, "PreviewPage"));
        WaitForFirstLoad(control<QWebEngineView>(window, "CppWebBrowser1"));
        QCOMPARE(window.winId(), shown);

        QVERIFY(!control<QPushButton>(window, "SmileButton")->isChecked());
        control<QPushButton>(window, "SmileButton")->click();
        WaitForFirstLoad(control<QWebEngineView>(window, "CppWebBrowser2"));
        QCOMPARE(window.winId(), shown);
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::NativeWindowTest)
#include "native_window_test.moc"
