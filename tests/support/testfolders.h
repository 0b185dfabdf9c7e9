// Fresh user and runtime folders for one test, so tests never touch the real user
// folder and never see each other's files, locks or sockets. A stand-in xdg-open comes
// first on PATH, so that nothing a test does can start a real browser.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

class CTestFolders {
public:
    CTestFolders()
        : m_oldHome(qgetenv("TETRALYX_HOME")), m_oldRuntime(qgetenv("XDG_RUNTIME_DIR")),
          m_oldPath(qgetenv("PATH")) {
        qputenv("TETRALYX_HOME", m_home.path().toUtf8());
        const QString strOpener = m_tools.filePath("xdg-open");
        WriteFile(strOpener, "#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/opened.log\"\n");
        QFile::setPermissions(strOpener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", m_tools.path().toUtf8() + ":" + m_oldPath);
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    }
    ~CTestFolders() {
        Restore("TETRALYX_HOME", m_oldHome);
        Restore("XDG_RUNTIME_DIR", m_oldRuntime);
        Restore("PATH", m_oldPath);
    }
    CTestFolders(const CTestFolders&) = delete;
    CTestFolders& operator=(const CTestFolders&) = delete;

    QString Home() const { return m_home.path(); }
    QString Runtime() const { return m_runtime.path(); }
    // A scratch folder for shipped files and other fixtures.
    QString Scratch() const { return m_scratch.path(); }
    // What reached the stand-in xdg-open, one line per call.
    QByteArray OpenedByXdgOpen() const { return ReadFile(m_tools.filePath("opened.log")); }

    static bool WriteFile(const QString& strPath, const QByteArray& content) {
        QDir().mkpath(QFileInfo(strPath).absolutePath());
        QFile file(strPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        return file.write(content) == content.size();
    }
    static QByteArray ReadFile(const QString& strPath) {
        QFile file(strPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    static void Restore(const char* szName, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(szName);
        else
            qputenv(szName, value);
    }

    QByteArray m_oldHome;
    QByteArray m_oldRuntime;
    QByteArray m_oldPath;
    QTemporaryDir m_home;
    QTemporaryDir m_runtime;
    QTemporaryDir m_scratch;
    QTemporaryDir m_tools;
};
