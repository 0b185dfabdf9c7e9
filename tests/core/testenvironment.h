// What the core tests share: a GUI application object (offscreen), a fresh user folder in
// TETRALYX_HOME, and a stand-in xdg-open first on PATH so that no test opens a browser.
#pragma once

#include <QByteArray>
#include <QString>

// The file the stand-in xdg-open appends "<argument count>:<first argument>" lines to.
QString StandInOpenerLog();

QByteArray ReadWholeFile(const QString& strPath);
bool WriteWholeFile(const QString& strPath, const QByteArray& baContent);

// Sets an environment variable for one scope and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* szName, const QByteArray& baValue, bool bSet = true);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_szName;
    bool m_bHadValue;
    QByteArray m_baOldValue;
};
