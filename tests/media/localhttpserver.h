// A small HTTP server on 127.0.0.1 for the update tests: each path answers with a body, with
// or without a length, and may drop the connection or stall part-way.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

struct LocalRoute {
    QByteArray baBody;
    int nStatus = 200;
    bool bSendLength = true;
    qint64 nAnnouncedLength = -1; // -1: the body's own
    qint64 nSendOnly = -1;        // send this much, then...
    bool bDropAfter = false;      // ...close the connection (otherwise keep it open, silent)
};

class CLocalHttpServer : public QObject {
public:
    CLocalHttpServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* pSocket = m_server.nextPendingConnection()) {
                QObject::connect(pSocket, &QTcpSocket::readyRead, pSocket,
                                 [this, pSocket] { OnRead(pSocket); });
                QObject::connect(pSocket, &QTcpSocket::disconnected, pSocket,
                                 &QObject::deleteLater);
            }
        });
    }
    bool IsListening() const { return m_server.isListening(); }
    QString Url(const QString& strPath) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(strPath);
    }

    QMap<QByteArray, LocalRoute> m_routes; // by the raw request path
    QList<QByteArray> m_requests;

private:
    void OnRead(QTcpSocket* pSocket) {
        QByteArray& baRequest = m_pending[pSocket];
        baRequest += pSocket->readAll();
        if (!baRequest.contains("\r\n\r\n")) return;
        const QByteArray baPath = baRequest.split(' ').value(1);
        m_pending.remove(pSocket);
        m_requests.push_back(baPath);
        const LocalRoute route = m_routes.value(baPath, LocalRoute{"not here", 404});
        QByteArray baHead = "HTTP/1.1 " + QByteArray::number(route.nStatus) + " X\r\n";
        baHead += "Content-Type: application/octet-stream\r\nConnection: close\r\n";
        if (route.bSendLength)
            baHead += "Content-Length: " +
                      QByteArray::number(route.nAnnouncedLength >= 0 ? route.nAnnouncedLength
                                                                     : route.baBody.size()) +
                      "\r\n";
        pSocket->write(baHead + "\r\n");
        if (route.nSendOnly >= 0) {
            pSocket->write(route.baBody.left(route.nSendOnly));
            pSocket->flush();
            if (route.bDropAfter) pSocket->disconnectFromHost();
            return;
        }
        pSocket->write(route.baBody);
        pSocket->disconnectFromHost();
    }

    QTcpServer m_server;
    QMap<QTcpSocket*, QByteArray> m_pending;
};
