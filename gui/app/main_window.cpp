#include "gui/app/main_window.h"

#include <QCheckBox>
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
#include "gui/about/about_page.h"
#include "gui/app/result_memo.h"
#include "gui/app/single_line_fields.h"
#include "gui/app/text_bridge.h"
#include "gui/app/widget_factory.h"
#include "gui/menus/edit_menu.h"
#include "gui/pickers/color_panel.h"
#include "gui/preview/preview_tab.h"
#include "gui/preview/preview_web_page.h"
#include "gui/profiles/profile_bar.h"
#include "gui/smileys/smile_web_page.h"
#include "gui/templates/template_page.h"

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

MainWindow::MainWindow(std::filesystem::path programFolder, PlatformServices services,
                       QWidget* parent)
    : QMainWindow(parent), programFolder_(std::move(programFolder)), services_(services) {
    setObjectName(QStringLiteral("Form1"));

    pageTabs = ui::Named(new QTabWidget, "PageControl1");
    pageTabs->setDocumentMode(true);
    createSmilePane();
    formattingPage = createFormattingPage();
    previewPage = new PreviewTab(programFolder_, services_.messages);
    settingsPage = new SettingsPage(services_.messages, services_.fonts, services_.tray);
    settingsPage->setInputField(messageEdit);
    aboutPage = new AboutPage(services_.urls);
    pageTabs->addTab(formattingPage, QStringLiteral("Форматирование"));
    pageTabs->addTab(previewPage, QStringLiteral("Просмотр"));
    pageTabs->addTab(settingsPage, QStringLiteral("Настройки"));
    pageTabs->addTab(aboutPage, QStringLiteral("О проге"));
    pageTabs->setCornerWidget(smileButton, Qt::TopRightCorner);
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(kSmilePaneGap);
    columns->addWidget(pageTabs, 1);
    columns->addWidget(smilePane);
    setCentralWidget(content);
    optionControls_ = BindOptions(*this);
    connectHandMadePage();
    connectColorPanels();
    createTrayMenu();
    connectProfileBar();
    connectSmilePane();
    createEditMenu();
    connectFontManager();
    // Before any field is filled, so stored texts cannot bring a line break in either.
    KeepFieldsOnOneLine(this);

    // A missing profiles folder means a first start, which opens on the About page.
    if (!std::filesystem::is_directory(profilesFolder())) {
        pageTabs->setCurrentWidget(aboutPage);
        EnsureDataFolder(programFolder_, kProfilesFolder);
    }

    for (int size = 1; size <= kFontSizes; ++size) {
        fontSizeBox->addItem(QString::number(size));
    }
    fontSizeBox->setCurrentIndex(kDefaultFontSizeIndex);

    fillProfileList(kDefaultProfile);
    loadSettings();
    loadProfile(kDefaultProfile);

    connect(pageTabs, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
    setTitle();
    pageChanged();
    // Brings the smiley pane into the state the settings gave its button.
    smileButtonToggled();
}

MainWindow::~MainWindow() = default;

const std::string& MainWindow::resultText() const {
    return resultMemo->bytes();
}

void MainWindow::setTitle() {
    setWindowTitle(QString::fromLatin1(kApplicationTitle) + QLatin1Char(' ') +
                   QString::fromLatin1(kVersionText) + QString::fromLatin1(kCaptionTail));
}

QWidget* MainWindow::createFormattingPage() {
    auto* page = ui::Named(new QWidget, "FormatPage");
    formattingTabs = ui::Named(new QTabWidget, "PageControl2");
    formattingTabs->setTabPosition(QTabWidget::South);
    handMadePage = createHandMadePage();
    templatePage =
        new TemplatePage(programFolder_, services_.clock, services_.messages, services_.dialogs);
    connect(templatePage, &TemplatePage::lineChanged, this,
            [this] { templateText_ = templatePage->line(); });
    // Switching sub-pages is never refused, so rebuilding after the switch serves as well.
    connect(formattingTabs, &QTabWidget::currentChanged, templatePage, &TemplatePage::rebuildLines);
    formattingTabs->addTab(handMadePage, QStringLiteral("Вручную"));
    formattingTabs->addTab(templatePage, QStringLiteral("Шаблоны"));

    copyButton =
        ui::FlatButton("SpeedButton3", QStringLiteral("Копировать результат"),
                       QStringLiteral("Копировать результат форматирования в буфер обмена"));
    profileBar = new ProfileBar;

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(copyButton);
    bottom->addStretch();
    bottom->addWidget(profileBar);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(formattingTabs, 1);
    layout->addLayout(bottom);
    return page;
}

void MainWindow::pageChanged() {
    QWidget* page = pageTabs->currentWidget();
    if (page == formattingPage) {
        rebuildResult();
    } else if (page == previewPage) {
        showPreview();
    } else if (page == aboutPage) {
        aboutPage->showText();
    }
}

bool MainWindow::handMadePageActive() const {
    return formattingTabs->currentWidget() == handMadePage;
}

std::filesystem::path MainWindow::profilesFolder() const {
    return programFolder_ / kProfilesFolder;
}

void MainWindow::createSmilePane() {
    smileButton =
        ui::FlatButton("SmileButton", QStringLiteral("Смайлы"), QStringLiteral("Показать смайлы"));
    smileButton->setCheckable(true);

    newSmileGroupButton = ui::FlatButton("SpeedButton10", QStringLiteral("+"),
                                         QStringLiteral("Создать новую группу смайлов"));
    newSmileGroupButton->setFixedSize(kSmileButtonSize, kSmileButtonSize);
    smileGroupBox =
        ui::ComboBox("comboSelectSmilesGroup", {}, false, QStringLiteral("Выбирай группу смайлов"));
    smileGroupBox->setFixedWidth(kSmileGroupBoxWidth);
    deleteSmileGroupButton = ui::FlatButton("SpeedButton8", QStringLiteral("−"),
                                            QStringLiteral("Удалить группу смайлов"));
    deleteSmileGroupButton->setFixedSize(kSmileButtonSize, kSmileButtonSize);

    smileBrowser = ui::Named(new QWebEngineView, "CppWebBrowser2");
    auto* smilePage = new SmileWebPage(
        [this](const QUrl& address) { return acceptSmileNavigation(address); }, smileBrowser);
    smilePage->setUrlRequestInterceptor(new SmileImageInterceptor(programFolder_, smilePage));
    smileBrowser->setPage(smilePage);
    smileBrowser->setContextMenuPolicy(Qt::NoContextMenu);
    smileBrowser->setMinimumHeight(kSmileBrowserHeight);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 1, 0, 0);
    top->setSpacing(1);
    top->addWidget(newSmileGroupButton);
    top->addWidget(smileGroupBox);
    top->addWidget(deleteSmileGroupButton);
    top->addStretch();

    smilePane = ui::Named(new QWidget, "SmilePane");
    auto* layout = new QVBoxLayout(smilePane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(smileBrowser, 1);
    smilePane->setFixedWidth(kSmilePaneWidth);
    // Hidden until the start-up brings it in line with smileButton.
    smilePane->setVisible(false);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveOnClose(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == copyButton && event->type() == QEvent::MouseButtonPress) {
        copyButtonPressed();
    } else if (watched == copyButton && event->type() == QEvent::MouseButtonRelease) {
        copyButtonReleased();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == paletteList->viewport()) {
            paletteMouseReleased(mouse->button(), mouse->position().toPoint(),
                                 mouse->globalPosition().toPoint());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::buildCurrentResult() {
    if (handMadePageActive()) {
        rebuildResult();
    } else {
        templatePage->buildLine();
    }
}

void MainWindow::showPreview() {
    buildCurrentResult();
    const std::string text = handMadePageActive() ? resultMemo->bytes() : templateText_;
    templateText_ = text;
    previewPage->showText(text, settingsPage->previewBackground(), settingsPage->previewWordWrap());
}

void MainWindow::createEditMenu() {
    editMenu = new EditMenu(services_.clipboard, this);
    for (QWidget* control :
         std::initializer_list<QWidget*>{messageEdit, onlyForYouWordingBox, addresseeEdit,
                                         linkTextBox, otherNickEdit, ownTextEdit}) {
        editMenu->attach(control);
    }
    templatePage->attachEditMenu([this](QWidget* control) { editMenu->attach(control); });
    profileBar->attachEditMenu([this](QWidget* control) { editMenu->attach(control); });
}

void MainWindow::openEditMenu(QWidget* target, QPoint globalPos) {
    editMenu->openOn(target, globalPos);
}

const std::vector<std::string>& MainWindow::nicks() const {
    return editMenu->nicks();
}

void MainWindow::setNicks(std::vector<std::string> nicks) {
    editMenu->setNicks(std::move(nicks));
}

QWidget* MainWindow::editMenuTarget() const {
    return editMenu->target();
}

}  // namespace tagforge
