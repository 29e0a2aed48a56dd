// "検索詳細画面": every field of a search hit, on top of the other windows and not
// modal. Its check box turns the window off for double-clicks (NoResFlg).
#pragma once

#include <QDialog>

#include <array>

#include "settings.h"
#include "wordbooksearch.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class TSeaResFrm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int FieldRows = 6;
    // place: where it was last closed in this run (unset: centred on the owner).
    TSeaResFrm(Settings &settings, WindowRect &place, const QString &languageName,
               QWidget *owner);

    void Fill(const SearchHit &hit);

    QLineEdit *TitleEdit = nullptr;
    QLineEdit *NoEdit = nullptr;
    std::array<QLineEdit *, FieldRows> fields{};
    QCheckBox *NoResCheck = nullptr; // "この画面を表示しない（再表示は主メニュー[単語帳]）"
    QPushButton *CloseBtn = nullptr; // "閉じる"

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Settings &m_settings;
    WindowRect &m_place;
    bool m_placed = false;
};
