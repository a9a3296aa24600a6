#include "app/tform1.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/result_memo.h"
#include "app/text_bridge.h"
#include "app/widget_factory.h"
#include "store/data_folders.h"

namespace tagforge {

namespace {

constexpr int kFontSizes = 7;
constexpr int kDefaultFontSizeIndex = 3;

}  // namespace

TForm1::TForm1(std::filesystem::path programFolder, PlatformServices services, QWidget* parent)
    : QMainWindow(parent), programFolder_(std::move(programFolder)), services_(services) {
    setObjectName(QStringLiteral("Form1"));

    PageControl1 = ui::Named(new QTabWidget, "PageControl1");
    PageControl1->setDocumentMode(true);
    CreateSmileControls();
    FormatPage = CreateFormatPage();
    PreviewPage = CreatePreviewPage();
    SettingsPage = CreateSettingsPage();
    AboutPage = CreateAboutPage();
    PageControl1->addTab(FormatPage, QStringLiteral("Форматирование"));
    PageControl1->addTab(PreviewPage, QStringLiteral("Просмотр"));
    PageControl1->addTab(SettingsPage, QStringLiteral("Настройки"));
    PageControl1->addTab(AboutPage, QStringLiteral("О проге"));
    setCentralWidget(PageControl1);
    ConnectHandMadePage();
    ConnectTemplatePage();
    ConnectColorPanels();
    ConnectSettingsPage();
    ConnectProfileBar();
    ConnectAsciiPage();
    ConnectSmilePane();
    ConnectNickMenu();
    ConnectFontManager();

    // A missing profiles folder means a first start, which opens on the About page.
    if (!std::filesystem::is_directory(ProfilesFolder())) {
        PageControl1->setCurrentWidget(AboutPage);
        EnsureDataFolder(programFolder_, kProfilesFolder);
    }

    for (int size = 1; size <= kFontSizes; ++size) {
        ComboBoxFontSize->addItem(QString::number(size));
    }
    ComboBoxFontSize->setCurrentIndex(kDefaultFontSizeIndex);

    FillProfileList(kDefaultProfile);
    LoadSettings();
    LoadProfile(kDefaultProfile);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    FormCreate();
    PageControl1Change();
    // Brings the smiley pane into the state the settings gave its button.
    bShowSmilesClick();
}

TForm1::~TForm1() = default;

const std::string& TForm1::resultText() const {
    return ResultText->bytes();
}

void TForm1::FormCreate() {
    setWindowTitle(QString::fromLatin1(kApplicationTitle) + QLatin1Char(' ') +
                   QString::fromLatin1(kVersionText) + QString::fromLatin1(kCaptionTail));
}

QWidget* TForm1::CreateFormatPage() {
    auto* page = ui::Named(new QWidget, "FormatPage");
    PageControl2 = ui::Named(new QTabWidget, "PageControl2");
    PageControl2->setTabPosition(QTabWidget::South);
    HandMadePage = CreateHandMadePage();
    TemplatePage = CreateTemplatePage();
    PageControl2->addTab(HandMadePage, QStringLiteral("Вручную"));
    PageControl2->addTab(TemplatePage, QStringLiteral("Шаблоны"));

    SpeedButton3 =
        ui::FlatButton("SpeedButton3", QStringLiteral("Копировать результат"),
                       QStringLiteral("Копировать результат форматирования в буфер обмена"));
    // The list is kept sorted by the profile commands, ignoring case.
    ComboProfiles =
        ui::ComboBox("ComboProfiles", {}, true,
                     QStringLiteral("Выбрать существующий профиль или вести имя нового"));
    ComboProfiles->setMaxVisibleItems(5);
    ComboProfiles->setMinimumWidth(140);
    SpeedButton1 = ui::FlatButton("SpeedButton1", QStringLiteral("Удалить"),
                                  QStringLiteral("Удалить профиль"));
    SpeedButton2 = ui::FlatButton("SpeedButton2", QStringLiteral("Сохранить"),
                                  QStringLiteral("Сохранить профиль"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(SpeedButton3);
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("Профиль:")));
    bottom->addWidget(ComboProfiles);
    bottom->addWidget(SpeedButton1);
    bottom->addWidget(SpeedButton2);
    bottom->addWidget(SmileButton);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(PageControl2, 1);
    layout->addLayout(bottom);
    return page;
}

void TForm1::PageControl1Change() {
    QWidget* page = PageControl1->currentWidget();
    if (page == FormatPage) {
        OnlyForYouNameChange();
    } else if (page == PreviewPage) {
        PreviewPageShow();
    } else if (page == AboutPage) {
        AboutPageShow();
    }
}

bool TForm1::HandMadePageActive() const {
    return PageControl2->currentWidget() == HandMadePage;
}

std::filesystem::path TForm1::ProfilesFolder() const {
    return programFolder_ / kProfilesFolder;
}

void TForm1::CreateSmileControls() {
    // The smiley pane that shows these comes with the smiley groups; until then they only keep
    // the stored pane state and group.
    SmileButton =
        ui::FlatButton("SmileButton", QStringLiteral("Смайлы"), QStringLiteral("Показать смайлы"));
    SmileButton->setCheckable(true);
    SmileButton->setVisible(false);
    comboSelectSmilesGroup = ui::ComboBox("comboSelectSmilesGroup", {}, false);
    comboSelectSmilesGroup->setParent(this);
    comboSelectSmilesGroup->setVisible(false);
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (HandleSettingsKeys(watched, event)) {
        return true;
    }
    if (watched == SpeedButton3 && event->type() == QEvent::MouseButtonPress) {
        SpeedButton3MouseDown();
    } else if (watched == SpeedButton3 && event->type() == QEvent::MouseButtonRelease) {
        SpeedButton3MouseUp();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Edit3 && mouse->button() == Qt::LeftButton) {
            Edit3Click();
        } else if (watched == Edit4 && mouse->button() == Qt::LeftButton) {
            Edit4Click();
        } else if (watched == ListBox2->viewport()) {
            ListBox2MouseUp(mouse->button(), mouse->position().toPoint(),
                            mouse->globalPosition().toPoint());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tagforge
