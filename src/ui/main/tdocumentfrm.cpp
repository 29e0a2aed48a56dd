#include "tdocumentfrm.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "dialogs.h"
#include "shell.h"

TDocumentFrm::TDocumentFrm(const QString &path, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("DocumentFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    // The browser reads the page's own charset: the HTML lists are in code page 932.
    Browser->setSource(QUrl::fromLocalFile(path));
    const QString title = Browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QFileInfo(path).fileName() : title);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseBtn"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Browser, 1);
    layout->addWidget(buttons);

    QSize size(900, 700);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

void OpenDocument(Shell *shell, Dialogs *dialogs, QWidget *parent, const QString &path,
                  DocumentFallback fallback)
{
    const QString shown = QDir::toNativeSeparators(path);
    // A file that is not there is no failure of the desktop: nothing to show.
    if (!QFileInfo(path).isFile())
        return;
    QPointer<QWidget> owner(parent);
    Dialogs *messages = dialogs;
    auto failed = [owner, messages, path, shown, fallback](const QString &reason) {
        if (fallback == DocumentFallback::MessageOnly) {
            if (messages)
                messages->warning(QStringLiteral("ファイル「%1」を開けませんでした。\n%2\n"
                                             "テキストエディタでこのファイルを編集して下さい。")
                                  .arg(shown, reason));
            return;
        }
        if (messages)
            messages->information(QStringLiteral("ファイル「%1」を開けませんでした。\n%2\n"
                                                 "このプログラムのウィンドウで表示します。")
                                      .arg(shown, reason));
        auto *window = new TDocumentFrm(path, owner);
        window->show();
        window->raise();
        window->activateWindow();
    };
    if (!shell) {
        failed(QStringLiteral("ファイルを開くプログラムがありません。"));
        return;
    }
    shell->openFile(path, failed);
}
