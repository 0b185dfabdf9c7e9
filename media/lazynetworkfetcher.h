// The network fetcher of the desktop program, opened on the first request: Qt's network
// library and what it pulls in (Kerberos, proxy discovery, ...) live in a module loaded then,
// so that a start which fetches nothing, the usual case, neither links nor carries them.
// Without the module every request fails with a reason, as a transfer without a network does.
#pragma once

#include "core/networkfetcher.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// The module's entry point: a new fetcher, owned by the caller.
using OpenNetworkFetcherFunction = INetworkFetcher* (*)();
inline constexpr const char* kOpenNetworkFetcherSymbol = "TetralyxOpenHttpFetcher";

class CLazyNetworkFetcher : public INetworkFetcher {
public:
    // fnOpen makes the real fetcher, or returns null and says why in strWhy; it is called
    // once, on the first request.
    using OpenFunction = std::function<std::unique_ptr<INetworkFetcher>(QString& strWhy)>;
    explicit CLazyNetworkFetcher(OpenFunction fnOpen);
    // The fetcher of the module at strModulePath.
    static std::unique_ptr<CLazyNetworkFetcher> FromModule(const QString& strModulePath);

    void Fetch(const QString& strAddress, std::function<void(const FetchResult&)> fnDone) override;
    void FetchLimited(const QString& strAddress, qint64 nMaxBytes, int nTimeoutMs,
                      std::function<void(const FetchResult&)> fnDone) override;
    // Without the module fnDone runs before this returns null, and strFilePath is untouched.
    std::unique_ptr<IFetchTransfer>
    Download(const QString& strAddress, const QString& strFilePath,
             std::function<void(qint64 nReceived, qint64 nTotal)> fnProgress,
             std::function<void(const FetchResult&)> fnDone) override;

    bool IsOpen() const { return m_pFetcher != nullptr; }

private:
    INetworkFetcher* Fetcher();
    FetchResult Failure() const;
    void FailLater(std::function<void(const FetchResult&)> fnDone);

    OpenFunction m_fnOpen;
    bool m_bTried = false;
    QString m_strWhy;
    std::unique_ptr<INetworkFetcher> m_pFetcher;
    // Failures are answered from the event loop, as real transfers are; a fetcher destroyed
    // first leaves them unanswered, as its transfers would be.
    QObject m_answers;
};
