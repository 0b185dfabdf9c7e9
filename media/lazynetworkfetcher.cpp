#include "media/lazynetworkfetcher.h"

#include "media/moduleentry.h"

#include <QTimer>

CLazyNetworkFetcher::CLazyNetworkFetcher(OpenFunction fnOpen) : m_fnOpen(std::move(fnOpen)) {}

std::unique_ptr<CLazyNetworkFetcher> CLazyNetworkFetcher::FromModule(const QString& strModulePath) {
    return std::make_unique<CLazyNetworkFetcher>(
        [strModulePath](QString& strWhy) -> std::unique_ptr<INetworkFetcher> {
            const auto fnOpen = reinterpret_cast<OpenNetworkFetcherFunction>(
                ResolveModuleEntry(strModulePath, kOpenNetworkFetcherSymbol, &strWhy));
            if (fnOpen == nullptr) return nullptr;
            return std::unique_ptr<INetworkFetcher>(fnOpen());
        });
}

INetworkFetcher* CLazyNetworkFetcher::Fetcher() {
    if (!m_bTried) {
        m_bTried = true;
        if (m_fnOpen) m_pFetcher = m_fnOpen(m_strWhy);
    }
    return m_pFetcher.get();
}

FetchResult CLazyNetworkFetcher::Failure() const {
    FetchResult result;
    result.strError = QStringLiteral("The network module could not be loaded.");
    if (!m_strWhy.isEmpty()) result.strError += QLatin1Char(' ') + m_strWhy;
    return result;
}

void CLazyNetworkFetcher::FailLater(std::function<void(const FetchResult&)> fnDone) {
    QTimer::singleShot(0, &m_answers,
                       [fnDone = std::move(fnDone), result = Failure()] { fnDone(result); });
}

void CLazyNetworkFetcher::Fetch(const QString& strAddress,
                                std::function<void(const FetchResult&)> fnDone) {
    if (INetworkFetcher* pFetcher = Fetcher())
        pFetcher->Fetch(strAddress, std::move(fnDone));
    else
        FailLater(std::move(fnDone));
}

void CLazyNetworkFetcher::FetchLimited(const QString& strAddress, qint64 nMaxBytes, int nTimeoutMs,
                                       std::function<void(const FetchResult&)> fnDone) {
    if (INetworkFetcher* pFetcher = Fetcher())
        pFetcher->FetchLimited(strAddress, nMaxBytes, nTimeoutMs, std::move(fnDone));
    else
        FailLater(std::move(fnDone));
}

std::unique_ptr<IFetchTransfer>
CLazyNetworkFetcher::Download(const QString& strAddress, const QString& strFilePath,
                              std::function<void(qint64 nReceived, qint64 nTotal)> fnProgress,
                              std::function<void(const FetchResult&)> fnDone) {
    if (INetworkFetcher* pFetcher = Fetcher())
        return pFetcher->Download(strAddress, strFilePath, std::move(fnProgress),
                                  std::move(fnDone));
    // As a file that cannot be opened: answered at once, with no transfer to hold.
    fnDone(Failure());
    return nullptr;
}
