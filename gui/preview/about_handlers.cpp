#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/preview/about_text.h"
#include "gui/app/main_window.h"
#include "gui/app/text_bridge.h"
#include "gui/app/widget_factory.h"

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

QWidget* MainWindow::createAboutPage() {
    auto* page = ui::Named(new QWidget, "AboutPage");
    aboutMemo = ui::Named(new QPlainTextEdit, "Memo1");
    aboutMemo->setReadOnly(true);
    aboutMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    aboutMemo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));

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

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(aboutMemo, 1);
    layout->addWidget(panel);
    return page;
}

void MainWindow::showAbout() {
    aboutMemo->hide();
    aboutMemo->clear();
    for (const std::string& line : AboutLines()) {
        aboutMemo->appendPlainText(FromCp1251(line));
    }
    aboutMemo->show();
}

void MainWindow::writeEmail() {
    services_.urls.open(FromCp1251(MailToAddress()));
}

void MainWindow::openHomePage() {
    services_.urls.open(Text(kMakerHomePage));
}

}  // namespace tagforge
