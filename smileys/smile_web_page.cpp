#include "smileys/smile_web_page.h"

#include <QWebEngineSettings>
#include <utility>

namespace tagforge {

SmileWebPage::SmileWebPage(std::function<bool(const QUrl&)> beforeNavigation, QObject* parent)
    : QWebEnginePage(parent), beforeNavigation_(std::move(beforeNavigation)) {
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
}

bool SmileWebPage::acceptNavigationRequest(const QUrl& url, NavigationType /*type*/,
                                           bool /*isMainFrame*/) {
    return beforeNavigation_(url);
}

}  // namespace tagforge
