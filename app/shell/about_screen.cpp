#include "app/shell/about_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/shell/artwork.h"

namespace vnk::app {

AboutScreen::AboutScreen(Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("About Varnok 3"), help_page::kHelpMenu, parent) {
    auto* row = new QHBoxLayout;
    auto* logo = new QLabel(this);
    logo->setPixmap(ProgramIcon().pixmap(64, 64));
    logo->setAlignment(Qt::AlignTop);
    auto* words = new QLabel(this);
    words->setObjectName(QStringLiteral("aboutText"));
    words->setTextFormat(Qt::RichText);
    words->setText(
        QStringLiteral("<b>%1</b> Version %2<br><br>"
                       "Reliability estimation of software, hardware and systems<br>"
                       "from their failure history.")
            .arg(QString::fromLatin1(text::kAppTitle), QString::fromLatin1(text::kVersion)));
    row->addWidget(logo);
    row->addSpacing(12);
    row->addWidget(words, 1);
    body()->addLayout(row);
    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &QDialog::accept);
}

}  // namespace vnk::app
