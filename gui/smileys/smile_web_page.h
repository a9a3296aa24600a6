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

    // Shows the page file. The file declares no code page, and the browser's guess misreads
    // Cyrillic names, so its bytes are handed over as Windows-1251 with the file as their address.
    void showPageFile(const QString& path);

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

  private:
    std::function<bool(const QUrl&)> beforeNavigation_;
    // The file address of the page being handed over, until its navigation request arrives.
    QUrl pendingPage_;
};

}  // namespace tagforge
