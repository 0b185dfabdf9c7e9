// Stands in for the desktop's "open": records every address instead of starting a browser.
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

class CUrlRecorder : public QObject {
    Q_OBJECT
public:
    CUrlRecorder() {
        for (const char* szScheme : {"http", "https", "file", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(szScheme), this, "Open");
    }
    ~CUrlRecorder() override {
        for (const char* szScheme : {"http", "https", "file", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(szScheme));
    }
    CUrlRecorder(const CUrlRecorder&) = delete;
    CUrlRecorder& operator=(const CUrlRecorder&) = delete;

    QStringList m_saOpened;

public slots:
    void Open(const QUrl& url) {
        m_saOpened.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    }
};
