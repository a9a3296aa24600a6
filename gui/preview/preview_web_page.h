#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <filesystem>

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

// Pages name smiley images "Smiles\name.GIF" while the file may be "name.gif". Where file names
// are case-sensitive, a request for an image of the program's Smiles folder that is missing as
// spelt goes to the file of that name in another case.
class SmileImageInterceptor final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

  public:
    explicit SmileImageInterceptor(std::filesystem::path programFolder, QObject* parent = nullptr);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

  private:
    std::filesystem::path programFolder_;
};

}  // namespace tagforge
