#include "core/httpfetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

CHttpFetcher::CHttpFetcher() : m_pManager(std::make_unique<QNetworkAccessManager>()) {}

// Transfers still running end here, unanswered: their callers are ending too.
CHttpFetcher::~CHttpFetcher() = default;

void CHttpFetcher::Fetch(const QString& strAddress,
                         std::function<void(const FetchResult&)> fnDone) {
    QNetworkRequest request{QUrl(strAddress)};
    request.setTransferTimeout(kTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* pReply = m_pManager->get(request);
    QObject::connect(pReply, &QNetworkReply::finished, pReply,
                     [pReply, fnDone = std::move(fnDone)] {
                         FetchResult result;
                         result.nHttpStatus =
                             pReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                         result.bOk = pReply->error() == QNetworkReply::NoError;
                         if (result.bOk)
                             result.baBody = pReply->readAll();
                         else
                             result.strError = pReply->errorString();
                         pReply->deleteLater();
                         fnDone(result);
                     });
}
