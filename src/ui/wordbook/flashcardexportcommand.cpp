#include "flashcardexportcommand.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "dialogs.h"
#include "flashcardexport.h"
#include "wordbookcontroller.h"

QString FlashcardExportProposal(const QString &bookFileName)
{
    return QFileInfo(bookFileName).completeBaseName() + QStringLiteral(".txt");
}

void ExportOpenBookForFlashcards(const WordBookController &books, const QString &wordBookFolder,
                                 Dialogs &dialogs, QString *lastFolder)
{
    if (!books.bookOpen())
        return;
    const WordBook book = books.bookWithRows();
    QString folder = lastFolder ? *lastFolder : QString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = dialogs.saveFileName(
        QStringLiteral("書き出し（フラッシュカード用）"),
        QDir(folder).filePath(FlashcardExportProposal(book.fileName)),
        {QStringLiteral("テキスト ファイル (*.txt)"), QStringLiteral("すべてのファイル (*)")});
    if (path.isEmpty())
        return;
    if (lastFolder)
        *lastFolder = QFileInfo(path).absolutePath();

    const FlashcardExportResult r = ExportFlashcards(book, wordBookFolder, path);
    if (!r.ok) {
        dialogs.warning(r.errorMessage);
        return;
    }
    QString text = QStringLiteral("「%1」に %2 語を書き出しました。")
                       .arg(QDir::toNativeSeparators(path))
                       .arg(r.notes);
    if (r.soundsCopied > 0)
        text += QStringLiteral("\n音声ファイル %1 個を「%2」にコピーしました。"
                               "フラッシュカード側のメディアフォルダに入れて下さい。")
                    .arg(r.soundsCopied)
                    .arg(QDir::toNativeSeparators(r.mediaFolder));
    if (!r.missingSounds.isEmpty())
        text += QStringLiteral("\n見つからない音声ファイル（%1 個）は書き出していません：%2")
                    .arg(r.missingSounds.size())
                    .arg(r.missingSounds.mid(0, 10).join(QStringLiteral("、")) +
                         (r.missingSounds.size() > 10 ? QStringLiteral(" …") : QString()));
    dialogs.information(text);
}
