#include "core/debuglog.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(DebugLog, DefaultBuildWritesNothing) {
    if (IsDebugLogBuiltIn()) GTEST_SKIP() << "configured with TETRALYX_DEBUG_LOG=ON";
    QTemporaryDir folder;
    SetDebugLogFolder(folder.path());
    EXPECT_FALSE(WriteDebugLog("OnMainSubmit", "bool bRepeat = false;"));
    EXPECT_FALSE(WriteDebugLog("", "_PROGRAM_START"));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    SetDebugLogFolder(QString());
}

} // namespace
