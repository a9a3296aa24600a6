#include "gui/smileys/copy_progress.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace tagforge {

namespace {

constexpr int kClientWidth = 446;
constexpr int kClientHeight = 16;

}  // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form3"));
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ProgressBar1);
    setFixedSize(kClientWidth, kClientHeight);
}

}  // namespace tagforge
