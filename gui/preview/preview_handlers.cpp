#include <QCheckBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "gui/app/result_memo.h"
#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/pickers/color_panel.h"
#include "core/preview/preview_page.h"
#include "gui/preview/preview_web_page.h"
#include "core/store/atomic_file.h"

namespace tagforge {

QWidget* TForm1::CreatePreviewPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PreviewPage"));
    CppWebBrowser1 = new QWebEngineView;
    CppWebBrowser1->setObjectName(QStringLiteral("CppWebBrowser1"));
    auto* previewPage = new PreviewWebPage(CppWebBrowser1);
    previewPage->setUrlRequestInterceptor(new SmileImageInterceptor(programFolder_, previewPage));
    CppWebBrowser1->setPage(previewPage);
    CppWebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CppWebBrowser1);
    return page;
}

void TForm1::PreviewPageShow() {
    BuildCurrentResult();
    const std::string text = HandMadePageActive() ? ResultText->bytes() : templateText_;
    templateText_ = text;
    try {
        WritePreviewPage(programFolder_,
                         BuildPreviewPage(text, Image2->color(), cbWordWrap->isChecked()));
    } catch (const FileWriteError& error) {
        // The view keeps the page it showed last.
        services_.messages.error(this, QString::fromStdString(error.what()));
        return;
    }
    const QUrl url =
        QUrl::fromLocalFile(QString::fromStdString(PreviewPagePath(programFolder_).string()));
    static_cast<PreviewWebPage*>(CppWebBrowser1->page())->setAllowedUrl(url);
    CppWebBrowser1->load(url);
}

}  // namespace tagforge
