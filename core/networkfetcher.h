// Fetches a document from the network, asynchronously. The update check asks through this;
// tests answer from memory and never touch the network.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

struct FetchResult {
    bool bOk = false;    // the transfer completed
    int nHttpStatus = 0; // 0 when there was no HTTP answer
    QByteArray baBody;
    QString strError; // what went wrong, for the player, when !bOk
};

class INetworkFetcher {
public:
    virtual ~INetworkFetcher() = default;
    // fnDone runs once, on the UI thread, when the transfer ends.
    virtual void Fetch(const QString& strAddress,
                       std::function<void(const FetchResult&)> fnDone) = 0;
};
