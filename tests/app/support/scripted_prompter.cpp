#include "support/scripted_prompter.h"

#include <QDir>
#include <QPrinter>
#include <QPushButton>

namespace vnk::app::test {

QMessageBox::StandardButton ScriptedPrompter::message(QWidget*, const Message& m) {
    messages.append({m.caption, m.text, m.icon, m.buttons});
    // A box with OK alone asks nothing; the queued answers are for the questions.
    if (m.buttons == QMessageBox::Ok) return QMessageBox::Ok;
    if (!answers.isEmpty()) {
        const auto button = answers.takeFirst();
        if (!(m.buttons & button))
            problems << QStringLiteral("answer not offered by \"%1\"").arg(m.text);
        return button;
    }
    problems << QStringLiteral("no answer for \"%1\"").arg(m.text);
    return m.buttons & QMessageBox::Cancel ? QMessageBox::Cancel : QMessageBox::No;
}

int ScriptedPrompter::exec(QDialog& screen) {
    screens << screen.windowTitle();
    if (scripts_.isEmpty() && everyScreen) {
        everyScreen(screen);
        return screen.result();
    }
    if (scripts_.isEmpty()) {
        problems << QStringLiteral("no script for screen \"%1\"").arg(screen.windowTitle());
        return QDialog::Rejected;
    }
    const Script script = scripts_.takeFirst();
    bool closed = false;
    const auto connection =
        QObject::connect(&screen, &QDialog::finished, [&closed] { closed = true; });
    if (!script.run(screen)) {
        problems << QStringLiteral("screen \"%1\" is not the %2 the script expected")
                        .arg(screen.windowTitle(), script.type);
        QObject::disconnect(connection);
        return QDialog::Rejected;
    }
    QObject::disconnect(connection);
    if (!closed) {
        problems << QStringLiteral("screen \"%1\" was left open").arg(screen.windowTitle());
        return QDialog::Rejected;
    }
    return screen.result();
}

QString ScriptedPrompter::openFileName(QWidget*, const FileChoice& choice) {
    fileChoices << choice;
    return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
}

QString ScriptedPrompter::saveFileName(QWidget*, const FileChoice& choice) {
    fileChoices << choice;
    return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
}

void ScriptedPrompter::help(QWidget*, const QString& page) { helpPages << page; }

bool ScriptedPrompter::setUpPrinter(QPrinter& printer, QWidget*) {
    ++printScreens;
    if (pdfFolder.isEmpty()) return false;
    const QString path = QDir(pdfFolder).filePath(QStringLiteral("print-%1.pdf").arg(printScreens));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    pdfFiles << path;
    return true;
}

bool ScriptedPrompter::setUpReportPrinter(QPrinter& printer, QWidget* parent, bool& withCharts) {
    withCharts = printWithCharts;
    return setUpPrinter(printer, parent);
}

QStringList ScriptedPrompter::messageTexts() const {
    QStringList texts;
    for (const ShownMessage& m : messages) texts << m.text;
    return texts;
}

QStringList ScriptedPrompter::messageCaptions() const {
    QStringList captions;
    for (const ShownMessage& m : messages) captions << m.caption;
    return captions;
}

QStringList ScriptedPrompter::messageLines() const {
    QStringList lines;
    for (const ShownMessage& m : messages) lines << m.caption + QStringLiteral(": ") + m.text;
    return lines;
}

void Click(QDialog& screen, const QString& name) {
    auto* button = screen.findChild<QPushButton*>(name);
    if (!button) qFatal("no button %s on %s", qPrintable(name), qPrintable(screen.windowTitle()));
    button->click();
}

}  // namespace vnk::app::test
