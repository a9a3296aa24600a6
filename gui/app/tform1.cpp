#include "gui/app/tform1.h"

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
#include <QWebEngineView>

#include "core/store/data_folders.h"
#include "gui/app/result_memo.h"
#include "gui/app/text_bridge.h"
#include "gui/app/widget_factory.h"
#include "gui/preview/preview_web_page.h"
#include "gui/smileys/smile_web_page.h"

namespace tagforge {

namespace {

constexpr int kFontSizes = 7;
constexpr int kDefaultFontSizeIndex = 3;
constexpr int kSmilePaneWidth = 210;
constexpr int kSmilePaneGap = 4;
constexpr int kSmileButtonSize = 21;
constexpr int kSmileGroupBoxWidth = 163;
constexpr int kSmileBrowserHeight = 395;

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
    PageControl1->setCornerWidget(SmileButton, Qt::TopRightCorner);
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(kSmilePaneGap);
    columns->addWidget(PageControl1, 1);
    columns->addWidget(SmilePane);
    setCentralWidget(content);
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
    SmileButton =
        ui::FlatButton("SmileButton", QStringLiteral("Смайлы"), QStringLiteral("Показать смайлы"));
    SmileButton->setCheckable(true);

    SpeedButton10 = ui::FlatButton("SpeedButton10", QStringLiteral("+"),
                                   QStringLiteral("Создать новую группу смайлов"));
    SpeedButton10->setFixedSize(kSmileButtonSize, kSmileButtonSize);
    comboSelectSmilesGroup =
        ui::ComboBox("comboSelectSmilesGroup", {}, false, QStringLiteral("Выбирай группу смайлов"));
    comboSelectSmilesGroup->setFixedWidth(kSmileGroupBoxWidth);
    SpeedButton8 = ui::FlatButton("SpeedButton8", QStringLiteral("−"),
                                  QStringLiteral("Удалить группу смайлов"));
    SpeedButton8->setFixedSize(kSmileButtonSize, kSmileButtonSize);

    CppWebBrowser2 = ui::Named(new QWebEngineView, "CppWebBrowser2");
    auto* smilePage = new SmileWebPage(
        [this](const QUrl& address) { return CppWebBrowser2BeforeNavigate2(address); },
        CppWebBrowser2);
    smilePage->setUrlRequestInterceptor(new SmileImageInterceptor(programFolder_, smilePage));
    CppWebBrowser2->setPage(smilePage);
    CppWebBrowser2->setContextMenuPolicy(Qt::NoContextMenu);
    CppWebBrowser2->setMinimumHeight(kSmileBrowserHeight);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 1, 0, 0);
    top->setSpacing(1);
    top->addWidget(SpeedButton10);
    top->addWidget(comboSelectSmilesGroup);
    top->addWidget(SpeedButton8);
    top->addStretch();

    SmilePane = ui::Named(new QWidget, "SmilePane");
    auto* layout = new QVBoxLayout(SmilePane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(CppWebBrowser2, 1);
    SmilePane->setFixedWidth(kSmilePaneWidth);
    // Hidden until the start-up brings it in line with SmileButton.
    SmilePane->setVisible(false);
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
