#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "gui/app/text_bridge.h"
#include "gui/app/tform1.h"
#include "gui/app/widget_factory.h"
#include "core/preview/about_text.h"

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

QWidget* TForm1::CreateAboutPage() {
    auto* page = ui::Named(new QWidget, "AboutPage");
    Memo1 = ui::Named(new QPlainTextEdit, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));

    Edit3 = ContactField("Edit3", Text(kMakerEmail), QStringLiteral("Напиши письмецо"), true);
    Edit4 = ContactField("Edit4", Text(kMakerHomePage),
                         QStringLiteral("Зайди на домашнюю страницу"), true);
    Edit2 = ContactField("Edit2", QStringLiteral("ICQ: ") + Text(kMakerIcq),
                         QStringLiteral("Постучись в аську"), false);
    Edit3->installEventFilter(this);
    Edit4->installEventFilter(this);

    auto* panel = ui::Named(new QWidget, "Panel1");
    auto* contacts = new QHBoxLayout(panel);
    contacts->setContentsMargins(0, 0, 0, 0);
    contacts->addWidget(Edit3);
    contacts->addWidget(Edit4);
    contacts->addWidget(Edit2);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Memo1, 1);
    layout->addWidget(panel);
    return page;
}

void TForm1::AboutPageShow() {
    Memo1->hide();
    Memo1->clear();
    for (const std::string& line : AboutLines()) {
        Memo1->appendPlainText(FromCp1251(line));
    }
    Memo1->show();
}

void TForm1::Edit3Click() {
    services_.urls.open(FromCp1251(MailToAddress()));
}

void TForm1::Edit4Click() {
    services_.urls.open(Text(kMakerHomePage));
}

}  // namespace tagforge
