#include "app/kit/interval_prompter.h"

#include <QDialog>
#include <QMessageBox>

#include "app/kit/dialog_geometry.h"

namespace vnk::interval_screens {

void WidgetPrompter::stop(const QString& text, const QString& caption) {
    QMessageBox::critical(parent_, caption, text, QMessageBox::Ok);
}

int WidgetPrompter::run(QDialog& screen) {
    screens::PrepareModalScreen(screen);
    return screen.exec();
}

}  // namespace vnk::interval_screens
