// Fetches a document from the network, asynchronously. The update check asks through this;
// tests answer from memory and never touch the network.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

struct FetchResult {
    bool bOk = false;    // the transfer completed
    int nHttpStatus = 0; // 0 when there was no HTTP answer
    QByteArray baBody;
    QString strError;        // what went wrong, for the player, when !bOk
    bool bCancelled = false; // a download stopped by its caller
};

// A download under way; Cancel ends it (its fnDone then reports bCancelled). Destroying the
// handle cancels too, without an answer.
class IFetchTransfer {
public:
    virtual ~IFetchTransfer() = default;
    virtual void Cancel() = 0;
};

class INetworkFetcher {
public:
    virtual ~INetworkFetcher() = default;
    // fnDone runs once, on the UI thread, when the transfer ends.
    virtual void Fetch(const QString& strAddress,
                       std::function<void(const FetchResult&)> fnDone) = 0;
    // As Fetch, but a body longer than nMaxBytes, or a transfer silent for nTimeoutMs, fails.
    virtual void FetchLimited(const QString& strAddress, qint64 nMaxBytes, int nTimeoutMs,
                              std::function<void(const FetchResult&)> fnDone) = 0;
    // Writes the body to strFilePath (created or truncated) as it comes. fnProgress gets the
    // bytes received so far and the total the server announced (-1: none). A failed or
    // cancelled download removes the file. fnDone carries no body. Null when the download
    // ended before it began (fnDone has then run already).
    virtual std::unique_ptr<IFetchTransfer>
    Download(const QString& strAddress, const QString& strFilePath,
             std::function<void(qint64 nReceived, qint64 nTotal)> fnProgress,
             std::function<void(const FetchResult&)> fnDone) = 0;
};
