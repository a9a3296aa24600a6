#include "gui/common/application_icon.h"

#include <QDir>
#include <QSize>
#include <QString>

namespace tagforge {

QIcon ApplicationIcon() {
    // One folder per size, named by it, so the sizes are listed once, where the build draws them.
    const QDir folder(QStringLiteral(":/icons"));
    QIcon icon;
    for (const QString& size : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const int side = size.toInt(&isNumber);
        if (isNumber) {
            icon.addFile(folder.filePath(size + QStringLiteral("/ru.orbelsoft.TagForge.png")),
                         QSize(side, side));
        }
    }
    return icon;
}

}  // namespace tagforge
