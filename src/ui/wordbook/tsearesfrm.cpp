#include "tsearesfrm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "wordlist.h"

TSeaResFrm::TSeaResFrm(Settings &settings, WindowRect &place, const QString &languageName,
                       QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      m_settings(settings), m_place(place)
{
    setObjectName(QStringLiteral("SeaResFrm"));
    setWindowTitle(QStringLiteral("検索詳細画面"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(520, 320);

    auto *titleLabel = new QLabel(QStringLiteral("■単語帳名："), this);
    titleLabel->move(12, 14);
    TitleEdit = new QLineEdit(this);
    TitleEdit->setObjectName(QStringLiteral("TitleEdit"));
    TitleEdit->setGeometry(120, 10, 252, 26);
    TitleEdit->setReadOnly(true);
    auto *noLabel = new QLabel(QStringLiteral("■No："), this);
    noLabel->move(380, 14);
    NoEdit = new QLineEdit(this);
    NoEdit->setObjectName(QStringLiteral("NoEdit"));
    NoEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    NoEdit->setGeometry(430, 10, 70, 26);
    NoEdit->setReadOnly(true);
    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(8, 42, 504, 2);

    QFont foreign(settings.UsrMainFont);
    QFont phonetic(settings.UsrSubFont);
    QFont japanese(settings.UsrJpFont);
    QFont fixed(QStringLiteral("ＭＳ Ｐゴシック"));
    for (QFont *f : {&foreign, &phonetic, &japanese, &fixed})
        f->setPointSize(12);
    const QFont fonts[FieldRows] = {foreign, phonetic, japanese, japanese, japanese, fixed};
    const QStringList names = ColumnNames(languageName);
    for (int j = 0; j < FieldRows; ++j) {
        auto *label = new QLabel(QStringLiteral("■") + names[j] + QStringLiteral("："), this);
        label->move(12, j * 32 + 54);
        auto *field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Edit%1").arg(j + 1));
        field->setFont(fonts[j]);
        // Read-only: nothing typed here would be stored, so nothing can be typed.
        field->setReadOnly(true);
        field->setGeometry(120, j * 32 + 50, j == 5 ? 200 : 380, 28);
        fields[j] = field;
    }
    NoResCheck = new QCheckBox(QStringLiteral("この画面を表示しない（再表示は主メニュー[単語帳]）"), this);
    NoResCheck->setObjectName(QStringLiteral("NoResCheck"));
    NoResCheck->move(12, 288);
    CloseBtn = new QPushButton(QStringLiteral("閉じる"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setGeometry(420, 284, 88, 28);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

void TSeaResFrm::Fill(const SearchHit &hit)
{
    TitleEdit->setText(hit.title);
    NoEdit->setText(hit.numberText());
    const QString texts[FieldRows] = {hit.foreignWord, hit.phoneticSymbols, hit.phoneticKana,
                                      hit.japanese,    hit.notes,           hit.voiceFile};
    for (int j = 0; j < FieldRows; ++j) {
        fields[j]->setText(texts[j]);
        fields[j]->setCursorPosition(0);
    }
}

void TSeaResFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (m_place.isSet()) {
        move(m_place.left, m_place.top);
    } else if (QWidget *owner = parentWidget()) {
        QRect r = frameGeometry();
        r.moveCenter(owner->window()->frameGeometry().center());
        move(r.topLeft());
    }
}

void TSeaResFrm::closeEvent(QCloseEvent *event)
{
    const QRect r = frameGeometry();
    m_place = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    m_settings.NoResFlg = NoResCheck->isChecked();
    QDialog::closeEvent(event);
}
