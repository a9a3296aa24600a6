#include <QComboBox>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "gui/app/tform1.h"
#include "gui/menus/font_manager.h"

namespace tagforge {

namespace {

constexpr int kPictureSide = 16;

// A letter in a serif face, for desktops whose icon theme has no font picture.
QIcon LetterPicture(const QColor& ink) {
    QPixmap picture(kPictureSide, kPictureSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont face(QStringLiteral("serif"));
    face.setStyleHint(QFont::Serif);
    face.setBold(true);
    face.setPixelSize(kPictureSide - 2);
    painter.setFont(face);
    painter.setPen(ink);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("A"));
    return QIcon(picture);
}

}  // namespace

void TForm1::ConnectFontManager() {
    SpeedButton13->setIcon(QIcon::fromTheme(QStringLiteral("preferences-desktop-font"),
                                            LetterPicture(palette().color(QPalette::ButtonText))));
    connect(SpeedButton13, &QPushButton::clicked, this, &TForm1::SpeedButton13Click);
}

void TForm1::SpeedButton13Click() {
    TFontForm form(*this, services_.fontCatalog);
    services_.dialogs.exec(form);
    // A runner that only hid the window still leaves the choice made in it.
    form.FormClose();
}

}  // namespace tagforge
