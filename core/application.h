// The application object: start-up in its fixed order, the configuration step, the
// paths of the shipped and the user's files, the interface language at start-up, the
// build date, the single-instance lock and the link to the other running copies.
// Windows are not its business: it shows its notices through the message presenter it is
// handed, and the main window comes in as a hook. It owns the registry store and hands it,
// with the services, to the code that needs them.
#pragma once

#include "core/instancelink.h"
#include "core/registrystore.h"
#include "core/services.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

struct CStartupHooks {
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

    // The services stay the caller's; they must outlive the application object.
    explicit CApplication(const CServices& services);
    ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // The whole start-up: from counting the string table to running the main window.
    int Run(const CStartupHooks& hooks);
    // The same with the folders given (tests use temporary ones).
    int Run(const QString& strAppFolder, const QString& strUserFolder, const CStartupHooks& hooks);

    // The configuration step: single instance, paths, the user's copy of the music
    // settings, the interface language and the names.
    ConfigResult Configure(const QString& strAppFolder, const QString& strUserFolder);

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

    const CServices& GetServices() const { return m_services; }
    CRegistryStore& GetRegistryStore() { return m_registry; }

    // What the start-up found, in the order it finds it.
    int GetStringRecords() const { return m_nStringRecords; }
    QString GetRegistryRoot() const { return m_strRegistryRoot; } // the store file
    QString GetRegistryKey() const { return m_strRegistryKey; }
    QString GetAppFolder() const { return m_strAppFolder; }           // shipped, read-only files
    QString GetConfigFolder() const { return m_strConfigFolder; }     // its "config" folder
    QString GetUserFolder() const { return m_strUserFolder; }         // everything written
    QString GetBaseConfigPath() const { return m_strBaseConfigPath; } // configbase.ini
    QString GetDefaultMusicPath() const { return m_strDefaultMusicPath; } // defaultmusic.ini
    QString GetMusicPath() const { return m_strMusicPath; }               // music.ini (the user's)
    QString GetFavoritePath() const { return m_strFavoritePath; }         // cmf.ini
    QString GetTroublePath() const { return m_strTroublePath; }           // ctm.ini
    // False when the user folder cannot be written: the program plays on, keeping nothing.
    bool IsUserFolderWritable() const { return m_bUserFolderWritable; }
    bool IsDebugLog() const { return m_bDebugLog; }
    QString GetDebugFolder() const { return m_strDebugFolder; }
    QString GetProductName() const { return m_strProductName; }
    QString GetCompanyName() const { return m_strCompanyName; }
    int GetBuildYear() const { return m_nBuildYear; }
    int GetBuildMonth() const { return m_nBuildMonth; }
    int GetBuildDay() const { return m_nBuildDay; }
    QString GetBuildDate() const { return m_strBuildDate; } // "2004-7-23"

    // The version the About box names; the registry base key carries it too.
    static inline const QString kVersionText = QStringLiteral("1.3");

    static constexpr int kBuildYear = 2004;
    static constexpr int kBuildMonth = 7;
    static constexpr int kBuildDay = 23;

private:
    void RaiseOtherInstance();
    void ShowNotice(std::uint32_t nTextId, const QString& strParam = QString());

    CServices m_services;
    CRegistryStore m_registry;
    int m_nStringRecords = 0;
    QString m_strRegistryRoot;
    QString m_strRegistryKey;
    QString m_strAppFolder;
    QString m_strConfigFolder;
    QString m_strUserFolder;
    QString m_strBaseConfigPath;
    QString m_strDefaultMusicPath;
    QString m_strMusicPath;
    QString m_strFavoritePath;
    QString m_strTroublePath;
    bool m_bUserFolderWritable = true;
    bool m_bDebugLog = false;
    QString m_strDebugFolder;
    QString m_strProductName;
    QString m_strCompanyName;
    int m_nBuildYear = 0;
    int m_nBuildMonth = 0;
    int m_nBuildDay = 0;
    QString m_strBuildDate;

    QString m_strInstanceFolder;
    std::unique_ptr<CInstanceLock> m_pInstanceLock;
    std::unique_ptr<CInstanceServer> m_pInstanceServer;
    QPointer<QObject> m_pMainWindow;
};

// True when a window title shows a World Cup in one of the interface languages.
bool IsWorldCupTitle(const QString& strTitle);
