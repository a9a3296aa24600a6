#include "gui/preview/preview_tab.h"

#include <QVBoxLayout>
#include <QWebEngineView>

#include "core/preview/preview_page.h"
#include "core/store/atomic_file.h"
#include "gui/common/text_bridge.h"
#include "gui/platform/platform_services.h"
#include "gui/preview/preview_web_page.h"

namespace tagforge {

PreviewTab::PreviewTab(std::filesystem::path programFolder, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), programFolder_(std::move(programFolder)), messages_(messages) {
    setObjectName(QStringLiteral("PreviewPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void PreviewTab::createBrowser() {
    browser = new QWebEngineView;
    browser->setObjectName(QStringLiteral("CppWebBrowser1"));
    webPage = new PreviewWebPage(browser);
    webPage->setUrlRequestInterceptor(new SmileImageInterceptor(programFolder_, webPage));
    browser->setPage(webPage);
    browser->setContextMenuPolicy(Qt::NoContextMenu);
    layout()->addWidget(browser);
}

void PreviewTab::showText(const std::string& text, ColorValue background, bool wordWrap) {
    if (browser == nullptr) {
        // Made even when the page cannot be written, so the page never shows without its view.
        createBrowser();
    }
    try {
        // Straight into the file: a long message's page is not held in memory once more.
        WritePreviewPage(programFolder_, text, background, wordWrap);
    } catch (const FileWriteError& error) {
        messages_.error(window(), QString::fromStdString(error.what()));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(FromPath(PreviewPagePath(programFolder_)));
    webPage->setAllowedUrl(url);
    browser->load(url);
}

}  // namespace tagforge
