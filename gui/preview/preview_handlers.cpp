#include <QCheckBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "core/preview/preview_page.h"
#include "core/store/atomic_file.h"
#include "gui/app/main_window.h"
#include "gui/app/result_memo.h"
#include "gui/app/text_bridge.h"
#include "gui/pickers/color_panel.h"
#include "gui/preview/preview_web_page.h"

namespace tagforge {

QWidget* MainWindow::createPreviewPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PreviewPage"));
    previewBrowser = new QWebEngineView;
    previewBrowser->setObjectName(QStringLiteral("CppWebBrowser1"));
    auto* webPage = new PreviewWebPage(previewBrowser);
    webPage->setUrlRequestInterceptor(new SmileImageInterceptor(programFolder_, webPage));
    previewBrowser->setPage(webPage);
    previewBrowser->setContextMenuPolicy(Qt::NoContextMenu);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(previewBrowser);
    return page;
}

void MainWindow::showPreview() {
    buildCurrentResult();
    const std::string text = handMadePageActive() ? resultMemo->bytes() : templateText_;
    templateText_ = text;
    try {
        WritePreviewPage(programFolder_, BuildPreviewPage(text, previewBackgroundPanel->color(),
                                                          previewWordWrapCheck->isChecked()));
    } catch (const FileWriteError& error) {
        // The view keeps the page it showed last.
        services_.messages.error(this, QString::fromStdString(error.what()));
        return;
    }
    const QUrl url =
        QUrl::fromLocalFile(QString::fromStdString(PreviewPagePath(programFolder_).string()));
    static_cast<PreviewWebPage*>(previewBrowser->page())->setAllowedUrl(url);
    previewBrowser->load(url);
}

}  // namespace tagforge
