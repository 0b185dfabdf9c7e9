#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString g_strOpenerLog;

class CoreTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        m_pFolder = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(m_pFolder->isValid());
        const QString strRoot = m_pFolder->path();
        ASSERT_TRUE(QDir(strRoot).mkpath(QStringLiteral("home")));
        ASSERT_TRUE(QDir(strRoot).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(strRoot).mkpath(QStringLiteral("runtime")));
        QFile::setPermissions(strRoot + QStringLiteral("/runtime"), QFileDevice::ReadOwner |
                                                                        QFileDevice::WriteOwner |
                                                                        QFileDevice::ExeOwner);
        qputenv("TETRALYX_HOME", (strRoot + QStringLiteral("/home")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", (strRoot + QStringLiteral("/runtime")).toUtf8());

        g_strOpenerLog = strRoot + QStringLiteral("/opened.txt");
        const QString strOpener = strRoot + QStringLiteral("/bin/xdg-open");
        const QByteArray baScript =
            "#!/bin/sh\nprintf '%s:%s\\n' \"$#\" \"$1\" >> '" + g_strOpenerLog.toUtf8() + "'\n";
        ASSERT_TRUE(WriteWholeFile(strOpener, baScript));
        QFile::setPermissions(strOpener, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
        qputenv("PATH", (strRoot + QStringLiteral("/bin:")).toUtf8() + qgetenv("PATH"));

        static int nArgc = 1;
        static char szName[] = "core_tests";
        static char* aszArgv[] = {szName, nullptr};
        m_pApp = std::make_unique<QGuiApplication>(nArgc, aszArgv);
    }

    void TearDown() override {
        m_pApp.reset();
        m_pFolder.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> m_pFolder;
    std::unique_ptr<QGuiApplication> m_pApp;
};

[[maybe_unused]] ::testing::Environment* const g_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new CoreTestEnvironment);

} // namespace

QString StandInOpenerLog() {
    return g_strOpenerLog;
}

QByteArray ReadWholeFile(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteWholeFile(const QString& strPath, const QByteArray& baContent) {
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(baContent) == baContent.size();
}

ScopedEnv::ScopedEnv(const char* szName, const QByteArray& baValue, bool bSet)
    : m_szName(szName), m_bHadValue(qEnvironmentVariableIsSet(szName)),
      m_baOldValue(qgetenv(szName)) {
    if (bSet)
        qputenv(szName, baValue);
    else
        qunsetenv(szName);
}

ScopedEnv::~ScopedEnv() {
    if (m_bHadValue)
        qputenv(m_szName, m_baOldValue);
    else
        qunsetenv(m_szName);
}
