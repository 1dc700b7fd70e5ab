// The program's prompter behind the smaller seams of the screen libraries: the model screens'
// message sink and the interval screens' prompter, so every box and modal screen they show
// still goes through the one prompter that tests script.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <string>
#include <vector>

#include "app/kit/prompter.h"
#include "app/kit/interval_prompter.h"
#include "print/print_report.h"
#include "app/kit/message_sink.h"

namespace vnk::app {

class PrompterMessages : public screens::MessageSink {
public:
    explicit PrompterMessages(Prompter& prompter) : prompter_(prompter) {}
    void message(QWidget* parent, const QString& caption, const QString& text,
                 screens::MessageIcon icon) override {
        prompter_.message(parent, Message{caption, text, static_cast<MessageIcon>(icon)});
    }

private:
    Prompter& prompter_;
};

// Also opens the model's help page from the Help button of each interval screen it runs.
class PrompterIntervalScreens : public interval_screens::Prompter {
public:
    PrompterIntervalScreens(app::Prompter& prompter, QWidget* parent)
        : prompter_(prompter), parent_(parent) {}
    void stop(const QString& text, const QString& caption) override {
        prompter_.error(parent_, text, caption);
    }
    int run(QDialog& screen) override;

private:
    app::Prompter& prompter_;
    QWidget* parent_;
};

// Prints report pages, each from a new page, after the prompter's print screen.
inline void PrintPages(Prompter& prompter, const std::vector<std::string>& pages,
                       QWidget* parent) {
    print::PrintReport(pages, true, parent, [&prompter](QPrinter& printer, QWidget* p) {
        return prompter.setUpPrinter(printer, p);
    });
}

}  // namespace vnk::app
