// The Background Music dialog's decisions: control states, browsing, preview, Reset and OK.
#include "core/filefilter.h"
#include "core/stringids.h"
#include "media/backgroundmusiclogic.h"
#include "media/musicplayer.h"
#include "tests/support/fakeservices.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

namespace {

TEST(BackgroundMusicLogic, ControlStateRule) {
    CTestFolders folders;
    const QString strTrack = folders.Scratch() + "/a.mid";
    ASSERT_TRUE(CTestFolders::WriteFile(strTrack, "x"));
    ASSERT_TRUE(CTestFolders::WriteFile(folders.Scratch() + "/a.txt", "x"));
    struct Case {
        bool bMusicOn;
        bool bRowOn;
        QString strPath;
        CMusicRowState expected;
    };
    const Case cases[] = {
        {true, true, strTrack, {true, true, true}},
        {true, true, "  " + strTrack + "\t", {true, true, true}},
        {true, true, folders.Scratch() + "/gone.mid", {true, true, false}},
        {true, true, folders.Scratch() + "/a.txt", {true, true, false}},
        {true, true, "", {true, true, false}},
        {true, false, strTrack, {true, false, false}},
        {false, true, strTrack, {false, false, false}},
        {false, false, strTrack, {false, false, false}},
    };
    for (const Case& c : cases) {
        CMusicSettings settings;
        settings.m_bMusicOn = c.bMusicOn;
        settings.Slot(MusicContext::WorldCupHero) = {c.bRowOn, c.strPath};
        const CMusicDialogState state = CBackgroundMusicLogic::GetControlState(settings);
        EXPECT_EQ(state.bGroupEnabled, c.bMusicOn);
        const CMusicRowState& row = state.aRows[static_cast<size_t>(MusicContext::WorldCupHero)];
        EXPECT_EQ(row.bCheckEnabled, c.expected.bCheckEnabled) << c.strPath.toStdString();
        EXPECT_EQ(row.bPathEnabled, c.expected.bPathEnabled) << c.strPath.toStdString();
        EXPECT_EQ(row.bPreviewShown, c.expected.bPreviewShown) << c.strPath.toStdString();
    }
}

TEST(BackgroundMusicLogic, RowLabelsBrowsingAndFilter) {
    EXPECT_EQ(CBackgroundMusicLogic::GetRowLabel(0), "General &Background Music");
    EXPECT_EQ(CBackgroundMusicLogic::GetRowLabel(2), "Training &Game");
    EXPECT_EQ(CBackgroundMusicLogic::GetRowLabel(4), "World Cup - &Hero Level");
    EXPECT_EQ(CBackgroundMusicLogic::GetRowLabel(6), "World Cup - H&oly War Level");
    EXPECT_EQ(CBackgroundMusicLogic::GetRowLabel(7), "");

    EXPECT_EQ(CBackgroundMusicLogic::GetBrowseStart("", "/last"), "/last");
    EXPECT_EQ(CBackgroundMusicLogic::GetBrowseStart(" /music/a.mid ", "/last"), "/music");
    EXPECT_EQ(CBackgroundMusicLogic::GetFolderToRemember("/music/b.wav"), "/music");

    EXPECT_EQ(ToQtFileFilter("Music Files (*.mid;*.wav)|*.mid;*.wav|All Files (*.*)|*.*||"),
              "Music Files (*.mid *.wav);;All Files (*)");
    EXPECT_EQ(ToQtFileFilter(""), "");
}

TEST(BackgroundMusicLogic, PreviewResetAndAccept) {
    CTestFolders folders;
    const CMusicPaths paths{folders.Scratch(), folders.Home() + "/music.ini",
                            folders.Scratch() + "/config/defaultmusic.ini"};
    FakeServices fakes;
    FakeSoundPlayer sound;
    CServices services = fakes.Services();
    services.pSound = &sound;
    CMusicPlayer player(services, paths);

    const QString strTrack = folders.Scratch() + "/a.mid";
    ASSERT_TRUE(CTestFolders::WriteFile(strTrack, "x"));
    EXPECT_TRUE(CBackgroundMusicLogic::Preview(" " + strTrack, player));
    EXPECT_EQ(sound.Take().last(), "music " + strTrack);
    EXPECT_EQ(player.GetDurationCounter(), CMusicPlayer::kPreviewSeconds);
    EXPECT_FALSE(CBackgroundMusicLogic::Preview(folders.Scratch() + "/gone.mid", player));
    EXPECT_TRUE(sound.Take().isEmpty());

    CBackgroundMusicLogic logic(paths);
    EXPECT_FALSE(logic.CanReset());
    ASSERT_TRUE(CTestFolders::WriteFile(
        paths.m_strDefaultMusicIni, "[Music]\r\nTraining Music Path = %%root_path%%/t.mid\r\n"));
    EXPECT_TRUE(logic.CanReset());
    logic.Load();
    EXPECT_EQ(logic.WorkingCopy(), CMusicSettings());
    logic.Reset();
    EXPECT_EQ(logic.WorkingCopy().Slot(MusicContext::Training).m_strPath,
              folders.Scratch() + "/t.mid");
    EXPECT_FALSE(QFile::exists(paths.m_strMusicIni)); // Reset alone saves nothing

    logic.WorkingCopy().Slot(MusicContext::General).m_strPath = "\t/x/y.mid \r\n";
    ASSERT_TRUE(logic.Accept());
    CMusicSettings saved;
    LoadMusicSettings(saved, paths, false);
    EXPECT_EQ(saved.Slot(MusicContext::General).m_strPath, "/x/y.mid");
    EXPECT_EQ(saved, logic.WorkingCopy());
}

} // namespace
