#include "taboutfrm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "folders.h"
#include "settings.h"

namespace {

QPixmap programIcon(int side, qreal ratio)
{
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/velmoruc.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, side, side));
    return pixmap;
}

} // namespace

TAboutFrm::TAboutFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutFrm"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFixedSize(640, 420);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(programIcon(128, devicePixelRatio()));
    icon->setAlignment(Qt::AlignCenter);

    auto *name = new QLabel(QStringLiteral("VelmorUC"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont nameFont = name->font();
    nameFont.setPointSize(28);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);

    auto *version = new QLabel(QString::fromUtf16(ProgramVersionText), this);
    version->setObjectName(QStringLiteral("Version"));
    QFont versionFont = version->font();
    versionFont.setPointSize(16);
    version->setFont(versionFont);
    version->setAlignment(Qt::AlignCenter);

    auto *note =
        new QLabel(QStringLiteral("欧文のアクセント付き文字・発音記号の入力と単語帳"), this);
    note->setAlignment(Qt::AlignCenter);
    note->setForegroundRole(QPalette::PlaceholderText);

    auto *close = new QPushButton(QStringLiteral("閉じる(F4)"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setDefault(true);
    close->setMinimumSize(140, 36);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 28, 24, 20);
    layout->addWidget(icon);
    layout->addSpacing(8);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(6);
    layout->addWidget(note);
    layout->addStretch(1);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

void TAboutFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
