#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/store/profile.h"
#include "core/templates/ascii_catalog.h"
#include "core/templates/template_lines.h"
#include "gui/templates/template_page.h"
#include "ui_test_main.h"
#include "ui_test_support.h"

namespace tagforge {

namespace {

// A page on its own in an empty program folder, so without the picture catalogue.
struct PageHarness {
    QTemporaryDir folder;
    test::FakePlatform platform;
    TemplatePage page{folder.path().toStdString(), platform.clock, platform.messages,
                      platform.dialogs};
};

Profile TemplateProfile(long tab) {
    Profile profile;
    profile.page2ActivePage = tab;
    profile.where = "Zal";
    profile.action = "ubil";
    profile.period = "vchera";
    profile.killerName = "Killer";
    profile.victimName = "Victim";
    profile.reasonName = "za delo";
    profile.page2OwnText = "Own";
    profile.whatDo = "ushli";
    profile.nick = "Fox";
    profile.nicks = {"Wolf", "Bear"};
    profile.personallyErrorMessage = "Hare";
    profile.persErrorType = 2;
    profile.comeColorEnabled = true;
    profile.comeColor = FromColorCode("00FF00");
    return profile;
}

}  // namespace

class TemplatePageAloneTest : public QObject {
    Q_OBJECT

  private slots:
    void profileComesBackAsApplied_data() {
        QTest::addColumn<long>("tab");
        QTest::addColumn<long>("shownTab");
        QTest::newRow("kill line") << 0L << 0L;
        QTest::newRow("solitude") << 1L << 1L;
        QTest::newRow("notification") << 2L << 2L;
        QTest::newRow("ASCII without catalogue") << 3L << 0L;
    }
    void profileComesBackAsApplied() {
        QFETCH(long, tab);
        QFETCH(long, shownTab);
        PageHarness harness;
        Profile expected = TemplateProfile(tab);
        harness.page.applyProfile(expected, true);
        Profile read;
        harness.page.fillProfile(read);
        expected.page2ActivePage = shownTab;
        QVERIFY(read == expected);
    }

    void tabStaysUnlessAskedToShow() {
        PageHarness harness;
        harness.page.applyProfile(TemplateProfile(2), false);
        Profile read;
        harness.page.fillProfile(read);
        QCOMPARE(read.page2ActivePage, 0L);
    }

    void buildingTellsTheNewLine() {
        PageHarness harness;
        harness.page.applyProfile(TemplateProfile(1), true);
        QSignalSpy changed(&harness.page, &TemplatePage::lineChanged);
        harness.page.buildLine();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(harness.page.line(), BuildSolitudeLine("Own", {"Wolf", "Bear"}, "ushli"));
        harness.page.rebuildLines();
        QCOMPARE(changed.count(), 5);
        QCOMPARE(harness.page.line(), BuildAsciiTemplate("Own", ""));
    }
};

}  // namespace tagforge

TAGFORGE_UI_TEST_MAIN(tagforge::TemplatePageAloneTest)
#include "template_page_alone_test.moc"
