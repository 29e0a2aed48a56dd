#include "tjpimefrm.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "dialogs.h"
#include "imechoice.h"
#include "inputmethod.h"
#include "settings.h"

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TJpImeFrm::TJpImeFrm(Settings &settings, InputMethod *inputMethod, Dialogs &dialogs,
                     QWidget *parent)
    : QDialog(parent), m_settings(settings), m_inputMethod(inputMethod), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("JpImeFrm"));
    setWindowTitle(QStringLiteral("日本語IMEの変更"));
    setFixedSize(640, 520);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    Edit1 = named(new QLineEdit(QStringLiteral("日本語IME"), this), "Edit1");
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setFixedWidth(200);

    RadioButton1 =
        named(new QRadioButton(QStringLiteral("マイクロソフトの標準IMEを用いる"), this), "RadioButton1");
    RadioButton1->setToolTip(QStringLiteral("入力メソッドを切り替えません"));
    RadioButton2 = named(new QRadioButton(QStringLiteral("他のIMEを用いる（カスタマイズする）"), this),
                         "RadioButton2");

    auto *steps = named(new QFrame(this), "StepPanel");
    steps->setFrameShape(QFrame::Box);
    steps->setFrameShadow(QFrame::Sunken);
    SpeedButton1 = named(new QPushButton(QStringLiteral("識別子を得る"), steps), "SpeedButton1");
    SpeedButton1->setAutoDefault(false);
    SpeedButton1->setMinimumSize(140, 32);
    Edit3 = named(new QLineEdit(steps), "Edit3");
    Edit3->setReadOnly(true);
    Edit3->setMinimumWidth(220);
    auto *stepLayout = new QVBoxLayout(steps);
    stepLayout->setContentsMargins(16, 12, 16, 14);
    stepLayout->setSpacing(10);
    // The desktop's input methods are IBus engines; Mozc stands where the original
    // names a Japanese input method of another desktop.
    stepLayout->addWidget(new QLabel(QStringLiteral("STEP1： mozcなどインストールします"), steps));
    stepLayout->addWidget(new QLabel(QStringLiteral("STEP2:　言語バーで呼び出したいIMEを選びます"), steps));
    stepLayout->addWidget(new QLabel(QStringLiteral("STEP3:　その状態で下のボタンを押します"), steps));
    auto *getRow = new QHBoxLayout;
    getRow->addWidget(SpeedButton1);
    getRow->addSpacing(12);
    getRow->addWidget(Edit3, 1);
    stepLayout->addLayout(getRow);

    Button1 = named(new QPushButton(QStringLiteral("OK (F4)"), this), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "Button2");
    for (QPushButton *b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setMinimumSize(110, 34);
    }
    auto *bottom = named(new QFrame(this), "BottomPanel");
    bottom->setFrameShape(QFrame::StyledPanel);
    auto *bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->setContentsMargins(12, 8, 12, 8);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(new QLabel(QStringLiteral("変更した場合OKボタンを押します⇒"), bottom));
    bottomLayout->addWidget(Button1);
    bottomLayout->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    auto *target = new QHBoxLayout;
    target->addWidget(heading(QStringLiteral("◆設定対象IME："), this));
    target->addWidget(Edit1);
    target->addStretch(1);
    layout->addLayout(target);
    layout->addSpacing(10);
    layout->addWidget(heading(QStringLiteral("◆IMEのカスタム設定："), this));
    auto *radios = new QVBoxLayout;
    radios->setContentsMargins(20, 0, 0, 0);
    radios->addWidget(RadioButton1);
    radios->addWidget(RadioButton2);
    layout->addLayout(radios);
    auto *framed = new QHBoxLayout;
    framed->setContentsMargins(40, 0, 0, 0);
    framed->addWidget(steps);
    layout->addLayout(framed);
    layout->addStretch(1);
    layout->addWidget(bottom);

    connect(RadioButton1, &QRadioButton::clicked, this, &TJpImeFrm::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TJpImeFrm::RadioButton2Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TJpImeFrm::SpeedButton1Click);
    connect(Button1, &QPushButton::clicked, this, &TJpImeFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    auto *f4 = new QShortcut(QKeySequence(Qt::Key_F4), this);
    connect(f4, &QShortcut::activated, this, [this] {
        if (Button1->isEnabled())
            Button1->click();
    });
}

void TJpImeFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const ImeDialogState state = ImeDialogStateFor(m_settings.CusJpImeStr);
    if (state.custom) {
        RadioButton2->setChecked(true);
        RadioButton2Click();
        Edit3->setText(state.identifier);
    } else {
        RadioButton1->setChecked(true);
        RadioButton1Click();
    }
    Button2->setFocus();
}

void TJpImeFrm::RadioButton1Click()
{
    SpeedButton1->setEnabled(false);
    Edit3->clear();
}

void TJpImeFrm::RadioButton2Click()
{
    SpeedButton1->setEnabled(true);
}

void TJpImeFrm::SpeedButton1Click()
{
    const QString current = m_inputMethod ? m_inputMethod->currentLayout() : QString();
    Edit3->setText(current);
    if (current.isEmpty())
        m_dialogs.information(QStringLiteral("使用中の入力メソッドの識別子を得られませんでした。"
                                             "IBus が動いているか確かめて下さい。"));
}

void TJpImeFrm::Button1Click()
{
    m_settings.CusJpImeStr = Edit3->text();
    accept();
}
