#include "gui/app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "core/format/result_assembly.h"
#include "core/store/atomic_file.h"
#include "core/store/data_folders.h"
#include "core/store/starter_set.h"
#include "gui/about/about_page.h"
#include "gui/app/font_manager_launcher.h"
#include "gui/app/result_copier.h"
#include "gui/app/settings_effects.h"
#include "gui/app/single_line_fields.h"
#include "gui/common/text_bridge.h"
#include "gui/common/transient_note.h"
#include "gui/common/widget_factory.h"
#include "gui/formatting/formatting_page.h"
#include "gui/formatting/live_preview.h"
#include "gui/formatting/option_controls.h"
#include "gui/menus/edit_menu.h"
#include "gui/pickers/color_panel.h"
#include "gui/pickers/panel_color_choice.h"
#include "gui/platform/graphics_setup.h"
#include "gui/preview/preview_tab.h"
#include "gui/preview/preview_web_page.h"
#include "gui/profiles/profile_bar.h"
#include "gui/settings/settings_page.h"
#include "gui/smileys/smiley_pane.h"
#include "gui/templates/template_page.h"

namespace tagforge {

namespace {

constexpr int kSmilePaneGap = 4;

}  // namespace

MainWindow::MainWindow(std::filesystem::path programFolder, PlatformServices services,
                       const std::filesystem::path& starterFolder, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(std::move(programFolder)),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("Form1"));

    pageTabs = ui::Named(new QTabWidget, "PageControl1");
    pageTabs->setDocumentMode(true);
    smileyPane = new SmileyPane(programFolder_, services_);
    formattingPage = createFormattingPage();
    previewPage = new PreviewTab(programFolder_, services_.messages);
    settingsPage = new SettingsPage(services_.messages, services_.fonts);
    settingsPage->setInputField(handMadePage->messageField());
    // The window owns it; it follows the page's reports before any settings are applied.
    new SettingsEffects(*settingsPage, services_.messages, this);
    connect(settingsPage, &SettingsPage::livePreviewShownChanged, livePreview,
            &LivePreview::setVisible);
    aboutPage = new AboutPage(services_.urls);
    pageTabs->addTab(formattingPage, QStringLiteral("Форматирование"));
    pageTabs->addTab(previewPage, QStringLiteral("Просмотр"));
    pageTabs->addTab(settingsPage, QStringLiteral("Настройки"));
    pageTabs->addTab(aboutPage, QStringLiteral("О проге"));
    pageTabs->setCornerWidget(smileyPane->toggleButton(), Qt::TopRightCorner);
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(kSmilePaneGap);
    columns->addWidget(pageTabs, 1);
    columns->addWidget(smileyPane);
    setCentralWidget(content);
    PrepareWindowForBrowserViews(*this);
    handMadePage->bindOptions(BindOptions(*this));
    connectCopyButton();
    connectColorPanels();
    tray_ = new TrayController(this, services_.tray, settingsPage,
                               QString::fromLatin1(kApplicationTitle));
    connectSmileyPane();
    createEditMenu();
    createControllers();
    new FontManagerLauncher(
        *handMadePage, *settings_, *editMenu, services_.fontCatalog, services_.dialogs,
        [this] { return settingsPage->hintsShown(); }, this);
    // Before any field is filled, so stored texts cannot bring a line break in either.
    KeepFieldsOnOneLine(this);

    // A missing profiles folder means a first start, which opens on the About page.
    if (!std::filesystem::is_directory(profiles_->profilesFolder())) {
        pageTabs->setCurrentWidget(aboutPage);
        EnsureDataFolder(programFolder_, kProfilesFolder);
    }
    // Every start, so that a first start cut short (a full disk) is finished by a later one.
    installStarterSet(starterFolder);

    profiles_->fillProfileList(kDefaultProfile);
    settings_->loadSettings();
    profiles_->loadProfile(kDefaultProfile);

    connect(pageTabs, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
    setTitle();
    pageChanged();
    // Brings the smiley pane into the state the settings gave its button.
    smileyPane->smileButtonToggled();
}

MainWindow::~MainWindow() = default;

void MainWindow::installStarterSet(const std::filesystem::path& starterFolder) {
    if (starterFolder.empty()) {
        return;
    }
    try {
        InstallStarterSet(starterFolder, programFolder_);
    } catch (const std::filesystem::filesystem_error& error) {
        // The program works without its starter set; the user learns what is missing.
        services_.messages.error(this, QString::fromUtf8(error.what()));
    } catch (const FileWriteError& error) {
        services_.messages.error(this, QString::fromUtf8(error.what()));
    }
}

const std::string& MainWindow::resultText() const {
    return handMadePage->resultText();
}

void MainWindow::setTitle() {
    setWindowTitle(QString::fromLatin1(kApplicationTitle) + QLatin1Char(' ') +
                   QString::fromLatin1(kVersionText) + QString::fromLatin1(kCaptionTail));
}

QWidget* MainWindow::createFormattingPage() {
    auto* page = ui::Named(new QWidget, "FormatPage");
    formattingTabs = ui::Named(new QTabWidget, "PageControl2");
    formattingTabs->setTabPosition(QTabWidget::South);
    handMadePage = new FormattingPage(services_);
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
    livePreview = new LivePreview(programFolder_);
    // One build serves the meter and the strip, so both show what the copy would copy.
    lengthMeter = new LengthMeter([this] {
        buildCurrentResult();
        showLiveLine();
        return copiedReading();
    });
    profileBar = new ProfileBar;
    confirmationNote = new TransientNote;
    // Ctrl+Enter copies from anywhere in the window, the message above all.
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                &MainWindow::copyResult);
    }

    // The copy's confirmation takes the meter's place for its few seconds, so the row keeps its
    // width.
    connect(confirmationNote, &TransientNote::shownChanged, lengthMeter,
            [meter = lengthMeter](bool noteShown) { meter->setVisible(!noteShown); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(copyButton);
    bottom->addWidget(lengthMeter);
    bottom->addWidget(confirmationNote, 1);
    bottom->addStretch();
    bottom->addWidget(profileBar);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(formattingTabs, 1);
    layout->addWidget(livePreview);
    layout->addLayout(bottom);
    return page;
}

void MainWindow::pageChanged() {
    QWidget* page = pageTabs->currentWidget();
    if (page == formattingPage) {
        handMadePage->rebuildResult();
    } else if (page == previewPage) {
        showPreview();
    } else if (page == aboutPage) {
        aboutPage->showText();
    }
}

bool MainWindow::handMadePageActive() const {
    return formattingTabs->currentWidget() == handMadePage;
}

void MainWindow::connectSmileyPane() {
    smileyPane->setLayoutSource([this] {
        return SmileLayout{settingsPage->splitsSmileGroups(), settingsPage->smileGroupSize(),
                           settingsPage->frequentSmilesFirst()};
    });
    // Smileys go into the message only while the hand-made page shows it.
    smileyPane->setMarkerSink([this](const QString& marker) {
        if (pageTabs->currentWidget() != formattingPage || !handMadePageActive()) {
            return false;
        }
        handMadePage->insertIntoMessage(marker);
        return true;
    });
}

void MainWindow::createControllers() {
    settings_ = std::make_unique<SettingsController>(
        services_.registry, services_.messages,
        SettingsController::Controls{this, settingsPage, smileyPane, handMadePage, editMenu},
        services_.autostartCommand);
    profiles_ = new ProfileController(
        programFolder_, services_.messages, *settings_,
        ProfileController::Controls{this, profileBar, formattingTabs, handMadePage, templatePage,
                                    settingsPage, confirmationNote},
        this);
    sessionEnd_ = new SessionEnd(
        this,
        [this](const std::function<bool()>& mayTellUser) {
            return profiles_->saveOnClose(mayTellUser);
        },
        this);
    connect(tray_, &TrayController::closeChosen, this,
            [this] { sessionEnd_->end(SessionEnd::Way::kTrayMenu); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!sessionEnd_->end(SessionEnd::Way::kWindow)) {
        event->ignore();
        return;
    }
    settings_->setNicks({});
    event->accept();
}

void MainWindow::bringToFront() {
    tray_->bringToFront();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && tray_->minimizesToTray()) {
        // Hiding inside the state change confuses some window managers; do it right after.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) {
                tray_->minimizeToTray();
            }
        });
    }
}

void MainWindow::connectCopyButton() {
    resultCopier_ = new ResultCopier(*copyButton, *confirmationNote, services_.clipboard,
                                     services_.messages, this);
    connect(copyButton, &QPushButton::clicked, this, &MainWindow::copyResult);
    // The meter follows every input that changes what the button copies, the threshold included.
    for (QWidget* inputs :
         std::initializer_list<QWidget*>{handMadePage, templatePage, settingsPage}) {
        lengthMeter->watch(inputs);
    }
    connect(formattingTabs, &QTabWidget::currentChanged, lengthMeter,
            &LengthMeter::scheduleMeasure);
}

int MainWindow::activeThreshold() const {
    // Read where the build reads it, through the option table, so the copy's note and warning
    // and the meter go by the threshold the result was built for.
    return ThresholdInForce(handMadePage->formatterOptions());
}

void MainWindow::copyResult() {
    // Unchanged text and options keep the line the strip shows, random colours included.
    buildCurrentResult();
    const int threshold = activeThreshold();
    if (handMadePageActive()) {
        resultCopier_->copy(handMadePage->resultText(), threshold);
        handMadePage->drawNewRandomColor();
        // The next line, with the colour just drawn; its length is the copied one's.
        buildCurrentResult();
    } else {
        resultCopier_->copy(templateText_, threshold);
    }
    showLiveLine();
    lengthMeter->display(copiedReading());
}

const std::string& MainWindow::currentLine() const {
    return handMadePageActive() ? handMadePage->resultText() : templateText_;
}

void MainWindow::showLiveLine() {
    // A hidden strip is filled when it is shown again: its box's toggle schedules a measure.
    if (livePreview->isHidden()) {
        return;
    }
    livePreview->setLook(settingsPage->previewBackground(), settingsPage->previewWordWrap());
    livePreview->showLine(currentLine());
}

LengthMeter::Reading MainWindow::copiedReading() const {
    if (handMadePageActive()) {
        return {handMadePage->resultText().size(), activeThreshold(),
                handMadePage->lettersPerColor()};
    }
    return {templateText_.size(), activeThreshold(), 1};
}

void MainWindow::buildCurrentResult() {
    if (handMadePageActive()) {
        handMadePage->rebuildResult();
    } else {
        templatePage->buildLine();
    }
}

void MainWindow::showPreview() {
    buildCurrentResult();
    const std::string text = currentLine();
    templateText_ = text;
    previewPage->showText(text, settingsPage->previewBackground(), settingsPage->previewWordWrap());
}

void MainWindow::connectColorPanels() {
    const auto attach = [this](ColorPanel* panel) {
        connect(panel, &ColorPanel::mouseReleased, this,
                [this, panel](Qt::MouseButton button, QPoint globalPos) {
                    colorPanelClicked(panel, button, globalPos);
                });
    };
    templatePage->attachColorPanels(attach);
    settingsPage->attachColorPanels(attach);
}

void MainWindow::colorPanelClicked(ColorPanel* sender, Qt::MouseButton button, QPoint globalPos) {
    ChoosePanelColor(sender, button, globalPos, services_, this);
    handMadePage->colorPanelClicked();
}

void MainWindow::createEditMenu() {
    editMenu = new EditMenu(services_.clipboard, this);
    handMadePage->attachEditMenu([this](QWidget* control) { editMenu->attach(control); });
    templatePage->attachEditMenu([this](QWidget* control) { editMenu->attach(control); });
    profileBar->attachEditMenu([this](QWidget* control) { editMenu->attach(control); });
}

void MainWindow::openEditMenu(QWidget* target, QPoint globalPos) {
    editMenu->openOn(target, globalPos);
}

QWidget* MainWindow::editMenuTarget() const {
    return editMenu->target();
}

}  // namespace tagforge
