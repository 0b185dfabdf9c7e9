// Built with the trace log switched on.
#include "core/debuglog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DebugLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        SetDebugLogFolder(m_folder.path());
    }
    void TearDown() override { SetDebugLogFolder(QString()); }

    QString LogPath() const { return m_folder.filePath("qxdebug.log"); }
    QString ReadLog() const {
        QFile file(LogPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir m_folder;
};

const QString kTime = R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)";

TEST_F(DebugLogTest, WritesTraceLinesAndMarkers) {
    ASSERT_TRUE(IsDebugLogBuiltIn());
    const std::pair<QString, QString> calls[] = {
        {"Start", "_program_start"}, {"GetNormalAnswer", "bool bRepeat = false;"},
        {"Blank", "_Debug_Blank"},   {"OnMainSubmit", "_PROGRAM_START_"},
        {"End", "_PROGRAM_END"},
    };
    for (const auto& [strLabel, strMessage] : calls)
        EXPECT_TRUE(WriteDebugLog(strLabel, strMessage));
    const QRegularExpression pattern("^\\*\\*\\*\\*\\* Program Start \\*\\*\\*\\*\\*\n" + kTime +
                                     "\tGetNormalAnswer\tbool bRepeat = false;\n"
                                     "\n" +
                                     kTime +
                                     "\tOnMainSubmit\t_PROGRAM_START_\n"
                                     "\\*\\*\\*\\*\\* Program End \\*\\*\\*\\*\\*\n$");
    EXPECT_TRUE(pattern.match(ReadLog()).hasMatch()) << ReadLog().toStdString();
}

TEST_F(DebugLogTest, CutsLabelAndMessage) {
    const QString strWide = QString::fromUtf8("答案") + QString(58, 'w');
    const QString strEmoji = QString::fromUtf8("\xF0\x9F\x82\xA1"); // one character, two units
    const struct {
        const char* szWhat;
        QString strLabel, strMessage, strLabelWritten, strMessageWritten;
    } cases[] = {
        {"label of 60", QString(60, 'L'), "m", QString(50, 'L'), "m"},
        {"wide characters count as one", strWide, "m", strWide.left(50), "m"},
        {"message shares 370 with the label", QString(50, 'L'), QString(400, 'm'), QString(50, 'L'),
         QString(320, 'm')},
        {"short label leaves more message", "GetComments", QString(400, 'm'), "GetComments",
         QString(359, 'm')},
        {"no half character", QString(49, 'L'), QString(320, 'm') + strEmoji + "tail",
         QString(49, 'L'), QString(320, 'm')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szWhat);
        QFile::remove(LogPath());
        ASSERT_TRUE(WriteDebugLog(c.strLabel, c.strMessage));
        const QString strLog = ReadLog();
        ASSERT_TRUE(strLog.endsWith('\n'));
        const QStringList saFields = strLog.chopped(1).split('\t');
        ASSERT_EQ(saFields.size(), 3);
        EXPECT_EQ(saFields[1], c.strLabelWritten);
        EXPECT_EQ(saFields[2], c.strMessageWritten);
    }
}

TEST_F(DebugLogTest, ALogAboveTheLimitStartsAfresh) {
    const std::pair<qint64, bool> cases[] = {{10'000'001, true}, {10'000'000, false}};
    for (const auto& [nSize, bRestarts] : cases) {
        SCOPED_TRACE(nSize);
        {
            QFile file(LogPath());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ASSERT_TRUE(file.resize(nSize));
        }
        ASSERT_TRUE(WriteDebugLog("x", "_PROGRAM_END"));
        const qint64 nLine = qint64(sizeof("***** Program End *****\n")) - 1;
        EXPECT_EQ(QFile(LogPath()).size(), bRestarts ? nLine : nSize + nLine);
        if (bRestarts) {
            EXPECT_EQ(ReadLog(), "***** Program End *****\n");
        }
    }
}

TEST_F(DebugLogTest, FailsWithoutItsFolder) {
    SetDebugLogFolder(m_folder.filePath("missing"));
    EXPECT_FALSE(WriteDebugLog("x", "y"));
    EXPECT_FALSE(QDir(m_folder.filePath("missing")).exists());
    SetDebugLogFolder(QString());
    EXPECT_EQ(GetDebugLogFolder(), QDir::tempPath());
}

} // namespace
