#include "gui/preview/preview_web_page.h"

#include <QWebEngineSettings>
#include <utility>

#include "core/smileys/smile_images.h"
#include "gui/common/text_bridge.h"

namespace tagforge {

PreviewWebPage::PreviewWebPage(QObject* parent) : QWebEnginePage(parent) {
    // The message is the user's own HTML; in the preview it is only looked at.
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
}

bool PreviewWebPage::acceptNavigationRequest(const QUrl& url, NavigationType /*type*/,
                                             bool isMainFrame) {
    return !isMainFrame || url == allowed_;
}

SmileImageInterceptor::SmileImageInterceptor(std::filesystem::path programFolder, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent), programFolder_(std::move(programFolder)) {}

void SmileImageInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    if (!url.isLocalFile()) {
        return;
    }
    const auto found = CaseBlindSmileImage(programFolder_, ToPath(url.toLocalFile()));
    if (found) {
        info.redirect(QUrl::fromLocalFile(QString::fromStdString(found->string())));
    }
}

}  // namespace tagforge
