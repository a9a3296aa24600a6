#include "gui/formatting/result_memo.h"

#include "gui/common/text_bridge.h"

namespace tagforge {

ResultMemo::ResultMemo(QWidget* parent) : QWidget(parent) {
    setVisible(false);
}

QString ResultMemo::toPlainText() const {
    return FromCp1251(bytes_);
}

}  // namespace tagforge
