// Saving the memo's program: the bytes on disk, the dialog's memory, and failures that leave
// an existing file as it was.
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "desktop_stand_in.h"

namespace scrivafresa::testing {
namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SavingTest : public WindowTest {
  protected:
    QString PathOf(const QString& name) const { return folder_.filePath(name); }
    QStringList FilesInFolder() const { return QDir(folder_.path()).entryList(QDir::Files); }
    void SaveAs(const QString& path) {
        desktop.savePathAnswer = path;
        form->Salva->click();
    }

    QTemporaryDir folder_;
};

TEST_F(SavingTest, FileHoldsTheProgramWithCrLfAfterEveryLine) {
    form->TestoDaScrivere->setText(QStringLiteral("Oh"));
    form->Generate->click();
    SaveAs(PathOf(QStringLiteral("oh.gc")));

    const QByteArray saved = Read(PathOf(QStringLiteral("oh.gc")));
    const QStringList lines = form->Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 10);
    EXPECT_TRUE(lines.back().isEmpty());  // the memo's text ends with a line break
    EXPECT_EQ(saved, lines.join(QStringLiteral("\r\n")).toUtf8());
    EXPECT_TRUE(saved.endsWith("\r\n"));
    EXPECT_EQ(saved.count("\r\n"), lines.size() - 1);
    EXPECT_EQ(saved.count('\n'), saved.count("\r\n"));
    EXPECT_TRUE(saved.startsWith("G0 Z2\r\nG0 X"));
    EXPECT_TRUE(desktop.errors.empty());
}

TEST_F(SavingTest, FileHoldsTheMemoAsItStandsInUtf8) {
    struct Case {
        const char* name;
        QString memo;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"empty", QString(), QByteArray()},
        {"edited, no final line break", QStringLiteral("G0 Z2\nG1 Z-1"), "G0 Z2\r\nG1 Z-1"},
        {"blank lines", QStringLiteral("\n\nG0 Z2\n"), "\r\n\r\nG0 Z2\r\n"},
        {"Chinese and a no-break space", QStringLiteral("雕刻\u00A0G0"),
         "\xE9\x9B\x95\xE5\x88\xBB\xC2\xA0G0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->Memo1->setPlainText(c.memo);
        SaveAs(PathOf(QStringLiteral("memo.gc")));
        EXPECT_EQ(Read(PathOf(QStringLiteral("memo.gc"))), c.bytes);
    }
}

TEST_F(SavingTest, SavingBeforeAnyRunReplacesAFileWithNothing) {
    Write(PathOf(QStringLiteral("old.gc")), "G0 Z2\r\nG0 X1.00 Y1.00 \r\n");
    SaveAs(PathOf(QStringLiteral("old.gc")));
    EXPECT_EQ(Read(PathOf(QStringLiteral("old.gc"))), QByteArray());
    EXPECT_EQ(FilesInFolder(), QStringList{QStringLiteral("old.gc")});
}

TEST_F(SavingTest, CancelWritesNothingAndTheNextSaveOffersTheLastPath) {
    EXPECT_TRUE(form->SaveDialog1.fileName.isEmpty());
    form->Salva->click();  // cancelled
    EXPECT_TRUE(FilesInFolder().isEmpty());

    const QString first = PathOf(QStringLiteral("first.gc"));
    SaveAs(first);
    desktop.savePathAnswer.reset();
    form->Salva->click();
    ASSERT_EQ(desktop.saveDialogOffered.size(), 3u);
    EXPECT_EQ(desktop.saveDialogOffered[0], QString());
    EXPECT_EQ(desktop.saveDialogOffered[1], QString());
    EXPECT_EQ(desktop.saveDialogOffered[2], first);
    EXPECT_TRUE(desktop.errors.empty());
}

TEST_F(SavingTest, AFolderThatDoesNotExistShowsCannotCreateAndTouchesNothing) {
    form->Generate->click();
    const QString memo = form->Memo1->toPlainText();
    const QString path = PathOf(QStringLiteral("missing/program.gc"));
    SaveAs(path);

    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0], QStringLiteral("Cannot create file ") + path);
    EXPECT_EQ(ErrorBoxText(desktop.errors[0]),
              QStringLiteral("Cannot create file ") + path + QLatin1Char('.'));
    EXPECT_EQ(form->Memo1->toPlainText(), memo);
    EXPECT_EQ(form->SaveDialog1.fileName, path);
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(SavingTest, AWriteThatFallsShortShowsStreamWriteErrorAndKeepsTheOldFile) {
    const QString path = PathOf(QStringLiteral("kept.gc"));
    const QByteArray old = "G0 Z2\r\nG1 Z-1\r\n";
    Write(path, old);
    form->Generate->click();
    const QString memo = form->Memo1->toPlainText();
    ASSERT_GT(memo.size(), 1000);

    // The file system refuses anything past the first 512 bytes of a file.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit limited = before;
    limited.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    SaveAs(path);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &before), 0);

    ASSERT_EQ(desktop.errors.size(), 1u);
    EXPECT_EQ(desktop.errors[0], QStringLiteral("Stream write error"));
    EXPECT_EQ(Read(path), old);
    EXPECT_EQ(FilesInFolder(), QStringList{QStringLiteral("kept.gc")});
    EXPECT_EQ(form->Memo1->toPlainText(), memo);
    EXPECT_EQ(form->SaveDialog1.fileName, path);
}

// The save dialog the desktop really shows, answered from inside its own event loop.
class DesktopSaveDialogTest : public SavingTest {
  protected:
    // Runs the dialog; `answer` acts on it once it is open.
    bool RunDialog(const std::function<void(QFileDialog*)>& answer) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            answer(dialog);
        });
        const bool confirmed = DesktopServices().chooseSavePath(form.get(), form->SaveDialog1);
        EXPECT_TRUE(seen);
        return confirmed;
    }
};

TEST_F(DesktopSaveDialogTest, OffersTheFiltersAndAppendsTheSuffix) {
    const bool confirmed = RunDialog([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("保存 程序 GCode"));
        EXPECT_EQ(dialog->nameFilters(), (QStringList{QStringLiteral("File GCode standard (*.gc)"),
                                                      QStringLiteral("Tutti i file (*)")}));
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("File GCode standard (*.gc)"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->setDirectory(folder_.path());
        dialog->selectNameFilter(QStringLiteral("Tutti i file (*)"));
        dialog->selectFile(QStringLiteral("engraving"));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it, but it is virtual
    });
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(form->SaveDialog1.fileName, PathOf(QStringLiteral("engraving.gc")));
    EXPECT_EQ(form->SaveDialog1.selectedNameFilter, QStringLiteral("Tutti i file (*)"));

    // The next dialog offers the same file and filter.
    RunDialog([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->selectedFiles(), QStringList{PathOf(QStringLiteral("engraving.gc"))});
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Tutti i file (*)"));
        dialog->reject();
    });
    EXPECT_EQ(form->SaveDialog1.fileName, PathOf(QStringLiteral("engraving.gc")));
}

TEST_F(DesktopSaveDialogTest, ChoosingAnExistingFileAsksAndDecliningKeepsTheDialogOpen) {
    const QString existing = PathOf(QStringLiteral("existing.gc"));
    Write(existing, "old");
    bool asked = false;
    bool stillOpen = false;
    const bool confirmed = RunDialog([&](QFileDialog* dialog) {
        QTimer::singleShot(0, [&] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(question, nullptr);
            asked = true;
            question->button(QMessageBox::No)->click();
        });
        dialog->selectFile(existing);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it, but it is virtual
        stillOpen = dialog->isVisible();
        dialog->reject();
    });
    EXPECT_TRUE(asked);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(Read(existing), QByteArray("old"));
}

}  // namespace
}  // namespace scrivafresa::testing
