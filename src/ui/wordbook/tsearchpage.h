// The search tab "単語帳検索": a field selector, the query, "辞書" and "あいまい", the
// result list and the detail window. The search reads the files of the folder, not
// the open book.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

#include "settings.h"
#include "triggerinput.h"
#include "tsearesfrm.h"
#include "wordbooksearch.h"

class InputMethod;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class SearchHitDelegate;
class SearchHitModel;
struct AppFolders;

struct SearchPageContext
{
    Settings *settings = nullptr;
    const AppFolders *folders = nullptr;
    InputMethod *inputMethod = nullptr; // may be null: no layout switching
    QPlainTextEdit *Memo1 = nullptr;    // the pad
    QLineEdit *Edit1 = nullptr;         // the phonetic line
    WindowRect *detailPlace = nullptr;  // the detail window's, for the run
    // A text for the status bar (files that could not be read).
    std::function<void(const QString &)> showStatus;
    // Hands the query field to trigger input: its channel follows the selector, Enter
    // runs the search.
    std::function<void(QWidget *field, std::function<FieldState()> state,
                       std::function<void(TypingAction)> enter)>
        attachTriggerField;
};

class TSearchPage : public QWidget
{
    Q_OBJECT

public:
    TSearchPage(const SearchPageContext &context, QWidget *parent = nullptr);
    ~TSearchPage() override;

    void Search();
    void ClearBtnClick();
    void FieldSelectorChange();
    void HitDoubleClicked();
    // DispSeaView: refills the open detail window, or opens one.
    void DispSeaView();
    void setLanguageName(const QString &name);
    void FitColumns();

    SearchHitModel *hitModel() const { return m_model; }
    TSeaResFrm *detailWindow() const { return m_detail.data(); }
    // The selected hit, or null.
    const SearchHit *selectedHit() const;

    QFrame *SeaPanel = nullptr;
    QComboBox *SeaComboBox = nullptr; // the field selector
    QLineEdit *SeaEdit = nullptr;     // the query
    QCheckBox *DicCheckBox = nullptr; // "辞書"
    QCheckBox *FuzzyCheckBox = nullptr; // "あいまい"
    QPushButton *ClearBtn = nullptr;
    QPushButton *SeaBtn = nullptr; // "検索"
    QTableView *ListView3 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutPanel();

    SearchPageContext m_context;
    SearchHitModel *m_model = nullptr;
    SearchHitDelegate *m_delegate = nullptr;
    QPointer<TSeaResFrm> m_detail;
    QString m_languageName = QStringLiteral("欧　文");
};
