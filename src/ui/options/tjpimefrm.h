// "日本語IMEの変更": the choice between no switching and an input method the user
// picks with the desktop's own switcher and takes over with "識別子を得る".
#pragma once

#include <QDialog>

class Dialogs;
class InputMethod;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Settings;

class TJpImeFrm : public QDialog
{
    Q_OBJECT

public:
    // inputMethod may be null (no framework): "識別子を得る" then finds nothing.
    TJpImeFrm(Settings &settings, InputMethod *inputMethod, Dialogs &dialogs,
              QWidget *parent = nullptr);

    QLineEdit *Edit1 = nullptr; // "日本語IME"
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QPushButton *SpeedButton1 = nullptr; // "識別子を得る"
    QLineEdit *Edit3 = nullptr;
    QPushButton *Button1 = nullptr; // "OK (F4)"
    QPushButton *Button2 = nullptr; // "ｷｬﾝｾﾙ"

    void RadioButton1Click();
    void RadioButton2Click();
    void SpeedButton1Click();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Settings &m_settings;
    InputMethod *m_inputMethod;
    Dialogs &m_dialogs;
};
