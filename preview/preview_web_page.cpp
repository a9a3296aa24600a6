#include "preview/preview_web_page.h"

#include <QWebEngineSettings>

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

}  // namespace tagforge
