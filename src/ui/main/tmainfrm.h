// The main window: created through the fixed start-up steps, it owns the settings
// record and everything else the run needs.
#pragma once

#include "folders.h"
#include "platform.h"
#include "settings.h"

#include <QMainWindow>

class QPlainTextEdit;

class TMainFrm : public QMainWindow
{
    Q_OBJECT

public:
    TMainFrm(const Platform &platform, const AppFolders &folders, QWidget *parent = nullptr);
    ~TMainFrm() override;

    Settings &settings() { return m_settings; }
    const Settings &settings() const { return m_settings; }
    const AppFolders &folders() const { return m_folders; }
    WindowPlaces &windowPlaces() { return m_windowPlaces; }

    // Set by the customisation reset: the settings are not saved on close.
    void setNoSaveFlg(bool on) { m_noSaveFlg = on; }
    bool noSaveFlg() const { return m_noSaveFlg; }

    // Places the window from the saved rectangle, or 900 x 690 centred, and puts the
    // focus into the pad.
    void PlaceWindow();
    // The close handler's work: releases the tables and saves the settings.
    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();

    // The creation steps, in the order FormCreate runs them.
    void SetStartValues();
    void LoadSettingsAndFolders();
    void CopyInstalledFilesOnFirstStart();
    void LoadSymbolDatabases();
    void LoadCandidateTables();
    void SetupControls();
    void CreateCommandToolbar();
    void BuildTriggerKeyboardPage();
    void BuildAccentButtons();
    void BuildPhoneticPage();
    void BuildSearchPage();
    void BuildSymbolPalettePage();
    void FillWordBookList();
    void ApplySettings();

    void ReleaseTables();
    void RefreshSettingsFromWindow();

    Platform m_platform;
    AppFolders m_folders;
    Settings m_settings;
    WindowPlaces m_windowPlaces;
    bool m_noSaveFlg = false;
    bool m_closed = false;

    QPlainTextEdit *Memo1 = nullptr;
};
