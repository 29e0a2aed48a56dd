#include "toptionfrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogs.h"
#include "folders.h"
#include "fontfamilies.h"
#include "inputcontroller.h"
#include "optionoperations.h"
#include "qtcolour.h"
#include "settings.h"
#include "wordbookcontroller.h"
#include "wordlist.h"

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

struct Flag
{
    const char *key;
    bool Settings::*member;
};

// Every flag the dialog offers; the captions are set where each box is placed.
constexpr Flag Flags[] = {
    {"ResetInputFlg", &Settings::ResetInputFlg}, {"LastVisibleFlg", &Settings::LastVisibleFlg},
    {"RegCopyFlg", &Settings::RegCopyFlg},       {"RegClearFlg", &Settings::RegClearFlg},
    {"MediaPlayerFlg", &Settings::MediaPlayerFlg}, {"UpperUseFlg", &Settings::UpperUseFlg},
    {"AllClearFlg", &Settings::AllClearFlg},     {"NoSampleFlg", &Settings::NoSampleFlg},
    {"PhOneInpFlg", &Settings::PhOneInpFlg},     {"PhTriRevFlg", &Settings::PhTriRevFlg},
    {"TblOWFlg", &Settings::TblOWFlg},
};

enum class ColourAction { None, PhoneticField, TriggerKeyboard, AccentButtons, PhoneticPad };
enum class Sample { Box, Text, BoldText };

struct ColourLine
{
    const char *key;
    quint32 Settings::*member;
    Sample sample;
    quint32 Settings::*background; // behind a text sample
    ColourAction action;
};

constexpr ColourLine ColourLines[] = {
    {"PhonetColor", &Settings::PhonetColor, Sample::Box, nullptr, ColourAction::PhoneticField},
    {"CandColor", &Settings::CandColor, Sample::Box, nullptr, ColourAction::None},
    {"CandTextColor", &Settings::CandTextColor, Sample::Text, &Settings::CandColor,
     ColourAction::None},
    {"BandColor", &Settings::BandColor, Sample::Box, nullptr, ColourAction::None},
    {"BandTextColor", &Settings::BandTextColor, Sample::Text, &Settings::BandColor,
     ColourAction::None},
    {"ImageColor1", &Settings::ImageColor1, Sample::Box, nullptr, ColourAction::TriggerKeyboard},
    {"ImageColor1U", &Settings::ImageColor1U, Sample::Box, nullptr, ColourAction::TriggerKeyboard},
    {"ImageColor1C", &Settings::ImageColor1C, Sample::Text, &Settings::ImageColor1,
     ColourAction::TriggerKeyboard},
    {"ImageColor1T", &Settings::ImageColor1T, Sample::BoldText, &Settings::ImageColor1,
     ColourAction::TriggerKeyboard},
    {"ImageColor2", &Settings::ImageColor2, Sample::Box, nullptr, ColourAction::AccentButtons},
    {"AccentUpperColor", &Settings::AccentUpperColor, Sample::Box, nullptr,
     ColourAction::AccentButtons},
    {"PhoneticPadColor", &Settings::PhoneticPadColor, Sample::Box, nullptr,
     ColourAction::PhoneticPad},
};

const ColourLine *colourLine(const char *key)
{
    for (const ColourLine &line : ColourLines)
        if (qstrcmp(line.key, key) == 0)
            return &line;
    return nullptr;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int width = 0)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    if (width > 0)
        b->setFixedWidth(width);
    return b;
}

QComboBox *fontList(QWidget *parent, const char *name, QFontDatabase::WritingSystem system,
                    const QString &current)
{
    auto *combo = named(new QComboBox(parent), name);
    combo->setEditable(false);
    combo->setMaxVisibleItems(12);
    // A list popup: the style's own menu-like popup would ignore the twelve rows.
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    combo->addItems(ScalableFontFamilies(system, {current}));
    combo->setCurrentIndex(combo->findText(current));
    combo->setMinimumContentsLength(16);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

} // namespace

TOptionFrm::TOptionFrm(const OptionTargets &targets, QWidget *parent)
    : QDialog(parent), t(targets)
{
    setObjectName(QStringLiteral("OptionFrm"));
    setWindowTitle(QStringLiteral("設定"));
    setFixedSize(640, 460);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    m_recorded = {t.folders->TableFolder, t.settings->PhUDBFile, t.settings->PhCandFile};

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->addTab(createWordBookPage(), QStringLiteral("単語帳"));
    PageControl1->addTab(createFontPage(), QStringLiteral("フォント"));
    PageControl1->addTab(createGeneralPage(), QStringLiteral("全般"));
    PageControl1->addTab(createPhoneticPage(), ColumnNames(t.settings->SelectLang).value(1));
    PageControl1->addTab(createColourPage(), QStringLiteral("カラー"));
    bindFlags();

    CloseBtn = button(this, "CloseBtn", QStringLiteral("閉じる(F4)"));
    CloseBtn->setMinimumSize(140, 34);
    connect(CloseBtn, &QPushButton::clicked, this, &TOptionFrm::CloseBtnClick);
    auto *f4 = new QShortcut(QKeySequence(Qt::Key_F4), this);
    connect(f4, &QShortcut::activated, this, [this] {
        if (CloseBtn->isEnabled())
            CloseBtn->click();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(CloseBtn, 0, Qt::AlignRight);

    // Shows the three font sizes for the row height the list has now.
    ImLi1HeightChange(ImLi1Height->value());
}

void TOptionFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PageControl1->setCurrentIndex(0);
    CloseBtn->setFocus();
}

// ---- Flags --------------------------------------------------------------------------

QCheckBox *TOptionFrm::newFlag(QWidget *parent, const char *key, const QString &caption)
{
    auto *box = named(new QCheckBox(caption, parent), key);
    m_flags.append(box);
    return box;
}

QCheckBox *TOptionFrm::flagBox(const char *key) const
{
    for (QCheckBox *box : m_flags)
        if (box->objectName() == QLatin1String(key))
            return box;
    return nullptr;
}

void TOptionFrm::bindFlags()
{
    for (const Flag &flag : Flags) {
        QCheckBox *box = flagBox(flag.key);
        if (!box)
            continue;
        box->setChecked(t.settings->*flag.member);
        bool Settings::*member = flag.member;
        connect(box, &QCheckBox::toggled, this, [this, member, key = flag.key](bool on) {
            t.settings->*member = on;
            if (qstrcmp(key, "UpperUseFlg") == 0 && t.Edit1)
                t.Edit1->setVisible(on);
            else if ((qstrcmp(key, "PhOneInpFlg") == 0 || qstrcmp(key, "PhTriRevFlg") == 0) &&
                     t.input)
                t.input->FlagsFromSettings();
            else if (qstrcmp(key, "TblOWFlg") == 0)
                TblOWNote->setVisible(!on);
        });
    }
    TblOWNote->setVisible(!t.settings->TblOWFlg);
}

// ---- Page "単語帳" --------------------------------------------------------------------

QWidget *TOptionFrm::createWordBookPage()
{
    auto *page = named(new QWidget, "WordBookPage");
    auto *list = named(new QGroupBox(QStringLiteral("単語リスト"), page), "WordListGroup");
    auto *grid = new QGridLayout(list);
    grid->setHorizontalSpacing(10);

    ImLi1Height = named(new QSlider(Qt::Horizontal, list), "ImLi1Height");
    ImLi1Height->setRange(24, 70);
    ImLi1Height->setSingleStep(1);
    ImLi1Height->setPageStep(5);
    const int rowHeight =
        t.ListView1 ? t.ListView1->verticalHeader()->defaultSectionSize() : t.settings->ImLi1Height;
    ImLi1Height->setValue(qBound(24, rowHeight, 70));
    ImLi1HeightLabel = named(new QLabel(list), "ImLi1HeightLabel");
    ImLi1HeightLabel->setMinimumWidth(30);
    grid->addWidget(new QLabel(QStringLiteral("行間高さ"), list), 0, 0);
    grid->addWidget(ImLi1Height, 0, 1, 1, 3);
    grid->addWidget(ImLi1HeightLabel, 0, 4);

    struct Ratio
    {
        QSpinBox **box;
        QLabel **label;
        const char *name;
        const char *labelName;
        QString hint;
        int Settings::*member;
    };
    const Ratio ratios[] = {
        {&GADR, &ForeignSizeLabel, "GADR", "ForeignSizeLabel",
         QStringLiteral("外国語　フォントサイズ微調整"), &Settings::GADR},
        {&IPADR, &PhoneticSizeLabel, "IPADR", "PhoneticSizeLabel",
         QStringLiteral("発音記号　フォントサイズ微調整"), &Settings::IPADR},
        {&JPDR, &JapaneseSizeLabel, "JPDR", "JapaneseSizeLabel",
         QStringLiteral("日本語　フォントサイズ微調整"), &Settings::JPDR},
    };
    grid->addWidget(new QLabel(QStringLiteral("（文字の大きさ）"), list), 1, 0);
    int column = 1;
    for (const Ratio &r : ratios) {
        auto *spin = named(new QSpinBox(list), r.name);
        spin->setRange(30, 100);
        spin->setSingleStep(1);
        spin->setToolTip(r.hint);
        spin->setValue(qBound(30, t.settings->*r.member, 100));
        auto *label = named(new QLabel(list), r.labelName);
        label->setMinimumWidth(60);
        auto *cell = new QVBoxLayout;
        cell->addWidget(spin);
        cell->addWidget(label);
        grid->addLayout(cell, 1, column++);
        *r.box = spin;
        *r.label = label;
        int Settings::*member = r.member;
        connect(spin, &QSpinBox::valueChanged, this, [this, member](int value) {
            t.settings->*member = value;
            fitListFonts();
        });
    }
    DRResetBtn = button(list, "DRResetBtn", QStringLiteral("戻"), 40);
    grid->addWidget(DRResetBtn, 1, 4, Qt::AlignTop);
    grid->addWidget(newFlag(list, "ResetInputFlg", QStringLiteral("ダブルクリック時の\nリセット入力")),
                    2, 0, 1, 2);
    grid->addWidget(newFlag(list, "LastVisibleFlg", QStringLiteral("最新データの表示")), 2, 2, 1, 3);
    connect(ImLi1Height, &QSlider::valueChanged, this, &TOptionFrm::ImLi1HeightChange);
    connect(DRResetBtn, &QPushButton::clicked, this, &TOptionFrm::DRResetBtnClick);

    auto *reg = named(new QGroupBox(QStringLiteral("単語登録"), page), "WordRegGroup");
    auto *regLayout = new QHBoxLayout(reg);
    regLayout->addWidget(newFlag(reg, "RegCopyFlg", QStringLiteral("単語登録時の入力\nエリアからのコピー")));
    regLayout->addWidget(newFlag(reg, "RegClearFlg", QStringLiteral("単語登録後の入力\nエリアのクリア")));
    regLayout->addWidget(newFlag(reg, "MediaPlayerFlg", QStringLiteral("音声ﾌｧｲﾙの再生")));

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(list);
    layout->addWidget(reg);
    layout->addStretch(1);
    return page;
}

void TOptionFrm::showSizes(int foreign, int phonetic, int japanese)
{
    ForeignSizeLabel->setText(QStringLiteral("外：") + QString::number(foreign));
    PhoneticSizeLabel->setText(QStringLiteral("発：") + QString::number(phonetic));
    JapaneseSizeLabel->setText(QStringLiteral("日：") + QString::number(japanese));
}

void TOptionFrm::fitListFonts()
{
    ListFontSizes sizes;
    if (t.wordBooks) {
        sizes = t.wordBooks->FitListFonts();
    } else {
        const Settings &s = *t.settings;
        sizes = FitListFonts(QFont(s.UsrMainFont), QFont(s.UsrSubFont), QFont(s.UsrJpFont),
                             s.ImLi1Height, s.GADR, s.IPADR, s.JPDR);
    }
    showSizes(sizes.foreign, sizes.phonetic, sizes.japanese);
}

void TOptionFrm::ImLi1HeightChange(int value)
{
    t.settings->ImLi1Height = value;
    ImLi1HeightLabel->setText(QString::number(value));
    if (t.ListView1)
        t.ListView1->verticalHeader()->setDefaultSectionSize(value);
    fitListFonts();
}

void TOptionFrm::DRResetBtnClick()
{
    const Settings start;
    GADR->setValue(start.GADR);
    IPADR->setValue(start.IPADR);
    JPDR->setValue(start.JPDR);
}

// ---- Page "フォント" ------------------------------------------------------------------

QWidget *TOptionFrm::createFontPage()
{
    auto *page = named(new QWidget, "FontPage");
    const Settings &s = *t.settings;

    auto *phonetic = named(new QGroupBox(QStringLiteral("発音記号"), page), "PhoneticFontGroup");
    UsrSubFont = fontList(phonetic, "UsrSubFont", QFontDatabase::Latin, s.UsrSubFont);
    UsrSubFontSize = named(new QComboBox(phonetic), "UsrSubFontSize");
    UsrSubFontSize->setEditable(true);
    UsrSubFontSize->setInsertPolicy(QComboBox::NoInsert);
    UsrSubFontSize->setMaxVisibleItems(12);
    UsrSubFontSize->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    for (int size = 9; size <= 50; ++size)
        UsrSubFontSize->addItem(QString::number(size));
    UsrSubFontSize->setCurrentText(QString::number(s.UsrSubFontSize));
    UsrSubFontSize->setFixedWidth(80);
    auto *phoneticLayout = new QHBoxLayout(phonetic);
    phoneticLayout->addWidget(UsrSubFont, 1);
    phoneticLayout->addWidget(UsrSubFontSize);

    auto *japanese = named(new QGroupBox(QStringLiteral("日本語"), page), "JapaneseFontGroup");
    UsrJpFont = fontList(japanese, "UsrJpFont", QFontDatabase::Japanese, s.UsrJpFont);
    auto *japaneseLayout = new QHBoxLayout(japanese);
    japaneseLayout->addWidget(UsrJpFont, 1);
    japaneseLayout->addSpacing(86);

    auto *foreign = named(new QGroupBox(QStringLiteral("欧　文"), page), "ForeignFontGroup");
    auto *foreignLayout = new QHBoxLayout(foreign);
    foreignLayout->addWidget(
        new QLabel(QStringLiteral("※主画面右上のフォント切替器で指定して下さい"), foreign));

    connect(UsrSubFont, &QComboBox::currentIndexChanged, this, [this] {
        const QString family = UsrSubFont->currentText();
        if (family.isEmpty())
            return;
        t.settings->UsrSubFont = family;
        if (t.Edit1) {
            QFont font = t.Edit1->font();
            font.setFamily(family);
            t.Edit1->setFont(font);
        }
        if (t.ListView1 && t.ListView1->isEnabled())
            fitListFonts();
    });
    connect(UsrSubFontSize, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        // Not a number, or no size a font can have: the phonetic field keeps its size;
        // a size beyond the screen is the largest it shows.
        const int size = ScreenFontPoints(this, text);
        if (size == 0)
            return;
        t.settings->UsrSubFontSize = size;
        if (t.Edit1) {
            QFont font = t.Edit1->font();
            font.setPointSize(size);
            t.Edit1->setFont(font);
        }
    });
    connect(UsrSubFontSize->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (ScreenFontPoints(this, UsrSubFontSize->currentText()) != 0)
            UsrSubFontSize->setCurrentText(QString::number(t.settings->UsrSubFontSize));
    });
    connect(UsrJpFont, &QComboBox::currentIndexChanged, this, [this] {
        const QString family = UsrJpFont->currentText();
        if (family.isEmpty())
            return;
        t.settings->UsrJpFont = family;
        if (t.ListView1 && t.ListView1->isEnabled())
            fitListFonts();
    });

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(phonetic);
    layout->addWidget(japanese);
    layout->addWidget(foreign);
    layout->addStretch(1);
    return page;
}

// ---- Page "全般" ---------------------------------------------------------------------

QWidget *TOptionFrm::createGeneralPage()
{
    auto *page = named(new QWidget, "GeneralPage");

    auto *input = named(new QGroupBox(QStringLiteral("入力エリア"), page), "InputAreaGroup");
    auto *inputLayout = new QHBoxLayout(input);
    inputLayout->addWidget(newFlag(input, "UpperUseFlg", QStringLiteral("上部入力エリア表示")));
    inputLayout->addWidget(newFlag(input, "AllClearFlg", QStringLiteral("転送後クリア")));
    inputLayout->addStretch(1);

    auto *paste = named(new QGroupBox(QStringLiteral("貼り付け時間（msec）"), page), "PasteGroup");
    PasteTimerInterval = named(new QSlider(Qt::Horizontal, paste), "PasteTimerInterval");
    PasteTimerInterval->setRange(50, 500);
    PasteTimerInterval->setSingleStep(1);
    PasteTimerInterval->setPageStep(10);
    PasteTimerInterval->setTickInterval(100);
    PasteTimerInterval->setTickPosition(QSlider::TicksBelow);
    PasteTimerInterval->setValue(qBound(50, t.settings->PasteTimerInterval, 500));
    PasteTimerLabel = named(new QLabel(QString::number(PasteTimerInterval->value()), paste),
                            "PasteTimerLabel");
    PasteTimerLabel->setMinimumWidth(36);
    PasteResetBtn = button(paste, "PasteResetBtn", QStringLiteral("戻"), 40);
    auto *pasteLayout = new QGridLayout(paste);
    pasteLayout->addWidget(PasteTimerInterval, 0, 0);
    pasteLayout->addWidget(PasteTimerLabel, 0, 1);
    pasteLayout->addWidget(PasteResetBtn, 0, 2);
    pasteLayout->addWidget(new QLabel(QStringLiteral("※転送ボタンを押してからの時間間隔"), paste),
                           1, 0, 1, 3);
    connect(PasteTimerInterval, &QSlider::valueChanged, PasteTimerLabel,
            [this](int value) { PasteTimerLabel->setText(QString::number(value)); });
    connect(PasteResetBtn, &QPushButton::clicked, this,
            [this] { PasteTimerInterval->setValue(Settings().PasteTimerInterval); });

    auto *reset = named(new QGroupBox(QStringLiteral("初期化"), page), "ResetGroup");
    ResetCustomBtn = button(reset, "ResetCustomBtn", QStringLiteral("カスタマイズの初期化"));
    UpdateTableBtn = button(reset, "UpdateTableBtn", QStringLiteral("テーブルデータの更新"));
    auto *resetLayout = new QVBoxLayout(reset);
    resetLayout->addWidget(ResetCustomBtn);
    resetLayout->addWidget(UpdateTableBtn);

    auto *samples = named(new QGroupBox(QStringLiteral("サンプル単語帳"), page), "SampleGroup");
    DeleteSampleBtn = button(samples, "DeleteSampleBtn", QStringLiteral("全削除"));
    RestoreSampleBtn = button(samples, "RestoreSampleBtn", QStringLiteral("全復活"));
    auto *sampleLayout = new QVBoxLayout(samples);
    auto *sampleButtons = new QHBoxLayout;
    sampleButtons->addWidget(DeleteSampleBtn);
    sampleButtons->addWidget(RestoreSampleBtn);
    sampleLayout->addLayout(sampleButtons);
    sampleLayout->addWidget(newFlag(samples, "NoSampleFlg", QStringLiteral("不要")));

    connect(ResetCustomBtn, &QPushButton::clicked, this, &TOptionFrm::ResetCustomBtnClick);
    connect(UpdateTableBtn, &QPushButton::clicked, this, &TOptionFrm::UpdateTableBtnClick);
    connect(DeleteSampleBtn, &QPushButton::clicked, this, &TOptionFrm::DeleteSampleBtnClick);
    connect(RestoreSampleBtn, &QPushButton::clicked, this, &TOptionFrm::RestoreSampleBtnClick);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(input);
    layout->addWidget(paste);
    auto *row = new QHBoxLayout;
    row->addWidget(reset);
    row->addWidget(samples);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

void TOptionFrm::endProgram(Ending ending)
{
    m_ending = ending;
    // The program ends now; the delay the user set is still saved with the rest.
    if (ending == Ending::Close)
        t.settings->PasteTimerInterval = PasteTimerInterval->value();
    reject();
}

void TOptionFrm::ResetCustomBtnClick()
{
    if (ResetCustomisation(*t.folders, *t.dialogs))
        endProgram(Ending::CloseWithoutSaving);
}

void TOptionFrm::UpdateTableBtnClick()
{
    if (UpdateUserTables(*t.folders, *t.dialogs))
        endProgram(Ending::Close);
}

void TOptionFrm::DeleteSampleBtnClick()
{
    RemoveSampleBooks(*t.folders, *t.dialogs, [this] {
        if (!t.wordBooks)
            return;
        t.wordBooks->ScanWordBookFolder();
        // A book that went to the trash cannot stay open: its next save would bring
        // the file back behind the user's back.
        const QString open = t.wordBooks->openBook().fileName;
        if (t.wordBooks->bookOpen() &&
            !QFileInfo::exists(t.folders->WordBookFolder + u'/' + open))
            t.wordBooks->CloseWBExecute();
    });
}

void TOptionFrm::RestoreSampleBtnClick()
{
    RestoreSampleBooks(*t.folders, *t.dialogs, [this] {
        if (t.wordBooks)
            t.wordBooks->ScanWordBookFolder();
    });
}

// ---- Page "発音記号" ------------------------------------------------------------------

QWidget *TOptionFrm::createPhoneticPage()
{
    auto *page = named(new QWidget, "PhoneticPage");
    const Settings &s = *t.settings;

    auto *cand = named(new QGroupBox(QStringLiteral("候補入力"), page), "CandInputGroup");
    auto *candLayout = new QHBoxLayout(cand);
    candLayout->addWidget(newFlag(cand, "PhOneInpFlg", QStringLiteral("候補が1つの場合の\n直接入力")));
    candLayout->addWidget(newFlag(cand, "PhTriRevFlg", QStringLiteral("トリガーキーの復活")));
    candLayout->addStretch(1);

    auto *tables = named(new QGroupBox(QStringLiteral("テーブル"), page), "TableGroup");
    PhUDBFile = named(new QLineEdit(s.PhUDBFile, tables), "PhUDBFile");
    PhCandFile = named(new QLineEdit(s.PhCandFile, tables), "PhCandFile");
    for (QLineEdit *e : {PhUDBFile, PhCandFile})
        e->setReadOnly(true);
    PhUDBFileBtn = button(tables, "PhUDBFileBtn", QStringLiteral("参照"), 60);
    PhCandFileBtn = button(tables, "PhCandFileBtn", QStringLiteral("参照"), 60);
    SysTblRadio = named(new QRadioButton(QStringLiteral("システムテーブル"), tables), "SysTblRadio");
    UserTblRadio = named(new QRadioButton(QStringLiteral("ユーザーテーブル"), tables), "UserTblRadio");
    (s.SysTblFlg ? SysTblRadio : UserTblRadio)->setChecked(true);
    auto *tableLayout = new QGridLayout(tables);
    tableLayout->addWidget(new QLabel(QStringLiteral("1.記号DBファイル"), tables), 0, 0);
    tableLayout->addWidget(PhUDBFile, 0, 1);
    tableLayout->addWidget(PhUDBFileBtn, 0, 2);
    tableLayout->addWidget(new QLabel(QStringLiteral("2.候補順ファイル"), tables), 1, 0);
    tableLayout->addWidget(PhCandFile, 1, 1);
    tableLayout->addWidget(PhCandFileBtn, 1, 2);
    auto *radios = new QHBoxLayout;
    radios->addWidget(SysTblRadio);
    radios->addWidget(UserTblRadio);
    radios->addStretch(1);
    tableLayout->addLayout(radios, 2, 0, 1, 3);

    auto *user = named(new QGroupBox(QStringLiteral("ユーザーテーブル"), page), "UserTableGroup");
    auto *userLayout = new QGridLayout(user);
    userLayout->addWidget(newFlag(user, "TblOWFlg", QStringLiteral("自動更新する")), 0, 0);
    userLayout->addWidget(new QLabel(QStringLiteral("※バージョンアップ時の動作"), user), 0, 1);
    TblOWNote = named(new QLabel(QStringLiteral("「テーブルデータの更新」で随時可能」"), user),
                      "TblOWNote");
    userLayout->addWidget(TblOWNote, 1, 1);
    userLayout->setColumnStretch(2, 1);

    connect(PhUDBFileBtn, &QPushButton::clicked, this, [this] { BrowseTableFile(true); });
    connect(PhCandFileBtn, &QPushButton::clicked, this, [this] { BrowseTableFile(false); });
    connect(SysTblRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            SelectTableFolder(true);
    });
    connect(UserTblRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            SelectTableFolder(false);
    });

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(cand);
    layout->addWidget(tables);
    layout->addWidget(user);
    layout->addStretch(1);
    return page;
}

void TOptionFrm::BrowseTableFile(bool database)
{
    const QString caption = database ? QStringLiteral("記号DBファイル") : QStringLiteral("候補順ファイル");
    const QString chosen = t.dialogs->openFileName(caption, t.folders->TableFolder, {});
    if (chosen.isEmpty())
        return;
    // Only the name counts: the tables are read from the table folder.
    const QString name = QFileInfo(chosen).fileName();
    if (database) {
        t.settings->PhUDBFile = name;
        PhUDBFile->setText(name);
    } else {
        t.settings->PhCandFile = name;
        PhCandFile->setText(name);
    }
}

void TOptionFrm::SelectTableFolder(bool system)
{
    t.settings->SysTblFlg = system;
    ChooseTableFolder(*t.folders, system);
}

// ---- Page "カラー" ---------------------------------------------------------------------

QWidget *TOptionFrm::createColourPage()
{
    auto *page = named(new QWidget, "ColourPage");
    auto addLine = [this](QGridLayout *grid, int row, const QString &caption, const char *key) {
        const ColourLine *line = colourLine(key);
        auto *label = new QLabel(caption);
        auto *sample = named(new QLabel, key);
        sample->setFixedSize(64, 22);
        sample->setAutoFillBackground(true);
        sample->setFrameShape(QFrame::Box);
        sample->setAlignment(Qt::AlignCenter);
        if (line->sample != Sample::Box) {
            sample->setText(line->sample == Sample::BoldText ? QStringLiteral("ﾄﾘｶﾞｰ")
                                                             : QStringLiteral("文字"));
            QFont font = sample->font();
            font.setBold(line->sample == Sample::BoldText);
            sample->setFont(font);
        }
        m_colourSamples.append(sample);
        const QByteArray name(key);
        auto *choose = button(nullptr, (name + "Btn").constData(), QStringLiteral("指定"), 48);
        auto *reset = button(nullptr, (name + "ResetBtn").constData(), QStringLiteral("戻"), 36);
        connect(choose, &QPushButton::clicked, this, [this, key] { ChooseColour(key); });
        connect(reset, &QPushButton::clicked, this, [this, key] { ResetColour(key); });
        grid->addWidget(label, row, 0);
        grid->addWidget(sample, row, 1);
        grid->addWidget(choose, row, 2);
        grid->addWidget(reset, row, 3);
    };
    auto newGroup = [page](const QString &caption, const char *name) {
        auto *group = named(new QGroupBox(caption, page), name);
        auto *grid = new QGridLayout(group);
        grid->setVerticalSpacing(3);
        grid->setContentsMargins(8, 4, 8, 6);
        grid->setColumnStretch(0, 1);
        return std::pair{group, grid};
    };
    auto subHeading = [](QGridLayout *grid, int row, const QString &text) {
        grid->addWidget(new QLabel(text), row, 0, 1, 4);
    };

    auto [phonetic, phoneticGrid] = newGroup(QStringLiteral("発音記号入力エリア"), "PhonetColorGroup");
    addLine(phoneticGrid, 0, QStringLiteral("背景"), "PhonetColor");

    auto [cand, candGrid] = newGroup(QStringLiteral("候補画面"), "CandColorGroup");
    addLine(candGrid, 0, QStringLiteral("1) 発音記号 背景"), "CandColor");
    addLine(candGrid, 1, QStringLiteral("　　文字"), "CandTextColor");
    addLine(candGrid, 2, QStringLiteral("2) 外国語 背景"), "BandColor");
    addLine(candGrid, 3, QStringLiteral("　　文字"), "BandTextColor");

    auto [pad, padGrid] = newGroup(QStringLiteral("ソフトPAD"), "PadColorGroup");
    subHeading(padGrid, 0, QStringLiteral("1) キーボード背景と文字"));
    addLine(padGrid, 1, QStringLiteral("　　小"), "ImageColor1");
    addLine(padGrid, 2, QStringLiteral("　　大"), "ImageColor1U");
    addLine(padGrid, 3, QStringLiteral("　　文字"), "ImageColor1C");
    addLine(padGrid, 4, QStringLiteral("　　トリガー"), "ImageColor1T");
    subHeading(padGrid, 5, QStringLiteral("2) ACボタン 背景"));
    addLine(padGrid, 6, QStringLiteral("　　小"), "ImageColor2");
    addLine(padGrid, 7, QStringLiteral("　　大"), "AccentUpperColor");
    subHeading(padGrid, 8, QStringLiteral("3) 発音記号 背景"));
    addLine(padGrid, 9, QString(), "PhoneticPadColor");

    auto *left = new QVBoxLayout;
    left->addWidget(phonetic);
    left->addWidget(cand);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(pad);
    right->addStretch(1);
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    refreshColourSamples();
    return page;
}

void TOptionFrm::refreshColourSamples()
{
    for (QLabel *sample : m_colourSamples) {
        const ColourLine *line = colourLine(sample->objectName().toLatin1().constData());
        if (!line)
            continue;
        QPalette palette = sample->palette();
        if (line->sample == Sample::Box) {
            palette.setColor(QPalette::Window, ToQColor(t.settings->*line->member));
        } else {
            palette.setColor(QPalette::Window, ToQColor(t.settings->*line->background));
            palette.setColor(QPalette::WindowText, ToQColor(t.settings->*line->member));
        }
        sample->setPalette(palette);
    }
}

void TOptionFrm::setColour(const char *key, quint32 colour)
{
    const ColourLine *line = colourLine(key);
    if (!line)
        return;
    t.settings->*line->member = colour & 0xFFFFFF;
    refreshColourSamples();
    switch (line->action) {
    case ColourAction::None:
        break;
    case ColourAction::PhoneticField:
        if (t.Edit1) {
            QPalette palette = t.Edit1->palette();
            palette.setColor(QPalette::Base, ToQColor(t.settings->PhonetColor));
            t.Edit1->setPalette(palette);
        }
        if (t.wordBooks)
            t.wordBooks->FitListFonts();
        break;
    case ColourAction::TriggerKeyboard:
        if (t.input)
            t.input->RefreshTriggerKeyboard();
        break;
    case ColourAction::AccentButtons:
        if (t.input)
            t.input->RefreshAccentButtons();
        break;
    case ColourAction::PhoneticPad:
        if (t.input)
            t.input->RefreshPhoneticKeyboard();
        break;
    }
}

void TOptionFrm::ChooseColour(const char *key)
{
    const ColourLine *line = colourLine(key);
    if (!line)
        return;
    if (const std::optional<quint32> chosen = t.dialogs->chooseColour(t.settings->*line->member))
        setColour(key, *chosen);
}

void TOptionFrm::ResetColour(const char *key)
{
    if (const ColourLine *line = colourLine(key))
        setColour(key, Settings().*line->member);
}

// ---- Closing ----------------------------------------------------------------------------

void TOptionFrm::CloseBtnClick()
{
    const TableChoice now{t.folders->TableFolder, t.settings->PhUDBFile, t.settings->PhCandFile};
    if (now != m_recorded && t.input) {
        const TableRebuild rebuilt = RebuildAfterOptions(t.input->states(), m_recorded, now);
        t.input->TablesRebuilt(rebuilt);
    }
    if (PasteTimerInterval->value() != t.settings->PasteTimerInterval) {
        t.settings->PasteTimerInterval = PasteTimerInterval->value();
        if (t.PasteTimer)
            t.PasteTimer->setInterval(t.settings->PasteTimerInterval);
    }
    accept();
}
