// The seam through which the model screens show a message box. The application answers with
// its prompter; tests record the messages, so no test waits on a real box.
#pragma once

#include <QString>

class QWidget;

namespace vnk::screens {

enum class MessageIcon { None, Information, Question, Exclamation, Stop };

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void message(QWidget* parent, const QString& caption, const QString& text,
                         MessageIcon icon) = 0;
};

// Real message boxes, for callers that have no prompter of their own.
class BoxMessageSink : public MessageSink {
  public:
    void message(QWidget* parent, const QString& caption, const QString& text,
                 MessageIcon icon) override;
};

}  // namespace vnk::screens
