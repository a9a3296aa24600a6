#include <QTest>
#include <filesystem>
#include <optional>

#include "core/format/random_source.h"
#include "core/options/profile_formatter_options.h"
#include "core/store/ini_file.h"
#include "gui/common/text_bridge.h"
#include "gui/formatting/formatting_page.h"
#include "ui_test_files.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

namespace tagforge {

// A window that loads a profile formats with what the core makes of the same profile.
class ProfileOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void loadedProfileFormatsAsTheCoreSays_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("in range") << QStringList{"[Page1]",
                                                 "FontSize=5",
                                                 "JumpFontValue=70",
                                                 "ColorEffect=1",
                                                 "Text=\"Hello\"",
                                                 "Reciever=\"Petya\"",
                                                 "OkType=\"Cancel\"",
                                                 "GradientBeginColor=112233",
                                                 "GradientEndColor=445566"};
        QTest::newRow("out of range") << QStringList{"[Page1]", "FontSize=9", "JumpFontValue=250",
                                                     "ColorEffect=9", "Reciever=\"Vasya\""};
        QTest::newRow("below range")
            << QStringList{"[Page1]", "FontSize=0", "JumpFontValue=-4", "ColorEffect=-2"};
    }
    void loadedProfileFormatsAsTheCoreSays() {
        QFETCH(QStringList, lines);
        test::WindowHarness harness;
        const std::filesystem::path file = harness.programFolder() / "Profiles" / "Default.tfp";
        std::string bytes;
        for (const QString& line : lines) {
            bytes += ToCp1251(line) + "\r\n";
        }
        test::WriteBytes(file, bytes);
        const Profile profile = ReadProfile(IniFile(file));
        auto& window = harness.open();
        const auto* page = window.findChild<FormattingPage*>(QStringLiteral("HandMadePage"));
        QVERIFY(page != nullptr);

        DefaultRandomSource random;
        const FormatterOptions expected =
            FormatterOptionsFromProfile(profile, std::nullopt, random, 1);
        const FormatterOptions shown = page->formatterOptions();
        QCOMPARE(shown.fontSize, expected.fontSize);
        QCOMPARE(shown.danceRatioPercent, expected.danceRatioPercent);
        QCOMPARE(shown.colorEffect, expected.colorEffect);
        QCOMPARE(shown.message, expected.message);
        QCOMPARE(shown.addressee, expected.addressee);
        QCOMPARE(shown.linkText, expected.linkText);
        QCOMPARE(shown.gradientStops, expected.gradientStops);
        if (expected.colorEffect != kEffectNone) {
            QCOMPARE(shown.firstEffectColor, expected.firstEffectColor);
            QCOMPARE(shown.secondEffectColor, expected.secondEffectColor);
        }
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::ProfileOptionsTest)
#include "profile_options_test.moc"
