// The one seam through which the interval screens show message boxes and run modal screens,
// so tests answer them without timers.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace vnk::interval_screens {

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box with a stop icon and OK.
    virtual void stop(const QString& text, const QString& caption) = 0;
    // Runs the screen modally; returns its QDialog result.
    virtual int run(QDialog& screen) = 0;
};

// Real message boxes and exec().
class WidgetPrompter : public Prompter {
public:
    explicit WidgetPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void stop(const QString& text, const QString& caption) override;
    int run(QDialog& screen) override;

private:
    QWidget* parent_;
};

}  // namespace vnk::interval_screens
