#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <functional>

namespace tagforge {

// The page of the smiley pane. Every navigation, the loading of the pane's own page included, is
// first put to `beforeNavigation`, which says whether it may go on.
class SmileWebPage final : public QWebEnginePage {
    Q_OBJECT

  public:
    SmileWebPage(std::function<bool(const QUrl&)> beforeNavigation, QObject* parent = nullptr);

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

  private:
    std::function<bool(const QUrl&)> beforeNavigation_;
};

}  // namespace tagforge
