#pragma once

#include <QUrl>
#include <QWebEnginePage>

namespace tagforge {

// The preview shows only the page the program wrote: links in the message and scripts in it do
// not take the view anywhere else.
class PreviewWebPage final : public QWebEnginePage {
    Q_OBJECT

  public:
    explicit PreviewWebPage(QObject* parent = nullptr);

    void setAllowedUrl(const QUrl& url) { allowed_ = url; }

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

  private:
    QUrl allowed_;
};

}  // namespace tagforge
