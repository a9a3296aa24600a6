#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "gui/platform/qt_platform_services.h"
#include "ui_test_main.h"

namespace tagforge {

namespace {

constexpr int kWaitMs = 5000;

// Opens the desktop's input-font dialog on `initial` and hands the open dialog to `answer`, which
// closes it.
std::optional<QFont> PickWith(const QFont& initial,
                              const std::function<void(QFontDialog&)>& answer) {
    QTimer::singleShot(0, [&answer] {
        QTRY_VERIFY_WITH_TIMEOUT(
            qobject_cast<QFontDialog*>(QApplication::activeModalWidget()) != nullptr, kWaitMs);
        answer(*qobject_cast<QFontDialog*>(QApplication::activeModalWidget()));
    });
    return QtFontPicker().pick(nullptr, initial);
}

template <class Control>
int VisibleCount(const QFontDialog& dialog) {
    int count = 0;
    for (const Control* control : dialog.findChildren<Control*>()) {
        count += control->isVisible() ? 1 : 0;
    }
    return count;
}

}  // namespace

// The input font keeps its face, size, bold and italic; the dialog offers nothing else, since
// any other choice would be lost on the next start.
class InputFontDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void offersOnlyWhatTheInputFontKeeps_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("visible");
        QTest::newRow("strike-out and underline") << QStringLiteral("effects") << 0;
        QTest::newRow("writing system") << QStringLiteral("writing system") << 0;
        QTest::newRow("face, style and size") << QStringLiteral("lists") << 3;
        // The sample stays as tall as a line of the chosen font, with the rows beside it gone.
        QTest::newRow("sample") << QStringLiteral("sample") << 1;
    }
    void offersOnlyWhatTheInputFontKeeps() {
        QFETCH(QString, choice);
        QFETCH(int, visible);
        int shown = -1;
        const std::optional<QFont> picked =
            PickWith(QFont(QStringLiteral("DejaVu Sans"), 10), [&](QFontDialog& dialog) {
                QTRY_VERIFY_WITH_TIMEOUT(dialog.isVisible(), kWaitMs);
                if (choice == QStringLiteral("effects")) {
                    shown = VisibleCount<QCheckBox>(dialog);
                } else if (choice == QStringLiteral("writing system")) {
                    shown = VisibleCount<QComboBox>(dialog);
                } else if (choice == QStringLiteral("lists")) {
                    shown = VisibleCount<QAbstractItemView>(dialog);
                } else {
                    const auto* sample =
                        dialog.findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"));
                    shown = sample != nullptr && sample->isVisible() &&
                            sample->height() >= sample->fontMetrics().height();
                }
                dialog.reject();
            });
        QVERIFY(!picked.has_value());
        QCOMPARE(shown, visible);
    }

    void chosenFontCarriesNoEffects() {
        QFont initial(QStringLiteral("DejaVu Sans"), 12);
        initial.setBold(true);
        initial.setUnderline(true);
        initial.setStrikeOut(true);
        const std::optional<QFont> picked =
            PickWith(initial, [](QFontDialog& dialog) { dialog.accept(); });
        QVERIFY(picked.has_value());
        QCOMPARE(picked->family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(picked->pointSize(), 12);
        QVERIFY(picked->bold());
        QVERIFY(!picked->underline());
        QVERIFY(!picked->strikeOut());
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::InputFontDialogTest)
#include "input_font_dialog_test.moc"
