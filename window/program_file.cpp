#include "program_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTextDocument>
#include <string>

namespace scrivafresa {

QByteArray ProgramFileBytes(const QTextDocument& memo) {
    // The raw text keeps every character as typed (toPlainText would turn no-break spaces into
    // spaces); blocks are separated by paragraph separators and line breaks inside a block are
    // line separators. Both are line ends in the file.
    QString text = memo.toRawText();
    QString withLineEnds;
    withLineEnds.reserve(text.size() + text.size() / 16);
    for (const QChar c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            withLineEnds += QLatin1String("\r\n");
        else
            withLineEnds += c;
    }
    return withLineEnds.toUtf8();
}

QString MemoTextOf(const std::string& programText) {
    std::string lines;
    lines.reserve(programText.size());
    for (const char c : programText)
        if (c != '\r') lines += c;
    return QString::fromUtf8(lines.data(), static_cast<qsizetype>(lines.size()));
}

SaveOutcome SaveProgramFile(const QString& path, const QByteArray& bytes) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QSaveFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("Cannot create file %1").arg(fullPath)};
    if (!bytes.isEmpty() && (file.write(bytes) != bytes.size() || !file.flush())) {
        file.cancelWriting();
        return {false, QStringLiteral("Stream write error")};
    }
    if (!file.commit()) {
        // Syncing the data failed (a full disk) or the new file could not take the old one's
        // place.
        if (file.error() == QFileDevice::RenameError)
            return {false, QStringLiteral("Cannot create file %1").arg(fullPath)};
        return {false, QStringLiteral("Stream write error")};
    }
    return {true, {}};
}

}  // namespace scrivafresa
