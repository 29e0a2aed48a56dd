#include "worddialogs.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "dialogs.h"
#include "folders.h"
#include "qtcolour.h"
#include "twmplayerfrm.h"
#include "wordcolour.h"
#include "wordcommands.h"
#include "wordlist.h"

namespace {

constexpr int FieldX = 180;
constexpr int LabelX = 20;
constexpr int RowPitch = 52;
constexpr int FieldHeight = 36;
constexpr int FieldWidth = 380;
constexpr int VoiceFieldWidth = 200;
constexpr int ButtonWidth = 110;
constexpr int ButtonHeight = 38;

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel *label(QWidget *parent, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLineEdit *readOnlyField(QWidget *parent, const char *name, const QString &text)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    return e;
}

// F4 presses the confirm button while it is available.
void bindF4(QDialog *dialog, QPushButton *confirm)
{
    auto *f4 = new QShortcut(QKeySequence(Qt::Key_F4), dialog);
    f4->setContext(Qt::WindowShortcut);
    QObject::connect(f4, &QShortcut::activated, confirm, [confirm] {
        if (confirm->isEnabled() && confirm->isVisible())
            confirm->click();
    });
}

void centreOn(QWidget *dialog, QWidget *owner)
{
    const QRect frame =
        owner ? owner->window()->frameGeometry() : dialog->screen()->availableGeometry();
    QRect r = dialog->frameGeometry();
    r.moveCenter(frame.center());
    dialog->move(r.topLeft());
}

// OK is available once the list's selection or its typed text is one of its numbers:
// a typed "5" counts at once, without Enter to make it the selection.
void enableOnListedNumber(QComboBox *list, QPushButton *ok)
{
    const auto update = [list, ok] {
        ok->setEnabled(list->currentIndex() >= 0 ||
                       list->findText(list->currentText().trimmed()) >= 0);
    };
    update();
    QObject::connect(list, &QComboBox::currentIndexChanged, ok, update);
    QObject::connect(list, &QComboBox::editTextChanged, ok, update);
}

QComboBox *numberList(QWidget *parent, const QStringList &numbers, bool editable)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QStringLiteral("ComboBox1"));
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    c->addItems(numbers);
    if (editable) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
        c->setAttribute(Qt::WA_InputMethodEnabled, false);
        c->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    return c;
}

// The Linux form of the voice file filter "(*.mp3)|*.mp3|(*.wav)|*.wav|(*.wma)|*.wma|
// すべて(*.*)|*.*".
QStringList VoiceFileFilters()
{
    // "*.*" of the desktop the program comes from means every file; on Linux that is "*".
    return {QStringLiteral("(*.mp3)"), QStringLiteral("(*.wav)"), QStringLiteral("(*.wma)"),
            QStringLiteral("すべて(*.*) (*)")};
}

} // namespace

QString ChooseVoiceFileName(Dialogs *dialogs, const QString &voiceFolder,
                            const QString &wordBookFolder)
{
    const QString folder =
        !voiceFolder.isEmpty() && QFileInfo(voiceFolder).isDir() ? voiceFolder : wordBookFolder;
    const QString chosen =
        dialogs->openFileName(QStringLiteral("音声ファイル"), folder, VoiceFileFilters());
    return chosen.isEmpty() ? QString() : QFileInfo(chosen).fileName();
}

// ---- Word form ----------------------------------------------------------------------

WordFormDialog::WordFormDialog(const QString &caption, WindowRect &place,
                               const WordFormContext &context, TriggerField foreignKind,
                               TriggerField phoneticKind, QWidget *parent)
    : QDialog(parent), m_place(place), m_context(context)
{
    setWindowTitle(caption);
    setMinimumSize(MinWidth, MinHeight);
    setMaximumHeight(MaxHeight);
    setSizeGripEnabled(true);

    const Settings &s = *m_context.settings;
    const QStringList names = ColumnNames(m_context.languageName);
    QFont foreign(s.UsrMainFont);
    QFont phonetic(s.UsrSubFont);
    QFont japanese(s.UsrJpFont);
    QFont fixed(QStringLiteral("ＭＳ Ｐゴシック"));
    for (QFont *f : {&foreign, &phonetic, &japanese, &fixed})
        f->setPointSize(14);
    const QFont fonts[FieldRows] = {foreign, phonetic, japanese, japanese, japanese, fixed};
    static const char *const fieldNames[FieldRows] = {"Edit1", "Edit2", "Edit3",
                                                      "Edit4", "Edit5", "Edit6"};
    static const char *const labelNames[FieldRows] = {"Label1", "Label2", "Label3",
                                                      "Label4", "Label5", "Label6"};
    for (int row = 0; row < FieldRows; ++row) {
        QLabel *l = label(this, QStringLiteral("■") + names[row] + QStringLiteral("："), LabelX,
                          row * RowPitch + 15);
        l->setObjectName(QLatin1String(labelNames[row]));
        labels[row] = l;
        auto *field = new QLineEdit(this);
        field->setObjectName(QLatin1String(fieldNames[row]));
        field->setFont(fonts[row]);
        field->setGeometry(FieldX, row * RowPitch + 10, row == 5 ? VoiceFieldWidth : FieldWidth,
                           FieldHeight);
        // Kana, Japanese and notes take the input method; the others get plain keys.
        field->setAttribute(Qt::WA_InputMethodEnabled, row >= 2 && row <= 4);
        field->installEventFilter(this);
        fields[row] = field;
    }
    QPalette phonet = fields[1]->palette();
    phonet.setColor(QPalette::Base, ToQColor(s.PhonetColor));
    fields[1]->setPalette(phonet);

    RequiredLabel = new QLabel(QStringLiteral("必須"), this);
    RequiredLabel->setObjectName(QStringLiteral("RequiredLabel"));
    QFont small = labels[0]->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    RequiredLabel->setFont(small);
    RequiredLabel->adjustSize();

    VoiceRefBtn = button(this, "VoiceRefBtn", QStringLiteral("参照"));
    VoicePlayBtn = button(this, "VoicePlayBtn", QStringLiteral("再生"));
    VoiceRefBtn->setGeometry(FieldX + VoiceFieldWidth + 8, 268, 80, 38);
    VoicePlayBtn->setGeometry(FieldX + VoiceFieldWidth + 8 + 80 + 8, 268, 80, 38);
    connect(VoiceRefBtn, &QPushButton::clicked, this, [this] { VoiceRefBtnClick(); });
    connect(VoicePlayBtn, &QPushButton::clicked, this, [this] { VoicePlayBtnClick(); });

    CancelBtn = button(this, "CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // The one place where the two fields join trigger-key input.
    if (m_context.attachTriggerField) {
        m_context.attachTriggerField(fields[0], foreignKind);
        m_context.attachTriggerField(fields[1], phoneticKind);
    }
    resize(MinWidth, MinHeight);
    layoutForWidth();
}

WordEntry WordFormDialog::enteredWord() const
{
    return {fields[0]->text(), fields[1]->text(), fields[2]->text(), fields[3]->text(),
            fields[4]->text(), fields[5]->text(), QString()};
}

void WordFormDialog::setEnteredWord(const WordEntry &word)
{
    const QString texts[FieldRows] = {word.foreignWord, word.phoneticSymbols, word.phoneticKana,
                                      word.japanese,    word.notes,           word.voiceFile};
    for (int row = 0; row < FieldRows; ++row) {
        fields[row]->setText(texts[row]);
        fields[row]->setCursorPosition(texts[row].size());
    }
}

void WordFormDialog::placeBottomButtons(QPushButton *confirm)
{
    if (m_confirm != confirm)
        bindF4(this, confirm);
    m_confirm = confirm;
    const int right = width() - 20;
    CancelBtn->setGeometry(right - ButtonWidth, BottomRowY, ButtonWidth, ButtonHeight);
    confirm->setGeometry(right - 2 * ButtonWidth - 8, BottomRowY, ButtonWidth, ButtonHeight);
}

void WordFormDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutForWidth();
}

void WordFormDialog::layoutForWidth()
{
    // The five upper fields keep the right margin they have at the smallest width.
    const int stretched = qMax(FieldWidth, width() - FieldX - (MinWidth - FieldX - FieldWidth));
    for (int row = 0; row < 5; ++row)
        fields[row]->resize(stretched, FieldHeight);
    RequiredLabel->move(FieldX + stretched + 8, 10 + 6);
    if (m_confirm)
        placeBottomButtons(m_confirm);
}

void WordFormDialog::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        if (m_place.isSet()) {
            setGeometry(m_place.left, m_place.top, qMax(MinWidth, m_place.width()),
                        qBound(MinHeight, m_place.bottom - m_place.top, MaxHeight));
        } else {
            resize(MinWidth, MinHeight);
            centreOn(this, parentWidget());
        }
    }
    QDialog::showEvent(event);
    focusOnShow();
}

void WordFormDialog::done(int result)
{
    // The bounds live for the run, whichever way the dialog closes.
    // The client area's bounds: they come back through setGeometry unchanged.
    const QRect bounds = geometry();
    m_place.left = bounds.left();
    m_place.top = bounds.top();
    m_place.right = bounds.left() + bounds.width();
    m_place.bottom = bounds.top() + bounds.height();
    QDialog::done(result);
}

bool WordFormDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // The phonetic keys are laid out for the Japanese keyboard; rows 2..4 hold Japanese.
        for (int row = 1; row <= 4; ++row)
            if (watched == fields[row])
                SelectJapaneseLayout(m_context.inputMethod, *m_context.settings);
    }
    return QDialog::eventFilter(watched, event);
}

bool WordFormDialog::checkForeignWord()
{
    if (CanStoreWord(TrimmedWordFields(enteredWord())))
        return true;
    m_context.dialogs->warning(EmptyWordWarning());
    return false;
}

void WordFormDialog::VoiceRefBtnClick()
{
    const QString name = ChooseVoiceFileName(m_context.dialogs, m_context.voiceFolder,
                                             m_context.folders->WordBookFolder);
    if (!name.isEmpty())
        fields[5]->setText(name);
}

void WordFormDialog::VoicePlayBtnClick()
{
    if (m_context.playback)
        m_context.playback->PlayFieldFile(fields[5]->text(), m_context.voiceFolder,
                                          m_context.folders->WordBookFolder, this);
}

// ---- TRegFrm ------------------------------------------------------------------------

TRegFrm::TRegFrm(int count, const QString &padText, const QString &phoneticText, WindowRect &place,
                 const WordFormContext &context, Commit commit, QWidget *parent)
    : WordFormDialog(
          QStringLiteral("単語登録") +
              QStringLiteral(
                  "　　※ノウハウ　⇒　Tabキーで項目移動、最後にファンクションキーF4で追加"),
          place, context, TriggerField::RegisterForeignWord, TriggerField::RegisterPhonetic,
          parent),
      m_count(count), m_inputHasText(!padText.isEmpty() || !phoneticText.isEmpty()),
      m_commit(std::move(commit))
{
    setObjectName(QStringLiteral("RegFrm"));
    QLabel *no = label(this, QStringLiteral("No"), LabelX, BottomRowY + 10);
    no->setObjectName(QStringLiteral("NoLabel"));
    ComboBox1 = numberList(this, WordNumbers(count), false);
    ComboBox1->setGeometry(LabelX + 30, BottomRowY + 4, 90, 30);
    QLabel *above = label(this, QStringLiteral("の上に"), LabelX + 126, BottomRowY + 10);
    above->setObjectName(QStringLiteral("AboveLabel"));
    InsBtn = button(this, "InsBtn", QStringLiteral("挿入"));
    InsBtn->setGeometry(LabelX + 126 + above->width() + 8, BottomRowY, 80, ButtonHeight);
    AddBtn = button(this, "AddBtn", QStringLiteral("追加(F4)"));
    if (count > 0) {
        ComboBox1->setCurrentIndex(0);
    } else {
        ComboBox1->setEnabled(false);
        InsBtn->setEnabled(false);
    }
    connect(AddBtn, &QPushButton::clicked, this, [this] { AddBtnClick(); });
    connect(InsBtn, &QPushButton::clicked, this, [this] { InsBtnClick(); });
    placeBottomButtons(AddBtn);

    if (context.settings->RegCopyFlg) {
        fields[0]->setText(padText);
        fields[1]->setText(phoneticText);
    }
    setTabOrder(fields[5], VoiceRefBtn);
    setTabOrder(VoiceRefBtn, VoicePlayBtn);
    setTabOrder(VoicePlayBtn, ComboBox1);
    setTabOrder(ComboBox1, InsBtn);
    setTabOrder(InsBtn, AddBtn);
    setTabOrder(AddBtn, CancelBtn);
}

void TRegFrm::focusOnShow()
{
    (m_inputHasText ? fields[2] : fields[0])->setFocus();
}

void TRegFrm::registerAt(int position)
{
    if (!checkForeignWord())
        return;
    if (m_commit && !m_commit(TrimmedWordFields(enteredWord()), position))
        return;
    accept();
}

void TRegFrm::AddBtnClick()
{
    registerAt(m_count);
}

void TRegFrm::InsBtnClick()
{
    const std::optional<int> number = ListNumber(ComboBox1->currentText(), m_count);
    if (!InsBtn->isEnabled() || !number)
        return;
    registerAt(InsertPositionForNumber(*number));
}

// ---- TModFrm ------------------------------------------------------------------------

TModFrm::TModFrm(const WordEntry &word, WindowRect &place, const WordFormContext &context,
                 Commit commit, QWidget *parent)
    : WordFormDialog(
          QStringLiteral("単語編集") + QStringLiteral("　　※ノウハウ　⇒　Tabキーで項目移動、最後に"
                                                      "ファンクションキーF4で変更内容の反映"),
          place, context, TriggerField::EditForeignWord, TriggerField::EditPhonetic, parent),
      m_commit(std::move(commit))
{
    setObjectName(QStringLiteral("ModFrm"));
    ModBtn = button(this, "ModBtn", QStringLiteral("反映(F4)"));
    connect(ModBtn, &QPushButton::clicked, this, [this] { ModBtnClick(); });
    placeBottomButtons(ModBtn);
    setEnteredWord(word);
    setTabOrder(fields[5], VoiceRefBtn);
    setTabOrder(VoiceRefBtn, VoicePlayBtn);
    setTabOrder(VoicePlayBtn, ModBtn);
    setTabOrder(ModBtn, CancelBtn);
}

void TModFrm::focusOnShow()
{
    CancelBtn->setFocus();
}

void TModFrm::ModBtnClick()
{
    if (!checkForeignWord())
        return;
    if (m_commit && !m_commit(TrimmedWordFields(enteredWord())))
        return;
    accept();
}

// ---- Fixed dialogs ------------------------------------------------------------------

FixedWordDialog::FixedWordDialog(const QString &caption, int height, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setFixedSize(640, height);
    OKBtn = button(this, "OKBtn", QStringLiteral("OK (F4)"));
    CancelBtn = button(this, "CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"));
    CancelBtn->setGeometry(640 - 20 - ButtonWidth, height - 20 - ButtonHeight, ButtonWidth,
                           ButtonHeight);
    OKBtn->setGeometry(640 - 28 - 2 * ButtonWidth, height - 20 - ButtonHeight, ButtonWidth,
                       ButtonHeight);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    bindF4(this, OKBtn);
}

void FixedWordDialog::showEvent(QShowEvent *event)
{
    centreOn(this, parentWidget());
    QDialog::showEvent(event);
}

// ---- TMoveFrm -----------------------------------------------------------------------

TMoveFrm::TMoveFrm(int ownNumber, int count, Commit commit, QWidget *parent)
    : FixedWordDialog(QStringLiteral("単語移動"), 320, parent), m_count(count),
      m_commit(std::move(commit))
{
    setObjectName(QStringLiteral("MoveFrm"));
    label(this, QStringLiteral("移動先の単語のNoを指定しOKボタンを押して下さい。"), 30, 24);
    QLabel *to = label(this, QStringLiteral("■移動先：　No"), 30, 84);
    ComboBox1 = numberList(this, MoveTargetNumbers(count, ownNumber), true);
    ComboBox1->setGeometry(40 + to->width(), 78, 100, 32);
    label(this, QStringLiteral("の上に挿入する"), 50 + to->width() + 100, 84);
    label(this, QStringLiteral("↑"), 40 + to->width() + 40, 126);
    QLabel *from = label(this, QStringLiteral("■移動元：　No"), 30, 174);
    Edit1 = readOnlyField(this, "Edit1", QString::number(ownNumber));
    Edit1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit1->setGeometry(40 + from->width(), 168, 100, 32);
    label(this, QStringLiteral("の単語を"), 50 + from->width() + 100, 174);
    enableOnListedNumber(ComboBox1, OKBtn);
}

void TMoveFrm::showEvent(QShowEvent *event)
{
    FixedWordDialog::showEvent(event);
    ComboBox1->setFocus();
}

void TMoveFrm::OKBtnClick()
{
    const std::optional<int> target = ListNumber(ComboBox1->currentText(), m_count);
    if (!target)
        return;
    if (m_commit && !m_commit(*target))
        return;
    accept();
}

// ---- TDelFrm ------------------------------------------------------------------------

TDelFrm::TDelFrm(int number, const WordEntry &word, const QString &languageName, Commit commit,
                 QWidget *parent)
    : FixedWordDialog(QStringLiteral("単語削除"), 320, parent), m_commit(std::move(commit))
{
    setObjectName(QStringLiteral("DelFrm"));
    const QStringList names = ColumnNames(languageName);
    QLabel *no = label(this, QStringLiteral("■No"), 30, 34);
    Edit1 = readOnlyField(this, "Edit1", QString::number(number));
    Edit1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit1->setGeometry(40 + no->width(), 28, 100, 32);
    label(this, QStringLiteral("の単語を削除しますか？"), 50 + no->width() + 100, 34);
    QLabel *foreign = label(this, QStringLiteral("・") + names[0] + QStringLiteral("："), 50, 104);
    QLabel *japanese = label(this, QStringLiteral("・") + names[3] + QStringLiteral("："), 50, 164);
    const int x = 60 + qMax(foreign->width(), japanese->width());
    Edit2 = readOnlyField(this, "Edit2", word.foreignWord);
    Edit2->setGeometry(x, 98, 600 - x, 32);
    Edit3 = readOnlyField(this, "Edit3", word.japanese);
    Edit3->setGeometry(x, 158, 600 - x, 32);
}

void TDelFrm::showEvent(QShowEvent *event)
{
    FixedWordDialog::showEvent(event);
    CancelBtn->setFocus();
}

void TDelFrm::OKBtnClick()
{
    if (m_commit && !m_commit())
        return;
    accept();
}

// ---- TJumpFrm -----------------------------------------------------------------------

TJumpFrm::TJumpFrm(int count, Commit commit, QWidget *parent)
    : FixedWordDialog(QStringLiteral("指定Noにジャンプ"), 320, parent), m_count(count),
      m_commit(std::move(commit))
{
    setObjectName(QStringLiteral("JumpFrm"));
    QLabel *no = label(this, QStringLiteral("■No"), 30, 54);
    ComboBox1 = numberList(this, WordNumbers(count), true);
    ComboBox1->setGeometry(40 + no->width(), 48, 100, 32);
    label(this, QStringLiteral("の単語にジャンプし、選択します。"), 50 + no->width() + 100, 54);
    label(this, QStringLiteral("（該当単語が見えない場合、スクロールします）"), 50, 120);
    enableOnListedNumber(ComboBox1, OKBtn);
    // The combo box passes Return on as well: only the first one counts.
    connect(ComboBox1->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (OKBtn->isEnabled() && isVisible() && result() != Accepted)
            OKBtn->click();
    });
}

void TJumpFrm::showEvent(QShowEvent *event)
{
    FixedWordDialog::showEvent(event);
    ComboBox1->setFocus();
}

void TJumpFrm::OKBtnClick()
{
    const std::optional<int> number = ListNumber(ComboBox1->currentText(), m_count);
    if (!number)
        return;
    if (m_commit)
        m_commit(*number);
    accept();
}

// ---- TChColFrm ----------------------------------------------------------------------

QList<std::pair<QString, quint32>> TChColFrm::StandardColours()
{
    // The sixteen basic colours every colour list offers, black first.
    const std::pair<const char *, QRgb> colours[] = {
        {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
        {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
        {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
        {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
    };
    QList<std::pair<QString, quint32>> out;
    for (const auto &[name, rgb] : colours)
        out.append({QString::fromLatin1(name), FromQColor(QColor::fromRgb(rgb))});
    return out;
}

TChColFrm::TChColFrm(Mode mode, const QString &currentCode, Dialogs &dialogs, QWidget *parent)
    : FixedWordDialog(QStringLiteral("文字色変更フォーム"), 420, parent), m_mode(mode),
      m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ChColFrm"));
    label(this, QStringLiteral("※文字色を変更する場合"), 30, 20);
    label(this, QStringLiteral("カラーリストをクリック後"), 30, 44);
    label(this, QStringLiteral("OKボタンを押して下さい。"), 30, 68);
    CurLabel = label(this, QStringLiteral("■現在の文字色指定"), 30, 110);
    CurLabel->setObjectName(QStringLiteral("CurLabel"));
    CurEdit = readOnlyField(this, "CurEdit", QString());
    CurEdit->setGeometry(50, 136, 200, 32);
    label(this, QStringLiteral("(空欄はﾃﾞﾌｫﾙﾄの黒になります）"), 50, 174);
    NewLabel = label(this, QStringLiteral("■新しい文字色指定"), 30, 214);
    NewLabel->setObjectName(QStringLiteral("NewLabel"));
    NewEdit = new QLineEdit(this);
    NewEdit->setObjectName(QStringLiteral("NewEdit"));
    NewEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
    NewEdit->setGeometry(50, 240, 200, 32);

    ColorListBox = new QListWidget(this);
    ColorListBox->setObjectName(QStringLiteral("ColorListBox"));
    ColorListBox->setGeometry(330, 20, 290, 250);
    for (const auto &[name, colour] : StandardColours()) {
        QPixmap swatch(40, 22);
        swatch.fill(ToQColor(colour));
        QPainter(&swatch).drawRect(0, 0, 39, 21);
        auto *item = new QListWidgetItem(QIcon(swatch), name, ColorListBox);
        item->setSizeHint(QSize(0, 32));
        item->setData(Qt::UserRole, colour);
    }
    ColorListBox->setIconSize(QSize(40, 22));
    CustomBtn = button(this, "CustomBtn", QStringLiteral("カスタム"));
    CustomBtn->setGeometry(330, 280, 110, ButtonHeight);
    connect(ColorListBox, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ColorListClick(ColorListBox->row(item)); });
    connect(CustomBtn, &QPushButton::clicked, this, [this] { CustomBtnClick(); });

    if (IsColourCode(currentCode)) {
        CurEdit->setText(currentCode);
        QPalette p = CurLabel->palette();
        const quint32 colour = ColourFromCode(currentCode, 0);
        p.setColor(QPalette::WindowText, ToQColor(colour));
        CurLabel->setPalette(p);
        const QList<std::pair<QString, quint32>> colours = StandardColours();
        for (qsizetype i = 0; i < colours.size(); ++i)
            if (colours[i].second == colour)
                ColorListBox->setCurrentRow(int(i));
    }
}

void TChColFrm::showEvent(QShowEvent *event)
{
    FixedWordDialog::showEvent(event);
    CancelBtn->setFocus();
}

void TChColFrm::chooseNewColour(quint32 colour)
{
    QPalette p = NewLabel->palette();
    p.setColor(QPalette::WindowText, ToQColor(colour));
    NewLabel->setPalette(p);
    NewEdit->setText(ColourToCode(colour));
}

void TChColFrm::ColorListClick(int row)
{
    QListWidgetItem *item = ColorListBox->item(row);
    if (!item)
        return;
    ColorListBox->setCurrentRow(row);
    chooseNewColour(item->data(Qt::UserRole).toUInt());
}

void TChColFrm::CustomBtnClick()
{
    const std::optional<quint32> chosen =
        m_dialogs.chooseColour(ColourFromCode(CurEdit->text(), 0));
    if (chosen)
        chooseNewColour(*chosen);
}

void TChColFrm::OKBtnClick()
{
    m_result = ColourValueToStore(NewEdit->text());
    accept();
}
