#include "app/kit/message_sink.h"

#include <QMessageBox>

namespace vnk::screens {

void BoxMessageSink::message(QWidget* parent, const QString& caption, const QString& text,
                             MessageIcon icon) {
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Information:
            boxIcon = QMessageBox::Information;
            break;
        case MessageIcon::Question:
            boxIcon = QMessageBox::Question;
            break;
        case MessageIcon::Exclamation:
            boxIcon = QMessageBox::Warning;
            break;
        case MessageIcon::Stop:
            boxIcon = QMessageBox::Critical;
            break;
    }
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace vnk::screens
