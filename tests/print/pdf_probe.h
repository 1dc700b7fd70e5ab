// Reads written PDF files back with the poppler command-line tools.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace vnk::test {

inline QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A field of pdfinfo's report, such as "Pages" or "Title".
inline QString PdfInfo(const QString& path, const QString& field) {
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

inline int PdfPages(const QString& path) {
    bool ok = false;
    const int pages = PdfInfo(path, QStringLiteral("Pages")).toInt(&ok);
    return ok ? pages : -1;
}

// The text of pages first..last (all pages when both are 0), as pdftotext reads it.
inline QString PdfTextWithPageNumbers(const QString& path, int first = 0, int last = 0) {
    QStringList args;
    if (first > 0) args << QStringLiteral("-f") << QString::number(first);
    if (last > 0) args << QStringLiteral("-l") << QString::number(last);
    args << path << QStringLiteral("-");
    return RunTool(QStringLiteral("pdftotext"), args);
}

// The report text of pages first..last: without the page-number line at each page's foot.
inline QString PdfText(const QString& path, int first = 0, int last = 0) {
    QString text = PdfTextWithPageNumbers(path, first, last);
    text.remove(QRegularExpression(QStringLiteral("^Page \\d+ of \\d+\\n"),
                                   QRegularExpression::MultilineOption));
    return text;
}

inline QString WithoutWhitespace(QString s) {
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

}  // namespace vnk::test
