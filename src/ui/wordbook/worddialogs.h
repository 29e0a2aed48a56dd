// The dialogs of the word commands: the word form shared by registration and edit
// (TRegFrm, TModFrm), and the move, delete, jump and colour dialogs. Each dialog hands
// its confirmed input to a commit function; it closes only when that succeeded, so a
// failed save leaves the user's input in the dialog.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

#include "imechoice.h"
#include "settings.h"
#include "triggerinput.h"
#include "wordbookfile.h"

class Dialogs;
class InputMethod;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class VoicePlayback;
struct AppFolders;

// Hands a field to trigger-key input (the main window's input controller).
using TriggerFieldHook = std::function<void(QWidget *field, TriggerField kind)>;

// What the word form needs of the main window.
struct WordFormContext
{
    Settings *settings = nullptr;
    const AppFolders *folders = nullptr;
    Dialogs *dialogs = nullptr;
    InputMethod *inputMethod = nullptr; // may be null: no layout switching
    VoicePlayback *playback = nullptr;  // may be null: "再生" does nothing
    QString languageName;               // the first of the column names
    QString voiceFolder;                // the open book's
    TriggerFieldHook attachTriggerField;
};

// "参照" of a voice-file field: the name of the file chosen, starting in the voice folder
// where it exists, else in the book's folder; empty when nothing was chosen.
QString ChooseVoiceFileName(Dialogs *dialogs, const QString &voiceFolder,
                            const QString &wordBookFolder);

// The six rows of the registration and edit dialogs, their voice buttons and the
// bounds they keep for the run.
class WordFormDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int FieldRows = 6;
    static constexpr int MinWidth = 640;
    static constexpr int MinHeight = 420;
    static constexpr int MaxHeight = 423;

    // Rows 0..5: foreign word, phonetic symbols, kana, Japanese, notes, voice file.
    std::array<QLineEdit *, FieldRows> fields{};
    std::array<QLabel *, FieldRows> labels{};
    QLabel *RequiredLabel = nullptr;     // "必須"
    QPushButton *VoiceRefBtn = nullptr;  // "参照"
    QPushButton *VoicePlayBtn = nullptr; // "再生"
    QPushButton *CancelBtn = nullptr;

    // The six fields as typed (not trimmed), text colour empty.
    WordEntry enteredWord() const;
    void setEnteredWord(const WordEntry &word);

    void VoiceRefBtnClick();
    void VoicePlayBtnClick();

    void done(int result) override;

protected:
    WordFormDialog(const QString &caption, WindowRect &place, const WordFormContext &context,
                   TriggerField foreignKind, TriggerField phoneticKind, QWidget *parent);
    void resizeEvent(QResizeEvent *event) override;
    // Stretches the upper fields and keeps "必須" and the bottom buttons beside them.
    void layoutForWidth();
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Where the confirm and cancel buttons go, right-aligned on the bottom row.
    void placeBottomButtons(QPushButton *confirm);
    // Warns and gives false when the trimmed foreign word is empty.
    bool checkForeignWord();
    virtual void focusOnShow() {}

    static constexpr int BottomRowY = 330;
    WindowRect &m_place;
    WordFormContext m_context;
    QPushButton *m_confirm = nullptr;
    bool m_placed = false;
};

// "単語登録": appends or inserts a new word.
class TRegFrm : public WordFormDialog
{
    Q_OBJECT

public:
    // commit(word, position) stores the trimmed word at position 0..count and saves.
    using Commit = std::function<bool(const WordEntry &word, int position)>;
    TRegFrm(int count, const QString &padText, const QString &phoneticText, WindowRect &place,
            const WordFormContext &context, Commit commit, QWidget *parent = nullptr);

    QComboBox *ComboBox1 = nullptr; // "No"
    QPushButton *InsBtn = nullptr;  // "挿入"
    QPushButton *AddBtn = nullptr;  // "追加(F4)"

    void AddBtnClick();
    void InsBtnClick();

protected:
    void focusOnShow() override;

private:
    void registerAt(int position);
    int m_count;
    bool m_inputHasText;
    Commit m_commit;
};

// "単語編集": replaces the selected word's six fields.
class TModFrm : public WordFormDialog
{
    Q_OBJECT

public:
    using Commit = std::function<bool(const WordEntry &word)>;
    TModFrm(const WordEntry &word, WindowRect &place, const WordFormContext &context, Commit commit,
            QWidget *parent = nullptr);

    QPushButton *ModBtn = nullptr; // "反映(F4)"
    void ModBtnClick();

protected:
    void focusOnShow() override;

private:
    Commit m_commit;
};

// The four fixed dialogs, centred on the main window.
class FixedWordDialog : public QDialog
{
    Q_OBJECT

public:
    QPushButton *OKBtn = nullptr;     // "OK (F4)"
    QPushButton *CancelBtn = nullptr; // "ｷｬﾝｾﾙ"

protected:
    FixedWordDialog(const QString &caption, int height, QWidget *parent);
    void showEvent(QShowEvent *event) override;
    // Called by OK and F4.
    virtual void OKBtnClick() = 0;
};

// "単語移動": moves the selected word above another number.
class TMoveFrm : public FixedWordDialog
{
    Q_OBJECT

public:
    using Commit = std::function<bool(int target)>;
    TMoveFrm(int ownNumber, int count, Commit commit, QWidget *parent = nullptr);
    QComboBox *ComboBox1 = nullptr; // target
    QLineEdit *Edit1 = nullptr;     // own number
    void OKBtnClick() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int m_count;
    Commit m_commit;
};

// "単語削除".
class TDelFrm : public FixedWordDialog
{
    Q_OBJECT

public:
    using Commit = std::function<bool()>;
    TDelFrm(int number, const WordEntry &word, const QString &languageName, Commit commit,
            QWidget *parent = nullptr);
    QLineEdit *Edit1 = nullptr; // number
    QLineEdit *Edit2 = nullptr; // foreign word
    QLineEdit *Edit3 = nullptr; // Japanese
    void OKBtnClick() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Commit m_commit;
};

// "ジャンプ": selects a word by its number.
class TJumpFrm : public FixedWordDialog
{
    Q_OBJECT

public:
    using Commit = std::function<void(int number)>;
    TJumpFrm(int count, Commit commit, QWidget *parent = nullptr);
    QComboBox *ComboBox1 = nullptr;
    void OKBtnClick() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int m_count;
    Commit m_commit;
};

// "文字色変更": a word's text colour (word mode) or the editor's colour field (editor
// mode). The dialog only finds the value; the caller stores it.
class TChColFrm : public FixedWordDialog
{
    Q_OBJECT

public:
    enum class Mode { Word, Editor };
    TChColFrm(Mode mode, const QString &currentCode, Dialogs &dialogs, QWidget *parent = nullptr);

    QLabel *CurLabel = nullptr; // "■現在の文字色指定"
    QLabel *NewLabel = nullptr; // "■新しい文字色指定"
    QLineEdit *CurEdit = nullptr;
    QLineEdit *NewEdit = nullptr;
    QListWidget *ColorListBox = nullptr;
    QPushButton *CustomBtn = nullptr; // "カスタム"

    Mode mode() const { return m_mode; }
    // After OK: the value to store (empty means the default black); nothing after
    // cancel or for a text that is no colour code.
    std::optional<QString> result() const { return m_result; }

    // The colours of the list: name and $00BBGGRR value.
    static QList<std::pair<QString, quint32>> StandardColours();
    void ColorListClick(int row);
    void CustomBtnClick();
    void OKBtnClick() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseNewColour(quint32 colour);
    Mode m_mode;
    Dialogs &m_dialogs;
    std::optional<QString> m_result;
};
