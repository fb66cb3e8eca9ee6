#pragma once

#include <QByteArray>
#include <QString>
#include <string>

class QTextDocument;

namespace scrivafresa {

// The memo's text as a program file holds it: UTF-8 without a byte-order mark, every line break
// of the memo written as CR LF. A memo ending in a line break gives bytes ending in CR LF.
QByteArray ProgramFileBytes(const QTextDocument& memo);

// The memo's text with the program's text in it, without the CRs that the memo does not keep.
QString MemoTextOf(const std::string& programText);

struct SaveOutcome {
    bool saved = false;
    QString message;  // for the user, without a closing full stop
};

// Replaces the file at `path` with `bytes` in one step: on any failure an existing file keeps
// its old content and no partial file is left behind.
SaveOutcome SaveProgramFile(const QString& path, const QByteArray& bytes);

}  // namespace scrivafresa
