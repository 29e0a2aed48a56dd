// "設定": the options dialog. Almost every control writes its setting the moment it
// changes and the main window shows it at once; "閉じる(F4)" rebuilds the phonetic
// tables when the table choice changed and takes over the paste delay, the close
// box does neither. Controls bound to a setting carry the setting's key as their
// objectName ("ImLi1Height", "UpperUseFlg", "PhonetColor"); a colour's two buttons
// add "Btn" ("指定") and "ResetBtn" ("戻").
#pragma once

#include <QDialog>
#include <QList>

#include "tablerebuild.h"

class Dialogs;
class InputController;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTimer;
class WordBookController;
struct AppFolders;
struct Settings;

// What the dialog changes in the main window.
struct OptionTargets
{
    Settings *settings = nullptr;
    AppFolders *folders = nullptr;
    Dialogs *dialogs = nullptr;
    QLineEdit *Edit1 = nullptr;      // the phonetic field
    QTableView *ListView1 = nullptr; // the word list
    QTimer *PasteTimer = nullptr;
    WordBookController *wordBooks = nullptr;
    InputController *input = nullptr;
};

class TOptionFrm : public QDialog
{
    Q_OBJECT

public:
    // After the dialog: whether the program is to end, and whether without saving
    // the settings (after the customisation reset).
    enum class Ending { Stay, Close, CloseWithoutSaving };

    TOptionFrm(const OptionTargets &targets, QWidget *parent = nullptr);

    Ending ending() const { return m_ending; }
    // The table choice recorded when the dialog was created.
    const TableChoice &recordedTables() const { return m_recorded; }

    QTabWidget *PageControl1 = nullptr;
    QPushButton *CloseBtn = nullptr;

    // Page "単語帳".
    QSlider *ImLi1Height = nullptr;
    QLabel *ImLi1HeightLabel = nullptr;
    QSpinBox *GADR = nullptr;
    QSpinBox *IPADR = nullptr;
    QSpinBox *JPDR = nullptr;
    QLabel *ForeignSizeLabel = nullptr;  // "外："
    QLabel *PhoneticSizeLabel = nullptr; // "発："
    QLabel *JapaneseSizeLabel = nullptr; // "日："
    QPushButton *DRResetBtn = nullptr;   // "戻"
    // Page "フォント".
    QComboBox *UsrSubFont = nullptr;
    QComboBox *UsrSubFontSize = nullptr;
    QComboBox *UsrJpFont = nullptr;
    // Page "全般".
    QSlider *PasteTimerInterval = nullptr;
    QLabel *PasteTimerLabel = nullptr;
    QPushButton *PasteResetBtn = nullptr;
    QPushButton *ResetCustomBtn = nullptr;
    QPushButton *UpdateTableBtn = nullptr;
    QPushButton *DeleteSampleBtn = nullptr;
    QPushButton *RestoreSampleBtn = nullptr;
    // Page "発音記号".
    QLineEdit *PhUDBFile = nullptr;
    QLineEdit *PhCandFile = nullptr;
    QPushButton *PhUDBFileBtn = nullptr;
    QPushButton *PhCandFileBtn = nullptr;
    QRadioButton *SysTblRadio = nullptr;
    QRadioButton *UserTblRadio = nullptr;
    QLabel *TblOWNote = nullptr; // "「テーブルデータの更新」で随時可能」"

    // The check boxes, each bound to one flag of the settings.
    QCheckBox *flagBox(const char *key) const;

    void CloseBtnClick();
    void ImLi1HeightChange(int value);
    void DRResetBtnClick();
    void ResetCustomBtnClick();
    void UpdateTableBtnClick();
    void DeleteSampleBtnClick();
    void RestoreSampleBtnClick();
    void BrowseTableFile(bool database);
    void SelectTableFolder(bool system);
    // "指定" and "戻" of the colour page.
    void ChooseColour(const char *key);
    void ResetColour(const char *key);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createWordBookPage();
    QWidget *createFontPage();
    QWidget *createGeneralPage();
    QWidget *createPhoneticPage();
    QWidget *createColourPage();
    QCheckBox *newFlag(QWidget *parent, const char *key, const QString &caption);
    void bindFlags();
    void fitListFonts();
    void showSizes(int foreign, int phonetic, int japanese);
    void setColour(const char *key, quint32 colour);
    void refreshColourSamples();
    void endProgram(Ending ending);

    OptionTargets t;
    TableChoice m_recorded;
    Ending m_ending = Ending::Stay;
    QList<QCheckBox *> m_flags;
    QList<QLabel *> m_colourSamples;
};
