// The application object: start-up in its fixed order, the configuration step, the
// paths of the shipped and the user's files, the interface language at start-up, the
// build date, the single-instance lock and the link to the other running copies.
// Windows are not its business: the message box and the main window come in as hooks.
#pragma once

#include "core/instancelink.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

struct CStartupHooks {
    // Shows a notice in the program's message box (text, caption, message-box style).
    std::function<int(const QString& strText, const QString& strCaption, unsigned nStyle)>
        fnShowMessage;
    // Creates the main window, runs it until it closes and returns the exit code.
    std::function<int()> fnRunMainWindow;
};

class CApplication {
public:
    enum class ConfigResult { Ok, AlreadyRunning, BrokenInstallation };

    // Exit codes of Run.
    static constexpr int kExitOk = 0;
    static constexpr int kExitBrokenInstallation = 1;
    static constexpr int kExitWorldCupRunning = 2;

    static constexpr unsigned kWmTetralyxClose = 2144;

    CApplication();
    ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // The one application object, or nullptr.
    static CApplication* Get();

    // The whole start-up: from counting the string table to running the main window.
    int Run(const CStartupHooks& hooks);
    // The same with the folders given (tests use temporary ones).
    int Run(const QString& strAppFolder, const QString& strUserFolder, const CStartupHooks& hooks);

    // The configuration step: single instance, paths, the user's copy of the music
    // settings, the interface language and the names.
    ConfigResult Configure(const QString& strAppFolder, const QString& strUserFolder,
                           const CStartupHooks& hooks);

    // Start-up language: "Shell"/"LCID", by default the system's; 2052 and 1028 are taken
    // over, anything else is English.
    void LoadLanguageSetting();
    // Product and company name in the current language (after a switch too).
    void RefreshNames();

    // True when another running copy shows a World Cup in its title.
    bool IsWorldCupRunningElsewhere() const;
    // Mode 0 counts the running copies with a main window, this one included; mode 1 also
    // asks every other copy to close.
    int EnumInstances(int nMode);

    // The main window: reachable by other parts, raised and closed on request of other copies.
    void SetMainWindow(QObject* pWindow) { m_pMainWindow = pWindow; }
    QObject* GetMainWindow() const { return m_pMainWindow; }
    CInstanceServer* GetInstanceServer() const { return m_pInstanceServer.get(); }

    // Fields, in the order the start-up fills them.
    int m_nStringRecords = 0;
    QString m_strRegistryRoot; // the store file
    QString m_strRegistryKey;
    QString m_strAppFolder;        // the executable's folder: shipped, read-only files
    QString m_strConfigFolder;     // its "config" folder
    QString m_strUserFolder;       // everything the program writes
    QString m_strBaseConfigPath;   // configbase.ini (shipped)
    QString m_strDefaultMusicPath; // defaultmusic.ini (shipped)
    QString m_strMusicPath;        // music.ini (the user's)
    QString m_strFavoritePath;     // cmf.ini
    QString m_strTroublePath;      // ctm.ini
    bool m_bDebugLog = false;
    QString m_strDebugFolder;
    QString m_strProductName;
    QString m_strCompanyName;
    int m_nBuildYear = 0;
    int m_nBuildMonth = 0;
    int m_nBuildDay = 0;
    QString m_strBuildDate; // "2004-7-23"

    // The version the About box names; the registry base key carries it too.
    static inline const QString kVersionText = QStringLiteral("1.3");

    static constexpr int kBuildYear = 2004;
    static constexpr int kBuildMonth = 7;
    static constexpr int kBuildDay = 23;

private:
    void RaiseOtherInstance();

    QString m_strInstanceFolder;
    std::unique_ptr<CInstanceLock> m_pInstanceLock;
    std::unique_ptr<CInstanceServer> m_pInstanceServer;
    QPointer<QObject> m_pMainWindow;
};

// True when a window title shows a World Cup in one of the interface languages.
bool IsWorldCupTitle(const QString& strTitle);
