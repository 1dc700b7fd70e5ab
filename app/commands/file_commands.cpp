#include "app/commands/file_commands.h"

#include <QFile>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>

#include "app/commands/save_guard.h"
#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "app/screens/data/descriptor_screens.h"
#include "app/screens/data/input_file_format_screen.h"
#include "app/shell/document.h"
#include "data/data_file.h"

namespace vnk::app {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// "Error Opening File" with Retry and Cancel; true for Retry.
bool retryOpening(const CommandContext& ctx) {
    return ctx.prompter.message(
               ctx.parent, {QString::fromLatin1(text::kAppTitle), qs(kErrorOpeningFileMessage),
                            MessageIcon::Exclamation, QMessageBox::Retry | QMessageBox::Cancel}) ==
           QMessageBox::Retry;
}

bool writeTo(const CommandContext& ctx, const QString& path) {
    FailureDataSet& set = ctx.doc.data();
    if (!ConfirmWrite(ctx, path)) return false;
    for (;;) {
        switch (SaveDataFile(set, toPath(path))) {
            case SaveStatus::Saved:
                ctx.doc.dataFileKind.written(set);
                NoteWhatIsNotStored(ctx);
                return true;
            case SaveStatus::Incomplete:
                ctx.prompter.error(ctx.parent, qs(kIncompleteDataSetMessage));
                return false;
            case SaveStatus::NotSavable:
                ctx.prompter.error(ctx.parent, qs(kCannotSaveDataMessage));
                return false;
            case SaveStatus::CannotWrite:
                if (!retryOpening(ctx)) return false;
                break;
        }
    }
}

FileChoice dataFileToOpen() {
    return {QStringLiteral("Open"), QStringLiteral("Varnok Data (*.V3D *.v3d);;All Files (*)"), {}};
}

// The answers a TBF read asks for: the error history when failure types are missing, and
// whether a failure ended the last entry.
// Lines whose time column held no number leave their entries without a time; say how many,
// rather than let them pass unnoticed into the models.
void reportMissingTimes(const CommandContext& ctx, int firstEntry, const ColumnLayout& layout) {
    const FailureDataSet& set = ctx.doc.data();
    if (std::find(layout.begin(), layout.end(), field_code::kTimeBetweenFailures) == layout.end())
        return;
    int missing = 0;
    for (int i = firstEntry; i <= set.tbfCount; ++i)
        if (set.tbf(TbfField::TimeBetweenFailures, i) < 0.0) ++missing;
    if (missing == 0) return;
    ctx.prompter.information(ctx.parent, QString::fromLatin1(text::kEntriesWithoutTime)
                                             .arg(missing)
                                             .arg(set.tbfCount - firstEntry + 1));
}

void completeTbfRead(const CommandContext& ctx, const TbfReadResult& read) {
    FailureDataSet& set = ctx.doc.data();
    if (read.askErrorHistory) {
        ErrorHistoryScreen screen(ctx.prompter, ctx.parent);
        const bool ok = ctx.prompter.exec(screen) == QDialog::Accepted;
        ApplyMissingFailureType(set, ok ? screen.choice() : ErrorHistory::None);
    }
    if (read.askFailureAtEnd) {
        const auto answer = ctx.prompter.question(ctx.parent, qs(kFailureAtEndQuestion),
                                                  QMessageBox::Yes | QMessageBox::No);
        ApplyFailureAtEnd(set, answer == QMessageBox::Yes);
    }
}

// Lines that were not data are named and skipped only on the user's word; lines left out at the
// capacity are said. False when the user would rather not use the read.
bool acceptReadProblems(const CommandContext& ctx, const ReadProblems& problems) {
    if (!problems.note.empty()) ctx.prompter.information(ctx.parent, qs(problems.note));
    if (problems.refusedLineCount == 0) return true;
    QString text;
    for (const std::string& line : problems.refusedLines) text += qs(line) + QLatin1Char('\n');
    if (problems.refusedLineCount > static_cast<int>(problems.refusedLines.size()))
        text += QStringLiteral("(%1 such lines in all)\n").arg(problems.refusedLineCount);
    text += QStringLiteral("\nSkip these lines and use the rest of the file?");
    return ctx.prompter.question(ctx.parent, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

// Opens the chosen file for a read, offering Retry while it cannot be opened.
template <class Read>
auto readWithRetry(const CommandContext& ctx, Read read) -> std::optional<decltype(read())> {
    for (;;) {
        auto result = read();
        if (result.status == FileStatus::Ok) return result;
        if (!retryOpening(ctx)) return std::nullopt;
    }
}

// A chosen file that is plainly not text is refused before any question is asked.
bool refuseBinary(const CommandContext& ctx, const QString& path) {
    if (LooksLikeTextFile(path)) return false;
    ctx.prompter.error(ctx.parent, QString::fromLatin1(text::kNotATextFile));
    return true;
}

}  // namespace

bool LooksLikeTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return true;
    const QByteArray head = file.read(4096);
    qsizetype control = 0;
    for (char c : head) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0) return false;
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v') ++control;
    }
    // A few stray control characters can occur in text; many cannot.
    return control * 100 <= head.size();
}

bool SaveDataAs(const CommandContext& ctx) {
    if (!ctx.doc.data().isComplete()) {
        ctx.prompter.error(ctx.parent, qs(kIncompleteDataSetMessage));
        return false;
    }
    const QString path = ctx.prompter.saveFileName(
        ctx.parent,
        {QStringLiteral("Save As"), QStringLiteral("Varnok3 Data (*.V3D)"), QStringLiteral("V3D")});
    if (path.isEmpty()) return false;
    return writeTo(ctx, path);
}

bool SaveData(const CommandContext& ctx) {
    const std::string& current = ctx.doc.data().currentFileName;
    if (current.empty()) return SaveDataAs(ctx);
    return writeTo(ctx, QFile::decodeName(QByteArray::fromStdString(current)));
}

bool OfferSaveBeforeNew(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    if (!set.dataChanged) return true;
    const auto answer =
        ctx.prompter.message(ctx.parent, {QString::fromLatin1(text::kAppTitle),
                                          QString::fromLatin1(text::kSavePreviousData),
                                          MessageIcon::Stop, QMessageBox::Yes | QMessageBox::No});
    if (answer == QMessageBox::Yes) return SaveData(ctx);
    set.dataChanged = false;
    return true;
}

bool OfferSaveBeforeClose(const CommandContext& ctx) {
    if (!ctx.doc.data().dataChanged) return true;
    const auto answer =
        ctx.prompter.question(ctx.parent, QString::fromLatin1(text::kSavePreviousData),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) return SaveData(ctx);
    return true;
}

void NewFromFile(const CommandContext& ctx) {
    if (!OfferSaveBeforeNew(ctx)) return;
    ctx.doc.clearForNewData();
    const QString path = ctx.prompter.openFileName(ctx.parent, dataFileToOpen());
    if (path.isEmpty()) return;
    ReadNewDataFile(ctx, path);
}

void ReadNewDataFile(const CommandContext& ctx, const QString& path) {
    FailureDataSet& set = ctx.doc.data();
    if (refuseBinary(ctx, path)) return;

    DataTypeScreen type(ctx.prompter, ctx.parent);
    if (ctx.prompter.exec(type) != QDialog::Accepted) {
        set.dataKind = DataKind::None;
        return;
    }
    set.dataKind = type.choice();

    if (set.dataKind == DataKind::Tbf) {
        InputFileFormatScreen format(ctx.prompter, ctx.parent);
        if (ctx.prompter.exec(format) != QDialog::Accepted) return;
        const auto read =
            readWithRetry(ctx, [&] { return ReadTbfFile(set, toPath(path), format.layout()); });
        if (!read) return;
        if (!acceptReadProblems(ctx, read->problems)) {
            set.clearTbfEntries();
            set.tbfCount = 0;
            set.dataKind = DataKind::None;
            set.errorHistory = ErrorHistory::None;
            return;
        }
        if (read->linesRead == 0) {
            // Nothing to derive a history from: the set stays incomplete.
            set.errorHistory = ErrorHistory::None;
            ctx.prompter.information(ctx.parent, QString::fromLatin1(text::kEmptyDataFile));
            return;
        }
        reportMissingTimes(ctx, 1, format.layout());
        completeTbfRead(ctx, *read);
    } else if (set.dataKind == DataKind::Interval) {
        ErrorHistoryScreen history(ctx.prompter, ctx.parent);
        const bool ok = ctx.prompter.exec(history) == QDialog::Accepted;
        if (!ApplyIntervalErrorHistory(set, ok ? history.choice() : ErrorHistory::None)) return;
        auto read = readWithRetry(ctx, [&] { return ReadIntervalFile(set, toPath(path)); });
        if (read && !acceptReadProblems(ctx, read->problems)) read.reset();
        if (!read) {
            set.dataKind = DataKind::None;
            set.errorHistory = ErrorHistory::None;
            return;
        }
        if (read->linesRead == 0) {
            set.dataKind = DataKind::None;
            set.errorHistory = ErrorHistory::None;
            ctx.prompter.information(ctx.parent, QString::fromLatin1(text::kEmptyDataFile));
            return;
        }
        // The intervals now come from this file: Save writes back to it, not to whatever
        // file was read before.
        set.currentFileName = toPath(path).string();
    }
}

void AppendFromFile(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    if (set.dataKind != DataKind::Tbf) return;
    const QString path = ctx.prompter.openFileName(ctx.parent, dataFileToOpen());
    if (path.isEmpty() || refuseBinary(ctx, path)) return;
    InputFileFormatScreen format(ctx.prompter, ctx.parent);
    if (ctx.prompter.exec(format) != QDialog::Accepted) return;
    const int before = set.tbfCount;
    const auto read =
        readWithRetry(ctx, [&] { return AppendTbfFile(set, toPath(path), format.layout()); });
    if (!read) return;
    if (!acceptReadProblems(ctx, read->problems)) {
        set.tbfCount = before;
        set.deriveDescriptors();
        return;
    }
    reportMissingTimes(ctx, set.tbfCount - read->linesRead + 1, format.layout());
    completeTbfRead(ctx, *read);
    // Appended entries exist nowhere else yet; closing must offer to save them.
    if (read->linesRead > 0) set.dataChanged = true;
}

}  // namespace vnk::app
