#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <string>

#include "core/format/cp1251.h"
#include "core/store/ini_file.h"
#include "core/store/tag_list.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

}  // namespace

class StarterDataTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QCOMPARE(Install(), 0);
    }

    void textFilesAreWindows1251WithCrLf() {
        const QByteArray tags = ReadAll(Path(QStringLiteral("Profiles/tags.asc")));
        QVERIFY(!tags.isEmpty());
        QVERIFY(tags.endsWith("\r\n"));
        QCOMPARE(tags.count("\r\n"), tags.count('\n'));
        // «[Всем]» in Windows-1251.
        QVERIFY(tags.contains("[\xC2\xF1\xE5\xEC]\r\n"));
        const auto lines = tagforge::ReadSortedLines(
            std::filesystem::path(Path(QStringLiteral("Profiles/tags.asc")).toStdString()));
        QVERIFY(lines.has_value());
        QVERIFY(lines->size() >= 3);
    }

    void everyPictureOfTheCatalogueIsIncludedAndHasHtml() {
        const tagforge::IniFile catalogue(Path(QStringLiteral("Profiles/ascii.asc")).toStdString());
        QVERIFY(catalogue.exists());
        const auto pictures = catalogue.ReadSections();
        QVERIFY(pictures.size() >= 3);
        for (const std::string& name : pictures) {
            QVERIFY2(!catalogue.ReadString(name, "html", "").empty(), name.c_str());
            QCOMPARE(catalogue.ReadInteger(name, "include", -1), 1L);
        }
        QVERIFY(std::find(pictures.begin(), pictures.end(), *tagforge::Utf8ToCp1251("Кот")) !=
                pictures.end());
    }

    void theGroupListsEveryDrawnSmiley() {
        const QString group = Path(QStringLiteral("SmileGroups/Основные.sgr"));
        const QByteArray text = ReadAll(group);
        QVERIFY(text.endsWith("\r\n"));
        const QList<QByteArray> entries = text.trimmed().split('\n');
        QVERIFY(entries.size() >= 7);
        for (const QByteArray& entry : entries) {
            const QString name = QString::fromLatin1(entry.trimmed());
            const QImage image(Path(QStringLiteral("Smiles/") + name));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(19, 19));
            // The corners are see-through and the middle is painted.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QVERIFY2(qAlpha(image.pixel(9, 9)) == 255, qPrintable(name));
        }
    }

    void aSecondRunReplacesNothingTheUserHas() {
        for (const QString& relative :
             {QStringLiteral("Profiles/tags.asc"), QStringLiteral("Smiles/smile.gif")}) {
            QFile file(Path(relative));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("mine");
        }
        QVERIFY(QFile::remove(Path(QStringLiteral("Smiles/wink.gif"))));
        QVERIFY(QFile::rename(Path(QStringLiteral("SmileGroups/Основные.sgr")),
                              Path(QStringLiteral("SmileGroups/Own.sgr"))));

        QCOMPARE(Install(), 0);

        QCOMPARE(ReadAll(Path(QStringLiteral("Profiles/tags.asc"))), QByteArray("mine"));
        QCOMPARE(ReadAll(Path(QStringLiteral("Smiles/smile.gif"))), QByteArray("mine"));
        QVERIFY(!QImage(Path(QStringLiteral("Smiles/wink.gif"))).isNull());
        // A folder that already has a group gets no starter group.
        QVERIFY(!QFile::exists(Path(QStringLiteral("SmileGroups/Основные.sgr"))));
    }

    // The slots section above is moc's; the helpers below are not slots.
  private:  // NOLINT(readability-redundant-access-specifiers)
    QTemporaryDir folder_;

    QString Path(const QString& relative) const { return folder_.filePath(relative); }

    int Install() const {
        QProcess script;
        script.start(QStringLiteral("bash"), {QStringLiteral(INSTALL_STARTER), folder_.path(),
                                              QStringLiteral(DRAW_SMILEYS)});
        if (!script.waitForFinished(60000)) {
            return -1;
        }
        return script.exitCode();
    }
};

QTEST_GUILESS_MAIN(StarterDataTest)
#include "starter_data_test.moc"
