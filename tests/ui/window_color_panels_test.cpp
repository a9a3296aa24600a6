#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "gui/common/text_bridge.h"
#include "gui/formatting/palette_list.h"
#include "gui/pickers/color_panel.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

using test::WindowHarness;

constexpr int kSolid = 0;
constexpr int kGradient = 1;
constexpr int kSpectrum = 2;
constexpr int kRandomSolid = 3;
constexpr int kRandomPerLetter = 4;
constexpr int kAlternation = 5;

QString CodeOf(ColorValue color) {
    return FromCp1251(ToColorCode(color));
}

// A dialog script: types `code` over the selected field and confirms with Enter. The field's text
// when the dialog opened goes to `preset`.
std::function<int(QDialog&)> TypeAndConfirm(const QString& code, QString* preset = nullptr) {
    return [code, preset](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        if (edit == nullptr) {
            return -1;
        }
        if (preset != nullptr) {
            *preset = edit->text();
        }
        edit->selectAll();
        QTest::keyClicks(edit, code);
        QTest::keyClick(edit, Qt::Key_Return);
        return dialog.result();
    };
}

ColorPanel* PanelNamed(MainWindow& window, const QString& name) {
    return window.findChild<ColorPanel*>(name);
}

void SelectEffect(MainWindow& window, int index) {
    control<QComboBox>(window, "comboboxColorMark")->setCurrentIndex(index);
    QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->currentIndex(), index);
}

// Opens the window on the formatting page and shows it, so visibility and sizes are real.
MainWindow& OpenShown(WindowHarness& harness) {
    MainWindow& window = harness.open();
    test::ShowHandMadePage(window);
    return window;
}

void AddPanelRows() {
    QTest::addColumn<QString>("panel");
    for (const char* name : {"OtherNameColor", "ImOnlyForYou", "ImOkColor", "Image6", "Image7",
                             "ComeColor", "Image2"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

}  // namespace

class WindowColorPanelsTest : public QObject {
    Q_OBJECT

  private slots:
    // The hex dialog on the right button

    void rightClickTypesAColourInTheHexDialog_data() { AddPanelRows(); }

    void rightClickTypesAColourInTheHexDialog() {
        QFETCH(QString, panel);
        WindowHarness harness;
        MainWindow& window = harness.open();
        ColorPanel* target = PanelNamed(window, panel);
        QVERIFY(target);
        const QString before = CodeOf(target->color());
        QString preset;
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("abc123"), &preset);

        const QPoint inside(3, 4);
        QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, inside);

        QCOMPARE(harness.platform.dialogs.runs, 1);
        QCOMPARE(preset, before);
        QCOMPARE(harness.platform.dialogs.lastPosition, target->mapToGlobal(inside));
        QCOMPARE(target->color(), MakeColor(0xAB, 0xC1, 0x23));
        QCOMPARE(target->textColor(), kBlack);
        QVERIFY(harness.platform.colors.presets.empty());
    }

    void hexDialogOpensOnTheCurrentCode() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QString preset;
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("445566"), &preset);
        window.colorPanelClicked(control<tagforge::ColorPanel>(window, "OtherNameColor"),
                                 Qt::RightButton, QPoint(10, 20));
        QCOMPARE(preset, QStringLiteral("3399FF"));
        QCOMPARE(control<tagforge::ColorPanel>(window, "OtherNameColor")->color(),
                 MakeColor(0x44, 0x55, 0x66));
        // The next time it opens on what was typed.
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("000000"), &preset);
        window.colorPanelClicked(control<tagforge::ColorPanel>(window, "OtherNameColor"),
                                 Qt::RightButton, QPoint(10, 20));
        QCOMPARE(preset, QStringLiteral("445566"));
        QCOMPARE(control<tagforge::ColorPanel>(window, "OtherNameColor")->color(), kBlack);
        QCOMPARE(control<tagforge::ColorPanel>(window, "OtherNameColor")->textColor(), kWhite);
    }

    void hexDialogIsPlacedAtTheGivenPosition() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("123456"));
        window.colorPanelClicked(control<tagforge::ColorPanel>(window, "ComeColor"),
                                 Qt::RightButton, QPoint(321, 123));
        QCOMPARE(harness.platform.dialogs.lastPosition, QPoint(321, 123));
        window.colorPanelClicked(control<tagforge::ColorPanel>(window, "Image2"), Qt::RightButton,
                                 QPoint(40, 250));
        QCOMPARE(harness.platform.dialogs.lastPosition, QPoint(40, 250));
        QCOMPARE(harness.platform.dialogs.runs, 2);
    }

    void textColourFollowsTheGreen_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<ColorValue>("text");
        QTest::newRow("green 7F") << QStringLiteral("ff7fff") << 0xFF << 0x7F << 0xFF << kWhite;
        QTest::newRow("green 80") << QStringLiteral("008000") << 0x00 << 0x80 << 0x00 << kBlack;
        QTest::newRow("green C1") << QStringLiteral("ABC123") << 0xAB << 0xC1 << 0x23 << kBlack;
        QTest::newRow("green 00") << QStringLiteral("00007f") << 0x00 << 0x00 << 0x7F << kWhite;
    }

    void textColourFollowsTheGreen() {
        QFETCH(QString, typed);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(ColorValue, text);
        WindowHarness harness;
        MainWindow& window = harness.open();
        harness.platform.dialogs.script = TypeAndConfirm(typed);
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "ImOkColor"), Qt::RightButton);
        QCOMPARE(control<tagforge::ColorPanel>(window, "ImOkColor")->color(),
                 MakeColor(red, green, blue));
        QCOMPARE(control<tagforge::ColorPanel>(window, "ImOkColor")->textColor(), text);
    }

    void cancelledHexDialogChangesNothing_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("escape after typing") << 0;
        QTest::newRow("result 2") << 1;
        QTest::newRow("no script") << 2;
        QTest::newRow("cancel button") << 3;
    }

    void cancelledHexDialogChangesNothing() {
        QFETCH(int, way);
        WindowHarness harness;
        MainWindow& window = harness.open();
        const ColorValue color = control<tagforge::ColorPanel>(window, "OtherNameColor")->color();
        const ColorValue text =
            control<tagforge::ColorPanel>(window, "OtherNameColor")->textColor();
        if (way == 0) {
            harness.platform.dialogs.script = [](QDialog& dialog) {
                auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
                if (edit == nullptr) {
                    return -1;
                }
                edit->selectAll();
                QTest::keyClicks(edit, QStringLiteral("000000"));
                QTest::keyClick(edit, Qt::Key_Escape);
                return dialog.result();
            };
        } else if (way == 1) {
            harness.platform.dialogs.script = [](QDialog&) { return 2; };
        } else if (way == 3) {
            harness.platform.dialogs.script = [](QDialog& dialog) {
                auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
                auto* cancel = dialog.findChild<QToolButton*>(QStringLiteral("SpeedButton2"));
                if (edit == nullptr || cancel == nullptr) {
                    return -1;
                }
                edit->setText(QStringLiteral("000000"));
                QTest::mouseClick(cancel, Qt::LeftButton);
                return dialog.result();
            };
        }
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "OtherNameColor"), Qt::RightButton);
        QCOMPARE(harness.platform.dialogs.runs, 1);
        QCOMPARE(control<tagforge::ColorPanel>(window, "OtherNameColor")->color(), color);
        QCOMPARE(control<tagforge::ColorPanel>(window, "OtherNameColor")->textColor(), text);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "OtherNameColor")->color()),
                 QStringLiteral("3399FF"));
    }

    void confirmedNonHexTextGivesWhite() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QVERIFY(control<tagforge::ColorPanel>(window, "OtherNameColor")->color() != kWhite);
        harness.platform.dialogs.script = [](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
            auto* ok = dialog.findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
            if (edit == nullptr || ok == nullptr) {
                return -1;
            }
            edit->setText(QStringLiteral("zzzzzz"));
            QTest::mouseClick(ok, Qt::LeftButton);
            return dialog.result();
        };
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "OtherNameColor"), Qt::RightButton);
        QCOMPARE(control<tagforge::ColorPanel>(window, "OtherNameColor")->color(), kWhite);
        QCOMPARE(control<tagforge::ColorPanel>(window, "OtherNameColor")->textColor(), kBlack);
    }

    // The colour picker on the left button

    void leftClickAsksTheColourPicker_data() { AddPanelRows(); }

    void leftClickAsksTheColourPicker() {
        QFETCH(QString, panel);
        WindowHarness harness;
        MainWindow& window = harness.open();
        ColorPanel* target = PanelNamed(window, panel);
        QVERIFY(target);
        const ColorValue before = target->color();
        const ColorValue chosen = MakeColor(0x12, 0x34, 0x56);
        harness.platform.colors.answer = chosen;
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(harness.platform.colors.presets.size(), std::size_t{1});
        QVERIFY(harness.platform.colors.presets[0].has_value());
        QCOMPARE(*harness.platform.colors.presets[0], before);
        QCOMPARE(target->color(), chosen);
        QCOMPARE(target->textColor(), kWhite);
        QCOMPARE(harness.platform.dialogs.runs, 0);

        // Cancelled: the panel keeps the colour, and the next preset is that colour.
        harness.platform.colors.answer = std::nullopt;
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(harness.platform.colors.presets.size(), std::size_t{2});
        QVERIFY(harness.platform.colors.presets[1].has_value());
        QCOMPARE(*harness.platform.colors.presets[1], chosen);
        QCOMPARE(target->color(), chosen);
        QCOMPARE(target->textColor(), kWhite);
    }

    void leftClickSetsTheContrastingTextColour() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        harness.platform.colors.answer = MakeColor(0, 0x80, 0);
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "Image2"), Qt::LeftButton);
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image2")->color(), MakeColor(0, 0x80, 0));
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image2")->textColor(), kBlack);
    }

    // The middle button and the remembered effect colours

    void middleClickOpensNothing_data() { AddPanelRows(); }

    void middleClickOpensNothing() {
        QFETCH(QString, panel);
        WindowHarness harness;
        MainWindow& window = harness.open();
        ColorPanel* target = PanelNamed(window, panel);
        QVERIFY(target);
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("010203"));
        harness.platform.colors.answer = MakeColor(1, 2, 3);
        const ColorValue before = target->color();
        QTest::mouseClick(target, Qt::MiddleButton);
        QCOMPARE(harness.platform.dialogs.runs, 0);
        QVERIFY(harness.platform.colors.presets.empty());
        QCOMPARE(target->color(), before);
    }

    void anyClickRemembersTheSolidColour() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        SelectEffect(window, kGradient);
        SelectEffect(window, kSolid);
        QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->currentText(),
                 QStringLiteral("Сплошной"));
        const ColorValue color = MakeColor(0x10, 0x20, 0x30);
        QVERIFY(tagforge::test::HandMadePage(window).rememberedColors().solid != color);
        tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "Image6"), color);
        QVERIFY(tagforge::test::HandMadePage(window).rememberedColors().solid != color);
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "ComeColor"), Qt::MiddleButton);
        QCOMPARE(tagforge::test::HandMadePage(window).rememberedColors().solid, color);
        // The other effects keep theirs.
        QCOMPARE(CodeOf(tagforge::test::HandMadePage(window).rememberedColors().gradientBegin),
                 QStringLiteral("00FF00"));
        QCOMPARE(CodeOf(tagforge::test::HandMadePage(window).rememberedColors().gradientEnd),
                 QStringLiteral("0000FF"));
        QCOMPARE(CodeOf(tagforge::test::HandMadePage(window).rememberedColors().alternationFirst),
                 QStringLiteral("FF00FF"));
        QCOMPARE(CodeOf(tagforge::test::HandMadePage(window).rememberedColors().alternationSecond),
                 QStringLiteral("00FF00"));
    }

    void clickRemembersTheGradientColours() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        SelectEffect(window, kGradient);
        const ColorValue begin = MakeColor(0x11, 0x22, 0x33);
        const ColorValue end = MakeColor(0x44, 0x55, 0x66);
        tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "Image6"), begin);
        tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "Image7"), end);
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "ComeColor"), Qt::MiddleButton);
        QCOMPARE(tagforge::test::HandMadePage(window).rememberedColors().gradientBegin, begin);
        QCOMPARE(tagforge::test::HandMadePage(window).rememberedColors().gradientEnd, end);
        QCOMPARE(CodeOf(tagforge::test::HandMadePage(window).rememberedColors().solid),
                 QStringLiteral("FF0000"));
        QCOMPARE(CodeOf(tagforge::test::HandMadePage(window).rememberedColors().alternationFirst),
                 QStringLiteral("FF00FF"));
    }

    void clickRemembersTheAlternationColours() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        SelectEffect(window, kAlternation);
        const ColorValue first = MakeColor(0x77, 0x88, 0x99);
        const ColorValue second = MakeColor(0xAA, 0xBB, 0xCC);
        tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "Image6"), first);
        tagforge::SetPanelColor(control<tagforge::ColorPanel>(window, "Image7"), second);
        // A left click whose colour dialog is cancelled counts as well.
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "OtherNameColor"), Qt::LeftButton);
        QCOMPARE(tagforge::test::HandMadePage(window).rememberedColors().alternationFirst, first);
        QCOMPARE(tagforge::test::HandMadePage(window).rememberedColors().alternationSecond, second);
        QCOMPARE(CodeOf(tagforge::test::HandMadePage(window).rememberedColors().gradientBegin),
                 QStringLiteral("00FF00"));
        QCOMPARE(CodeOf(tagforge::test::HandMadePage(window).rememberedColors().solid),
                 QStringLiteral("FF0000"));
    }

    void clickUnderTheSpectrumHidesThePanels() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        SelectEffect(window, kSpectrum);
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image6")
                     ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image7")
                     ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
        control<tagforge::ColorPanel>(window, "Image6")->show();
        control<tagforge::ColorPanel>(window, "Image7")->show();
        QVERIFY(control<tagforge::ColorPanel>(window, "Image6")
                    ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "ComeColor"), Qt::MiddleButton);
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image6")
                     ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image7")
                     ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
    }

    void rememberedColourComesBackWithItsEffect() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        SelectEffect(window, kGradient);
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("112233"));
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "Image6"), Qt::RightButton);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("112233"));
        SelectEffect(window, kAlternation);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("FF00FF"));
        SelectEffect(window, kGradient);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("112233"));
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image7")->color()),
                 QStringLiteral("0000FF"));

        // The same for the solid colour, picked with the left button.
        SelectEffect(window, kSolid);
        harness.platform.colors.answer = MakeColor(0x33, 0x22, 0x11);
        QTest::mouseClick(control<tagforge::ColorPanel>(window, "Image6"), Qt::LeftButton);
        SelectEffect(window, kSpectrum);
        SelectEffect(window, kSolid);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("332211"));
    }

    // The panels each effect shows

    void eachEffectShowsItsPanels() {
        WindowHarness harness;
        MainWindow& window = OpenShown(harness);
        QVERIFY(control<QWidget>(window, "HandMadePage")->isVisible());

        SelectEffect(window, kGradient);
        QVERIFY(control<tagforge::ColorPanel>(window, "Image6")->isVisible());
        QVERIFY(control<tagforge::ColorPanel>(window, "Image7")->isVisible());
        QVERIFY(!control<QLabel>(window, "Image1")->isVisible());
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->width(), 80);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("00FF00"));
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image7")->color()),
                 QStringLiteral("0000FF"));

        SelectEffect(window, kSpectrum);
        QVERIFY(control<QLabel>(window, "Image1")->isVisible());
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image6")->isVisible());
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image7")->isVisible());
        QCOMPARE(control<QLabel>(window, "Image1")->size(), QSize(160, 15));
        QCOMPARE(control<QLabel>(window, "Image1")->pixmap().size(), QSize(160, 15));

        SelectEffect(window, kRandomPerLetter);
        QVERIFY(control<QLabel>(window, "Image1")->isVisible());
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image6")->isVisible());
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image7")->isVisible());
        QCOMPARE(control<QLabel>(window, "Image1")->pixmap().size(), QSize(160, 15));

        SelectEffect(window, kAlternation);
        QVERIFY(control<tagforge::ColorPanel>(window, "Image6")->isVisible());
        QVERIFY(control<tagforge::ColorPanel>(window, "Image7")->isVisible());
        QVERIFY(!control<QLabel>(window, "Image1")->isVisible());
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->width(), 80);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("FF00FF"));
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image7")->color()),
                 QStringLiteral("00FF00"));

        SelectEffect(window, -1);
        QVERIFY(!control<QLabel>(window, "Image1")->isVisible());
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image6")->isVisible());
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image7")->isVisible());

        SelectEffect(window, kSolid);
        QVERIFY(control<tagforge::ColorPanel>(window, "Image6")->isVisible());
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image7")->isVisible());
        QVERIFY(!control<QLabel>(window, "Image1")->isVisible());
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->width(), 160);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("FF0000"));

        SelectEffect(window, kRandomSolid);
        QVERIFY(control<tagforge::ColorPanel>(window, "Image6")->isVisible());
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image7")->isVisible());
        QVERIFY(!control<QLabel>(window, "Image1")->isVisible());
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->width(), 160);
    }

    void solidIsTheFirstEffectShown() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QCOMPARE(control<QComboBox>(window, "comboboxColorMark")->currentIndex(), kSolid);
        QVERIFY(control<tagforge::ColorPanel>(window, "Image6")
                    ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
        QVERIFY(!control<tagforge::ColorPanel>(window, "Image7")
                     ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
        QVERIFY(!control<QLabel>(window, "Image1")
                     ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->width(), 160);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("FF0000"));
    }

    void randomSolidFollowsTheClockSecond() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        SelectEffect(window, kRandomSolid);
        const ColorValue first = control<tagforge::ColorPanel>(window, "Image6")->color();
        SelectEffect(window, kSolid);
        QCOMPARE(CodeOf(control<tagforge::ColorPanel>(window, "Image6")->color()),
                 QStringLiteral("FF0000"));
        SelectEffect(window, kRandomSolid);
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->color(), first);
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->textColor(),
                 ContrastTextColor(first));

        harness.platform.clock.time = harness.platform.clock.time.addSecs(1);
        SelectEffect(window, kGradient);
        SelectEffect(window, kRandomSolid);
        QVERIFY(control<tagforge::ColorPanel>(window, "Image6")->color() != first);
        const ColorValue second = control<tagforge::ColorPanel>(window, "Image6")->color();
        SelectEffect(window, kSolid);
        SelectEffect(window, kRandomSolid);
        QCOMPARE(control<tagforge::ColorPanel>(window, "Image6")->color(), second);
    }

    // The palette list

    void paletteHoldsSevenHiddenColours() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QStringList items;
        for (int i = 0; i < control<QListWidget>(window, "ListBox2")->count(); ++i) {
            items << control<QListWidget>(window, "ListBox2")->item(i)->text();
        }
        QCOMPARE(items, QStringList({"FF00FF", "00FF00", "0000FF", "000000", "FFFF00", "00FFFF",
                                     "FFFFFF"}));
        QVERIFY(control<QListWidget>(window, "ListBox2")->isHidden());
        QVERIFY(!control<QListWidget>(window, "ListBox2")
                     ->isVisibleTo(control<QWidget>(window, "HandMadePage")));
    }

    void paletteRightClickBelowTheItemsDoesNothing() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("123456"));
        control<tagforge::PaletteList>(window, "ListBox2")
            ->mouseReleasedAt(Qt::RightButton, QPoint(1, 7 * 16 + 1), QPoint(50, 60));
        QCOMPARE(harness.platform.dialogs.runs, 0);
        QCOMPARE(control<QListWidget>(window, "ListBox2")->currentRow(), -1);
        QVERIFY(control<QListWidget>(window, "ListBox2")->selectedItems().isEmpty());
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(6)->text(),
                 QStringLiteral("FFFFFF"));
        QVERIFY(harness.platform.colors.presets.empty());
    }

    void paletteRightClickTypesTheItemsCode() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        QString preset;
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("abcdef"), &preset);
        control<tagforge::PaletteList>(window, "ListBox2")
            ->mouseReleasedAt(Qt::RightButton, QPoint(1, 16 * 2 + 3), QPoint(70, 80));
        QCOMPARE(harness.platform.dialogs.runs, 1);
        QCOMPARE(control<QListWidget>(window, "ListBox2")->currentRow(), 2);
        QCOMPARE(preset, QStringLiteral("0000FF"));
        QCOMPARE(harness.platform.dialogs.lastPosition, QPoint(70, 80));
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(2)->text(),
                 QStringLiteral("ABCDEF"));
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(1)->text(),
                 QStringLiteral("00FF00"));
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(3)->text(),
                 QStringLiteral("000000"));

        // Cancelled: the item keeps its code.
        harness.platform.dialogs.script = nullptr;
        control<tagforge::PaletteList>(window, "ListBox2")
            ->mouseReleasedAt(Qt::RightButton, QPoint(1, 16 * 5), QPoint(70, 80));
        QCOMPARE(harness.platform.dialogs.runs, 2);
        QCOMPARE(control<QListWidget>(window, "ListBox2")->currentRow(), 5);
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(5)->text(),
                 QStringLiteral("00FFFF"));
    }

    void paletteOtherButtonsDoNothing() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        harness.platform.dialogs.script = TypeAndConfirm(QStringLiteral("123456"));
        control<tagforge::PaletteList>(window, "ListBox2")
            ->mouseReleasedAt(Qt::LeftButton, QPoint(1, 16 * 2 + 3), QPoint(70, 80));
        control<tagforge::PaletteList>(window, "ListBox2")
            ->mouseReleasedAt(Qt::MiddleButton, QPoint(1, 16 * 2 + 3), QPoint(70, 80));
        QCOMPARE(harness.platform.dialogs.runs, 0);
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(2)->text(),
                 QStringLiteral("0000FF"));
    }

    void paletteClickAsksThePickerWithoutPreset() {
        WindowHarness harness;
        MainWindow& window = harness.open();
        auto& colors = harness.platform.colors;
        colors.answer = MakeColor(0x12, 0xAB, 0x0F);
        control<QListWidget>(window, "ListBox2")->setCurrentRow(4);
        QCOMPARE(colors.presets.size(), std::size_t{1});
        QVERIFY(!colors.presets[0].has_value());
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(4)->text(),
                 QStringLiteral("12AB0F"));

        colors.answer = MakeColor(0xFE, 0x01, 0x80);
        control<tagforge::PaletteList>(window, "ListBox2")->pickCurrentItemColor();
        QCOMPARE(colors.presets.size(), std::size_t{2});
        QVERIFY(!colors.presets[1].has_value());
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(4)->text(),
                 QStringLiteral("FE0180"));

        colors.answer = std::nullopt;
        control<tagforge::PaletteList>(window, "ListBox2")->pickCurrentItemColor();
        QCOMPARE(colors.presets.size(), std::size_t{3});
        QCOMPARE(control<QListWidget>(window, "ListBox2")->item(4)->text(),
                 QStringLiteral("FE0180"));
        QCOMPARE(harness.platform.dialogs.runs, 0);
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::WindowColorPanelsTest)
#include "window_color_panels_test.moc"
