// A window of the program showing a help page or an HTML list, for a desktop that has no
// viewer of its own; and the one way the program opens such a file.
#pragma once

#include <QWidget>

class Dialogs;
class QTextBrowser;
class Shell;

class TDocumentFrm : public QWidget
{
    Q_OBJECT

public:
    explicit TDocumentFrm(const QString &path, QWidget *parent = nullptr);

    QTextBrowser *Browser = nullptr;
};

enum class DocumentFallback {
    Window,     // a page: shown in a TDocumentFrm
    MessageOnly // a file to edit: the message says which file
};

// Opens the file, when it exists, with the desktop's program. A desktop where nothing
// shows it is said in a message naming the file; then the fallback applies.
void OpenDocument(Shell *shell, Dialogs *dialogs, QWidget *parent, const QString &path,
                  DocumentFallback fallback);
