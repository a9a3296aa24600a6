#include "gui/formatting/formatting_page.h"

#include <QComboBox>

#include "core/options/option_table.h"

namespace tagforge {

FormattingPage::FormattingPage(PlatformServices services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("HandMadePage"));
    controls_->setUp(*this, services_);
    connectControls();
    for (long size = 1; size <= kFontSizeCount; ++size) {
        controls_->fontSizeBox->addItem(QString::number(size));
    }
    controls_->fontSizeBox->setCurrentIndex(FontSizeEntry(Profile{}.fontSize));
}

}  // namespace tagforge
