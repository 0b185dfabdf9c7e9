// The once-a-day look for a newer build: whether it is due, the information file from the
// maker's site, the question, and what agreeing or declining does. It never blocks: the
// information comes through the network fetcher and the answer through a callback.
#pragma once

#include "core/networkfetcher.h"
#include "core/services.h"

#include <QString>

#include <functional>
#include <memory>

class CApplication;
class CRegistryStore;

struct UpdateOffer {
    QString strInstallerUrl;
    QString strNewBuild; // "2005-01-09"
    QString strVersion;  // may be empty
};

struct UpdateCheckContext {
    CServices services; // messages, desktop, clock and network are used
    CRegistryStore* pStore = nullptr;
    QString strInfoAddress; // empty: no check, no request
    QString strMakerHomePage;
    QString strProductHomePage;
    QString strProductName;
    QString strCompanyName;
    QString strCurrentBuild; // the running program's build date
    // Shows the download dialog modally (the main window hidden meanwhile); true when the
    // dialog started the installer.
    std::function<bool(const UpdateOffer&)> fnRunDownload;
};

// Everything the check needs from the application: the address from the base configuration
// and the maker's site, home pages in the current language, names and build date.
UpdateCheckContext MakeUpdateCheckContext(CApplication& app,
                                          std::function<bool(const UpdateOffer&)> fnRunDownload);

class CUpdateCheck {
public:
    explicit CUpdateCheck(UpdateCheckContext context);
    ~CUpdateCheck();
    CUpdateCheck(const CUpdateCheck&) = delete;
    CUpdateCheck& operator=(const CUpdateCheck&) = delete;

    // Starts the check and returns. fnFinished runs once, on the UI thread, with true when an
    // installer was started and the program must close. A check that is not due, finds no
    // address or no newer build ends with false, silently.
    void CheckForUpdate(std::function<void(bool bMustClose)> fnFinished);

    // Reads a fetched information file; true with the offer filled when it announces a newer
    // build.
    bool ReadUpdateInfo(const QByteArray& baText, UpdateOffer& offer) const;

    static constexpr qint64 kMaxInfoBytes = 64 * 1024;
    static constexpr int kInfoTimeoutMs = 15000;

private:
    void OnInfo(const FetchResult& result);
    void Finish(bool bMustClose);

    UpdateCheckContext m_context;
    std::function<void(bool)> m_fnFinished;
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};
