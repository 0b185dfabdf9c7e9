// The network fetcher of the running program: HTTP(S) over Qt's network access, answered on
// the UI thread.
#pragma once

#include "core/networkfetcher.h"

#include <memory>

class QNetworkAccessManager;

class CHttpFetcher : public INetworkFetcher {
public:
    CHttpFetcher();
    ~CHttpFetcher() override;
    CHttpFetcher(const CHttpFetcher&) = delete;
    CHttpFetcher& operator=(const CHttpFetcher&) = delete;

    void Fetch(const QString& strAddress, std::function<void(const FetchResult&)> fnDone) override;
    void FetchLimited(const QString& strAddress, qint64 nMaxBytes, int nTimeoutMs,
                      std::function<void(const FetchResult&)> fnDone) override;
    std::unique_ptr<IFetchTransfer>
    Download(const QString& strAddress, const QString& strFilePath,
             std::function<void(qint64 nReceived, qint64 nTotal)> fnProgress,
             std::function<void(const FetchResult&)> fnDone) override;

    // A transfer that takes longer than this fails.
    static constexpr int kTimeoutMs = 30000;

private:
    std::unique_ptr<QNetworkAccessManager> m_pManager;
};
