#include "gui/about/about_page.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/preview/about_text.h"
#include "gui/common/text_bridge.h"
#include "gui/common/widget_factory.h"
#include "gui/platform/platform_services.h"

namespace tagforge {

namespace {

QString Text(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

QLineEdit* ContactField(const char* name, const QString& text, const QString& hint,
                        bool clickable) {
    auto* field = ui::LineEdit(name, hint);
    field->setText(text);
    field->setReadOnly(true);
    field->setFrame(false);
    field->setStyleSheet(QStringLiteral("QLineEdit { color: blue; background: transparent; }"));
    if (clickable) {
        field->setCursor(Qt::PointingHandCursor);
    }
    return field;
}

}  // namespace

AboutPage::AboutPage(UrlOpener& urls, QWidget* parent) : QWidget(parent), urls_(urls) {
    setObjectName(QStringLiteral("AboutPage"));
    textMemo = ui::Named(new QPlainTextEdit, "Memo1");
    textMemo->setReadOnly(true);
    textMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textMemo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));

    emailEdit = ContactField("Edit3", Text(kMakerEmail), QStringLiteral("Напиши письмецо"), true);
    homePageEdit = ContactField("Edit4", Text(kMakerHomePage),
                                QStringLiteral("Зайди на домашнюю страницу"), true);
    icqEdit = ContactField("Edit2", QStringLiteral("ICQ: ") + Text(kMakerIcq),
                           QStringLiteral("Постучись в аську"), false);
    emailEdit->installEventFilter(this);
    homePageEdit->installEventFilter(this);

    auto* panel = ui::Named(new QWidget, "Panel1");
    auto* contacts = new QHBoxLayout(panel);
    contacts->setContentsMargins(0, 0, 0, 0);
    contacts->addWidget(emailEdit);
    contacts->addWidget(homePageEdit);
    contacts->addWidget(icqEdit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textMemo, 1);
    layout->addWidget(panel);
}

void AboutPage::showText() {
    textMemo->hide();
    textMemo->clear();
    for (const std::string& line : AboutLines()) {
        textMemo->appendPlainText(FromCp1251(line));
    }
    textMemo->show();
}

void AboutPage::writeEmail() {
    urls_.open(FromCp1251(MailToAddress()));
}

void AboutPage::openHomePage() {
    urls_.open(Text(kMakerHomePage));
}

bool AboutPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == emailEdit) {
            writeEmail();
        } else if (watched == homePageEdit) {
            openHomePage();
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tagforge
