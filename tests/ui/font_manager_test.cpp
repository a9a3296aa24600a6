#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <functional>

#include "core/store/settings.h"
#include "gui/common/text_bridge.h"
#include "gui/menus/font_manager.h"
#include "gui/menus/font_name_delegate.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

using tagforge::test::control;

namespace tagforge {

namespace {

using test::Items;
using test::Nicks;
using test::Restart;
using test::WindowHarness;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr std::string_view kFontsKey = "\\Software\\Orbel Soft\\TagForge\\Fonts";

const QString kDemoText = QStringLiteral(
    "Съешь ещё этих мягких французских булок. The quick brown fox jump over the lazy dog.");
const QStringList kInstalled = {QStringLiteral("Arial"), QStringLiteral("Courier New"),
                                QStringLiteral("Tahoma"), QStringLiteral("Verdana")};

// Opens the font manager with the button, lets `use` work in it and closes it with its close
// button. False when the window did not open.
bool UseFontManager(WindowHarness& harness, const std::function<void(FontManagerDialog&)>& use) {
    bool opened = false;
    harness.platform.dialogs.script = [&](QDialog& dialog) {
        auto* form = qobject_cast<FontManagerDialog*>(&dialog);
        if (form == nullptr) {
            return -1;
        }
        opened = true;
        use(*form);
        form->close();
        return 0;
    };
    control<QPushButton>(harness.window(), "SpeedButton13")->click();
    harness.platform.dialogs.script = nullptr;
    return opened;
}

// A window whose font list holds `chosen`, with `current` selected.
MainWindow& OpenWithFonts(WindowHarness& harness, const std::vector<std::string>& chosen,
                          const QString& current) {
    for (const std::string& name : chosen) {
        harness.platform.registry->WriteValue(kMachine, kFontNamesKey, name, "");
    }
    auto& window = harness.open();
    control<QComboBox>(window, "comboboxFontName")
        ->setCurrentIndex(control<QComboBox>(window, "comboboxFontName")->findText(current));
    return window;
}

QStringList Checked(const QListWidget* list) {
    QStringList checked;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked) {
            checked << list->item(i)->text();
        }
    }
    return checked;
}

void SetChecked(FontManagerDialog& form, const QString& name, bool checked) {
    const auto found = control<QListWidget>(form, "clbFonts")->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    found.front()->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void Highlight(FontManagerDialog& form, const QString& name) {
    const auto found = control<QListWidget>(form, "clbFonts")->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    control<QListWidget>(form, "clbFonts")->setCurrentItem(found.front());
}

std::optional<std::string> StoredFontValue(WindowHarness& harness, std::string_view name) {
    return harness.platform.registry->ReadValue(kMachine, kFontsKey, name);
}

QString FaceOf(const FontNameDelegate* delegate, const QAbstractItemModel* model, int row) {
    QStyleOptionViewItem option;
    delegate->initStyleOption(&option, model->index(row, 0));
    return option.font.family();
}

}  // namespace

class FontManagerTest : public QObject {
    Q_OBJECT

  private slots:
    void opensAsDesigned();
    void hintsFollowTheMainWindow();
    void listsTheInstalledFontsWithTheChosenTicked();
    void namesMatchOnlyInTheirExactCase();
    void highlightedTickedFontBecomesCurrent();
    void untickedHighlightKeepsThePreviousFontOrTakesTheFirst();
    void untickingEveryFontTurnsTheFontOptionOff();
    void storedSizeIsKeptWithinTheTrackBar_data();
    void storedSizeIsKeptWithinTheTrackBar();
    void testTextIsStoredAndAnEmptyOneBringsTheDefaultBack();
    void everyWayOfClosingKeepsTheChoice();
    void chosenFontsSurviveARestart();
    void fontNamesAreDrawnInTheirOwnFace();
};

void FontManagerTest::opensAsDesigned() {
    WindowHarness harness;
    auto& window = harness.open();
    QCOMPARE(control<QPushButton>(window, "SpeedButton13")->toolTip(),
             QStringLiteral("Открыть менеджер шрифтов"));
    QVERIFY(!control<QPushButton>(window, "SpeedButton13")->icon().isNull());
    QCOMPARE(control<QComboBox>(window, "comboboxFontName")->maxVisibleItems(), 5);
    QCOMPARE(control<QComboBox>(window, "comboboxFontName")->toolTip(),
             QStringLiteral("Выбрать шрифт, которым будет отображаться сообщение"));

    QSize size;
    QSize minimum;
    Qt::WindowFlags flags;
    QString caption;
    bool memoFits = false;
    int sizeMinimum = 0;
    int sizeMaximum = 0;
    QSlider::TickPosition ticks = QSlider::NoTicks;
    Qt::Orientation orientation = Qt::Vertical;
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        size = form.size();
        minimum = form.minimumSize();
        flags = form.windowFlags();
        caption = form.windowTitle();
        memoFits = control<QPlainTextEdit>(form, "Memo1")->maximumHeight() == 80 &&
                   control<QPlainTextEdit>(form, "Memo1")->verticalScrollBarPolicy() ==
                       Qt::ScrollBarAlwaysOn;
        sizeMinimum = control<QSlider>(form, "tbFontSize")->minimum();
        sizeMaximum = control<QSlider>(form, "tbFontSize")->maximum();
        ticks = control<QSlider>(form, "tbFontSize")->tickPosition();
        orientation = control<QSlider>(form, "tbFontSize")->orientation();
    }));
    QCOMPARE(caption, QStringLiteral("Менеджер шрифтов"));
    QCOMPARE(size, QSize(317, 342));
    QCOMPARE(minimum, QSize(150, 150));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(memoFits);
    QCOMPARE(sizeMinimum, 8);
    QCOMPARE(sizeMaximum, 24);
    QCOMPARE(ticks, QSlider::TicksBelow);
    QCOMPARE(orientation, Qt::Horizontal);
}

void FontManagerTest::hintsFollowTheMainWindow() {
    WindowHarness harness;
    auto& window = harness.open();
    QStringList hints;
    const auto readHints = [&](FontManagerDialog& form) {
        hints = {control<QListWidget>(form, "clbFonts")->toolTip(),
                 control<QSlider>(form, "tbFontSize")->toolTip(),
                 control<QPlainTextEdit>(form, "Memo1")->toolTip()};
    };
    control<QCheckBox>(window, "cbShowHint")->setChecked(true);
    QVERIFY(UseFontManager(harness, readHints));
    QCOMPARE(hints,
             QStringList({QStringLiteral("Отметьте шрифты, которые планируется использовать"),
                          QStringLiteral("Изменение размера шрифта"),
                          QStringLiteral("Поле для проверки шрифта")}));
    control<QCheckBox>(window, "cbShowHint")->setChecked(false);
    QVERIFY(UseFontManager(harness, readHints));
    QCOMPARE(hints, QStringList({QString(), QString(), QString()}));
}

void FontManagerTest::listsTheInstalledFontsWithTheChosenTicked() {
    WindowHarness harness;
    auto& window = OpenWithFonts(harness, {"Verdana", "Tahoma", "Gone"}, QStringLiteral("Verdana"));
    QStringList listed;
    QStringList ticked;
    QString highlighted;
    QString testFace;
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        listed = Nicks(control<QListWidget>(form, "clbFonts"));
        ticked = Checked(control<QListWidget>(form, "clbFonts"));
        highlighted = control<QListWidget>(form, "clbFonts")->currentItem()->text();
        testFace = control<QPlainTextEdit>(form, "Memo1")->font().family();
    }));
    QCOMPARE(listed, kInstalled);
    QCOMPARE(ticked, QStringList({QStringLiteral("Tahoma"), QStringLiteral("Verdana")}));
    QCOMPARE(highlighted, QStringLiteral("Verdana"));
    QCOMPARE(testFace, QStringLiteral("Verdana"));
    // Unchanged, the list keeps its fonts in the installed order, without the missing one.
    QCOMPARE(Items(control<QComboBox>(window, "comboboxFontName")),
             QStringList({QStringLiteral("Tahoma"), QStringLiteral("Verdana")}));
    QCOMPARE(control<QComboBox>(window, "comboboxFontName")->currentText(),
             QStringLiteral("Verdana"));
    QVERIFY(control<QComboBox>(window, "comboboxFontName")->isEnabled());
    QVERIFY(control<QCheckBox>(window, "cbFontName")->isEnabled());
}

void FontManagerTest::namesMatchOnlyInTheirExactCase() {
    WindowHarness harness;
    auto& window = OpenWithFonts(harness, {"arial", "Tahoma"}, QStringLiteral("arial"));
    QStringList ticked;
    QString highlighted;
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        ticked = Checked(control<QListWidget>(form, "clbFonts"));
        highlighted = control<QListWidget>(form, "clbFonts")->currentItem()->text();
    }));
    QCOMPARE(ticked, QStringList({QStringLiteral("Tahoma")}));
    // No current font was found, so the first one is highlighted.
    QCOMPARE(highlighted, QStringLiteral("Arial"));
    QCOMPARE(Items(control<QComboBox>(window, "comboboxFontName")),
             QStringList({QStringLiteral("Tahoma")}));
    QCOMPARE(control<QComboBox>(window, "comboboxFontName")->currentText(),
             QStringLiteral("Tahoma"));
}

void FontManagerTest::highlightedTickedFontBecomesCurrent() {
    WindowHarness harness;
    auto& window = OpenWithFonts(harness, {"Arial", "Tahoma"}, QStringLiteral("Arial"));
    QString testFace;
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        SetChecked(form, QStringLiteral("Courier New"), true);
        Highlight(form, QStringLiteral("Courier New"));
        testFace = control<QPlainTextEdit>(form, "Memo1")->font().family();
    }));
    QCOMPARE(testFace, QStringLiteral("Courier New"));
    QCOMPARE(Items(control<QComboBox>(window, "comboboxFontName")),
             QStringList({QStringLiteral("Arial"), QStringLiteral("Courier New"),
                          QStringLiteral("Tahoma")}));
    QCOMPARE(control<QComboBox>(window, "comboboxFontName")->currentText(),
             QStringLiteral("Courier New"));
}

void FontManagerTest::untickedHighlightKeepsThePreviousFontOrTakesTheFirst() {
    WindowHarness harness;
    auto& window = OpenWithFonts(harness, {"Arial", "Tahoma", "Verdana"}, QStringLiteral("Tahoma"));
    QVERIFY(UseFontManager(
        harness, [&](FontManagerDialog& form) { Highlight(form, QStringLiteral("Courier New")); }));
    QCOMPARE(control<QComboBox>(window, "comboboxFontName")->currentText(),
             QStringLiteral("Tahoma"));

    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        SetChecked(form, QStringLiteral("Tahoma"), false);
        Highlight(form, QStringLiteral("Tahoma"));
    }));
    QCOMPARE(Items(control<QComboBox>(window, "comboboxFontName")),
             QStringList({QStringLiteral("Arial"), QStringLiteral("Verdana")}));
    QCOMPARE(control<QComboBox>(window, "comboboxFontName")->currentText(),
             QStringLiteral("Arial"));
}

void FontManagerTest::untickingEveryFontTurnsTheFontOptionOff() {
    WindowHarness harness;
    auto& window = OpenWithFonts(harness, {"Arial", "Tahoma"}, QStringLiteral("Tahoma"));
    control<QCheckBox>(window, "cbFontName")->setChecked(true);
    QVERIFY(control<QComboBox>(window, "comboboxFontName")->isEnabled());
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        SetChecked(form, QStringLiteral("Arial"), false);
        SetChecked(form, QStringLiteral("Tahoma"), false);
    }));
    QCOMPARE(control<QComboBox>(window, "comboboxFontName")->count(), 0);
    QVERIFY(!control<QComboBox>(window, "comboboxFontName")->isEnabled());
    QVERIFY(!control<QCheckBox>(window, "cbFontName")->isEnabled());
    QVERIFY(!control<QCheckBox>(window, "cbFontName")->isChecked());

    // Ticking one again brings the option back, though left unchecked.
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        SetChecked(form, QStringLiteral("Verdana"), true);
    }));
    QCOMPARE(Items(control<QComboBox>(window, "comboboxFontName")),
             QStringList({QStringLiteral("Verdana")}));
    QVERIFY(control<QComboBox>(window, "comboboxFontName")->isEnabled());
    QVERIFY(control<QCheckBox>(window, "cbFontName")->isEnabled());
    QVERIFY(!control<QCheckBox>(window, "cbFontName")->isChecked());
}

void FontManagerTest::storedSizeIsKeptWithinTheTrackBar_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("missing") << QString() << 12;
    QTest::newRow("within") << QStringLiteral("17") << 17;
    QTest::newRow("too large") << QStringLiteral("30") << 24;
    QTest::newRow("too small") << QStringLiteral("5") << 8;
    QTest::newRow("not a number") << QStringLiteral("big") << 8;
    QTest::newRow("digits first") << QStringLiteral(" 14pt") << 14;
    QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999") << 24;
}

void FontManagerTest::storedSizeIsKeptWithinTheTrackBar() {
    QFETCH(QString, stored);
    QFETCH(int, shown);
    WindowHarness harness;
    if (!stored.isEmpty()) {
        QVERIFY(
            harness.platform.registry->WriteValue(kMachine, kFontsKey, "Size", ToCp1251(stored)));
    }
    harness.open();
    int position = 0;
    int testSize = 0;
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        position = control<QSlider>(form, "tbFontSize")->value();
        testSize = control<QPlainTextEdit>(form, "Memo1")->font().pointSize();
    }));
    QCOMPARE(position, shown);
    QCOMPARE(testSize, shown);
    QCOMPARE(StoredFontValue(harness, "Size"), std::optional(std::to_string(shown)));

    // Moving the track bar sizes the test text and is what the next opening shows.
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        control<QSlider>(form, "tbFontSize")->setValue(20);
        testSize = control<QPlainTextEdit>(form, "Memo1")->font().pointSize();
    }));
    QCOMPARE(testSize, 20);
    QCOMPARE(StoredFontValue(harness, "Size"), std::optional<std::string>("20"));
}

void FontManagerTest::testTextIsStoredAndAnEmptyOneBringsTheDefaultBack() {
    WindowHarness harness;
    harness.open();
    QString shown;
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        shown = control<QPlainTextEdit>(form, "Memo1")->toPlainText();
        control<QPlainTextEdit>(form, "Memo1")->setPlainText(QStringLiteral("Привет\nмир"));
    }));
    QCOMPARE(shown, kDemoText);
    QCOMPARE(StoredFontValue(harness, "DemoText"),
             std::optional(ToCp1251(QStringLiteral("Привет\r\nмир"))));

    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        shown = control<QPlainTextEdit>(form, "Memo1")->toPlainText();
        control<QPlainTextEdit>(form, "Memo1")->clear();
    }));
    QCOMPARE(shown, QStringLiteral("Привет\nмир"));
    QCOMPARE(StoredFontValue(harness, "DemoText"), std::nullopt);

    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        shown = control<QPlainTextEdit>(form, "Memo1")->toPlainText();
    }));
    QCOMPARE(shown, kDemoText);
}

void FontManagerTest::everyWayOfClosingKeepsTheChoice() {
    WindowHarness harness;
    auto& window = OpenWithFonts(harness, {"Arial"}, QStringLiteral("Arial"));
    const std::vector<std::function<void(QDialog&)>> closings = {
        [](QDialog& dialog) { dialog.close(); },
        [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
        // A runner that only hides the window.
        [](QDialog& /*dialog*/) {},
    };
    const QStringList fonts = {QStringLiteral("Courier New"), QStringLiteral("Tahoma"),
                               QStringLiteral("Verdana")};
    for (std::size_t i = 0; i < closings.size(); ++i) {
        harness.platform.dialogs.script = [&](QDialog& dialog) {
            auto& form = static_cast<FontManagerDialog&>(dialog);
            SetChecked(form, fonts[static_cast<int>(i)], true);
            closings[i](dialog);
            return 0;
        };
        control<QPushButton>(window, "SpeedButton13")->click();
        QVERIFY2(
            control<QComboBox>(window, "comboboxFontName")->findText(fonts[static_cast<int>(i)]) >=
                0,
            qPrintable(fonts[static_cast<int>(i)]));
    }
    // A window the runner never showed holds no choice and changes nothing.
    harness.platform.dialogs.script = nullptr;
    control<QPushButton>(window, "SpeedButton13")->click();
    QCOMPARE(Items(control<QComboBox>(window, "comboboxFontName")), kInstalled);
}

void FontManagerTest::chosenFontsSurviveARestart() {
    WindowHarness harness;
    {
        auto& window = harness.open();
        QVERIFY(!control<QComboBox>(window, "comboboxFontName")->isEnabled());
        QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
            SetChecked(form, QStringLiteral("Verdana"), true);
            SetChecked(form, QStringLiteral("Courier New"), true);
            Highlight(form, QStringLiteral("Verdana"));
        }));
        QVERIFY(window.close());
    }
    Restart restart(harness.programFolder());
    auto& window = restart.open();
    QCOMPARE(Items(control<QComboBox>(window, "comboboxFontName")),
             QStringList({QStringLiteral("Courier New"), QStringLiteral("Verdana")}));
    QVERIFY(control<QComboBox>(window, "comboboxFontName")->isEnabled());
    QVERIFY(control<QCheckBox>(window, "cbFontName")->isEnabled());
}

void FontManagerTest::fontNamesAreDrawnInTheirOwnFace() {
    WindowHarness harness;
    auto& window = OpenWithFonts(harness, {"Courier New", "Tahoma"}, QStringLiteral("Tahoma"));
    const auto* comboDelegate = qobject_cast<const FontNameDelegate*>(
        control<QComboBox>(window, "comboboxFontName")->itemDelegate());
    QVERIFY(comboDelegate != nullptr);
    QCOMPARE(FaceOf(comboDelegate, control<QComboBox>(window, "comboboxFontName")->model(), 0),
             QStringLiteral("Courier New"));
    QCOMPARE(FaceOf(comboDelegate, control<QComboBox>(window, "comboboxFontName")->model(), 1),
             QStringLiteral("Tahoma"));
    QCOMPARE(comboDelegate
                 ->sizeHint(QStyleOptionViewItem(),
                            control<QComboBox>(window, "comboboxFontName")->model()->index(0, 0))
                 .height(),
             16);

    QStringList faces;
    QVERIFY(UseFontManager(harness, [&](FontManagerDialog& form) {
        const auto* delegate = qobject_cast<const FontNameDelegate*>(
            control<QListWidget>(form, "clbFonts")->itemDelegate());
        if (delegate == nullptr) {
            return;
        }
        for (int row = 0; row < control<QListWidget>(form, "clbFonts")->count(); ++row) {
            faces << FaceOf(delegate, control<QListWidget>(form, "clbFonts")->model(), row);
        }
    }));
    QCOMPARE(faces, kInstalled);
}

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::FontManagerTest)
#include "font_manager_test.moc"
