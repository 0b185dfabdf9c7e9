#include "core/httpfetcher.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>

namespace {

QNetworkRequest MakeRequest(const QString& strAddress, int nTimeoutMs) {
    QNetworkRequest request{QUrl(strAddress)};
    request.setTransferTimeout(nTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    // A stale copy from a cache would hide a new build.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    return request;
}

void FillStatus(QNetworkReply* pReply, FetchResult& result) {
    result.nHttpStatus = pReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.bOk = pReply->error() == QNetworkReply::NoError;
    if (!result.bOk) result.strError = pReply->errorString();
}

class CHttpTransfer : public IFetchTransfer {
public:
    explicit CHttpTransfer(QNetworkReply* pReply) : m_pReply(pReply) {}
    ~CHttpTransfer() override {
        if (m_pReply && !m_pReply->isFinished()) {
            m_pReply->disconnect();
            m_pReply->abort();
            m_pReply->deleteLater();
        }
    }
    void Cancel() override {
        if (!m_pReply || m_pReply->isFinished()) return;
        m_pReply->setProperty("tetralyxCancelled", true);
        m_pReply->abort();
    }

private:
    QPointer<QNetworkReply> m_pReply;
};

} // namespace

CHttpFetcher::CHttpFetcher() : m_pManager(std::make_unique<QNetworkAccessManager>()) {}

// Transfers still running end here, unanswered: their callers are ending too.
CHttpFetcher::~CHttpFetcher() = default;

void CHttpFetcher::Fetch(const QString& strAddress,
                         std::function<void(const FetchResult&)> fnDone) {
    FetchLimited(strAddress, -1, kTimeoutMs, std::move(fnDone));
}

void CHttpFetcher::FetchLimited(const QString& strAddress, qint64 nMaxBytes, int nTimeoutMs,
                                std::function<void(const FetchResult&)> fnDone) {
    QNetworkReply* pReply = m_pManager->get(MakeRequest(strAddress, nTimeoutMs));
    if (nMaxBytes >= 0) {
        // Stop as soon as the announced or the received size passes the cap.
        QObject::connect(pReply, &QNetworkReply::downloadProgress, pReply,
                         [pReply, nMaxBytes](qint64 nReceived, qint64 nTotal) {
                             if (nReceived > nMaxBytes || nTotal > nMaxBytes) {
                                 pReply->setProperty("tetralyxTooLong", true);
                                 pReply->abort();
                             }
                         });
    }
    QObject::connect(pReply, &QNetworkReply::finished, pReply,
                     [pReply, nMaxBytes, fnDone = std::move(fnDone)] {
                         FetchResult result;
                         FillStatus(pReply, result);
                         if (result.bOk) result.baBody = pReply->readAll();
                         if (pReply->property("tetralyxTooLong").toBool() ||
                             (nMaxBytes >= 0 && result.baBody.size() > nMaxBytes)) {
                             result.bOk = false;
                             result.baBody.clear();
                             result.strError = QStringLiteral("The answer is too long.");
                         }
                         pReply->deleteLater();
                         fnDone(result);
                     });
}

std::unique_ptr<IFetchTransfer>
CHttpFetcher::Download(const QString& strAddress, const QString& strFilePath,
                       std::function<void(qint64 nReceived, qint64 nTotal)> fnProgress,
                       std::function<void(const FetchResult&)> fnDone) {
    auto pFile = std::make_shared<QFile>(strFilePath);
    if (!pFile->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        FetchResult result;
        result.strError = pFile->errorString();
        fnDone(result);
        return nullptr;
    }
    QNetworkReply* pReply = m_pManager->get(MakeRequest(strAddress, kTimeoutMs));
    auto pWriteFailed = std::make_shared<bool>(false);
    QObject::connect(pReply, &QNetworkReply::readyRead, pReply, [pReply, pFile, pWriteFailed] {
        const QByteArray baBlock = pReply->readAll();
        if (pFile->write(baBlock) != baBlock.size()) {
            *pWriteFailed = true;
            pReply->abort();
        }
    });
    QObject::connect(pReply, &QNetworkReply::downloadProgress, pReply,
                     [fnProgress = std::move(fnProgress)](qint64 nReceived, qint64 nTotal) {
                         if (nReceived > 0 || nTotal > 0) fnProgress(nReceived, nTotal);
                     });
    QObject::connect(pReply, &QNetworkReply::finished, pReply,
                     [pReply, pFile, pWriteFailed, fnDone = std::move(fnDone)] {
                         const QByteArray baRest = pReply->readAll();
                         if (!baRest.isEmpty() && pFile->write(baRest) != baRest.size())
                             *pWriteFailed = true;
                         FetchResult result;
                         FillStatus(pReply, result);
                         result.bCancelled = pReply->property("tetralyxCancelled").toBool();
                         if (result.bOk && !pFile->flush()) *pWriteFailed = true;
                         if (*pWriteFailed) {
                             result.bOk = false;
                             result.strError = pFile->errorString();
                         }
                         pFile->close();
                         if (!result.bOk) pFile->remove();
                         pReply->deleteLater();
                         fnDone(result);
                     });
    return std::make_unique<CHttpTransfer>(pReply);
}
