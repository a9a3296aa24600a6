#include "gui/smileys/smile_web_page.h"

#include <QFile>
#include <QWebEngineSettings>
#include <utility>

namespace tagforge {

SmileWebPage::SmileWebPage(std::function<bool(const QUrl&)> beforeNavigation, QObject* parent)
    : QWebEnginePage(parent), beforeNavigation_(std::move(beforeNavigation)) {
    // Smiley names come from files anyone may hand the user; a click works through the
    // navigation handler, so nothing on the page needs to run.
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
}

void SmileWebPage::showPageFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    pendingPage_ = QUrl::fromLocalFile(path);
    setContent(file.readAll(), QStringLiteral("text/html;charset=windows-1251"), pendingPage_);
}

bool SmileWebPage::acceptNavigationRequest(const QUrl& url, NavigationType /*type*/,
                                           bool /*isMainFrame*/) {
    // Handed-over content arrives as a data: address; it stands for the page file.
    if (url.scheme() == QLatin1String("data") && !pendingPage_.isEmpty()) {
        return beforeNavigation_(std::exchange(pendingPage_, QUrl()));
    }
    return beforeNavigation_(url);
}

}  // namespace tagforge
