#include "gui/smileys/copy_progress.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace tagforge {

namespace {

constexpr int kClientWidth = 446;
constexpr int kClientHeight = 16;

}  // namespace

CopyProgressWindow::CopyProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form3"));
    progressBar = new QProgressBar;
    progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(progressBar);
    setFixedSize(kClientWidth, kClientHeight);
}

void CopyProgressWindow::setProgress(int percent) {
    progressBar->setValue(percent);
}

}  // namespace tagforge
