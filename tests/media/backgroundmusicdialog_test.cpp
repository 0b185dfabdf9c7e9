// The Background Music dialog as the player meets it: filled from music.ini, controls that follow
// the switches, Browse, preview, Reset, OK and Cancel.
#include "core/registrystore.h"
#include "media/backgroundmusicdialog.h"
#include "media/musicplayer.h"
#include "tests/support/fakeservices.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/support/testfolders.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

class BackgroundMusicDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<FakeServices> m_pFakes;
    std::unique_ptr<FakeSoundPlayer> m_pSound;
    std::unique_ptr<CMusicPlayer> m_pPlayer;
    std::unique_ptr<CRegistryStore> m_pRegistry;
    CMusicPaths m_paths;

    QString File(const QString& strName) {
        const QString strPath = m_pFolders->Scratch() + "/" + strName;
        CTestFolders::WriteFile(strPath, "x");
        return strPath;
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pFakes = std::make_unique<FakeServices>();
        m_pSound = std::make_unique<FakeSoundPlayer>();
        m_pRegistry = std::make_unique<CRegistryStore>(m_pFolders->Home() + "/registry.ini",
                                                       "software\\test");
        m_paths = {m_pFolders->Scratch(), m_pFolders->Home() + "/music.ini",
                   m_pFolders->Scratch() + "/config/defaultmusic.ini"};
        CServices services = m_pFakes->Services();
        services.pSound = m_pSound.get();
        m_pPlayer = std::make_unique<CMusicPlayer>(services, m_paths);
    }
    void cleanup() {
        m_pPlayer.reset();
        m_pRegistry.reset();
        m_pFolders.reset();
    }

    void controlsFollowTheSwitchesAndThePath() {
        const QString strTrack = File("calm.mid");
        QVERIFY(CTestFolders::WriteFile(
            m_paths.m_strMusicIni, "[Music]\r\nEnable Training Music = false\r\n"
                                   "General Background Music Path = %%root_path%%/calm.mid\r\n"));
        CBackgroundMusicDialog dialog(*m_pPlayer, &m_pFakes->files, m_pRegistry.get());
        dialog.show();
        QCOMPARE(dialog.GetRowPath(0)->text(), strTrack);
        QVERIFY(dialog.GetRowPreview(0)->isVisible());
        QVERIFY(!dialog.GetRowBox(1)->isChecked());
        QVERIFY(!dialog.GetRowPath(1)->isEnabled());
        QVERIFY(!dialog.GetRowBrowse(1)->isEnabled());
        QVERIFY(!dialog.GetResetButton()->isEnabled()); // no shipped defaults here

        // Typing keeps the caret where it is and shows the preview only for a playable file.
        dialog.GetRowPath(0)->setCursorPosition(3);
        dialog.GetRowPath(0)->insert("x");
        QCOMPARE(dialog.GetRowPath(0)->cursorPosition(), 4);
        QVERIFY(!dialog.GetRowPreview(0)->isVisible());
        dialog.GetRowPath(0)->setText(strTrack);
        QVERIFY(dialog.GetRowPreview(0)->isVisible());

        dialog.GetMusicOnBox()->setChecked(false);
        for (int n = 0; n < kMusicContextCount; ++n) {
            QVERIFY(!dialog.GetRowBox(n)->isEnabled());
            QVERIFY(!dialog.GetRowPath(n)->isEnabled());
        }
        QVERIFY(!dialog.GetRowPreview(0)->isVisible());
        dialog.GetMusicOnBox()->setChecked(true);
        QVERIFY(dialog.GetRowPreview(0)->isVisible());
        QTest::mouseClick(dialog.GetRowPreview(0), Qt::LeftButton);
        QCOMPARE(m_pSound->Take().last(), "music " + strTrack);
        QCOMPARE(m_pPlayer->GetDurationCounter(), CMusicPlayer::kPreviewSeconds);
    }

    void browseStartsWhereItShouldAndRemembers() {
        m_pRegistry->WriteText("Music\\File", "Last Music Directory", "/remembered");
        CBackgroundMusicDialog dialog(*m_pPlayer, &m_pFakes->files, m_pRegistry.get());
        const QString strChosen = File("songs/battle.mid");
        m_pFakes->files.m_strOpenAnswer = strChosen;
        QTest::mouseClick(dialog.GetRowBrowse(3), Qt::LeftButton);
        QCOMPARE(dialog.GetRowPath(3)->text(), strChosen);
        QCOMPARE(m_pRegistry->ReadText("Music\\File", "Last Music Directory", ""),
                 m_pFolders->Scratch() + "/songs");
        QTest::mouseClick(dialog.GetRowBrowse(3), Qt::LeftButton); // from the box's folder
        m_pFakes->files.m_strOpenAnswer.clear();
        QTest::mouseClick(dialog.GetRowBrowse(4), Qt::LeftButton); // cancelled: box unchanged
        QCOMPARE(m_pFakes->files.m_saStartPaths,
                 (QStringList{"/remembered", m_pFolders->Scratch() + "/songs",
                              m_pFolders->Scratch() + "/songs"}));
        QCOMPARE(dialog.GetRowPath(4)->text(), QString());
    }

    void resetOkAndCancel() {
        QVERIFY(
            CTestFolders::WriteFile(m_paths.m_strDefaultMusicIni,
                                    "[Music]\r\nWC Wizard Music Path = %%root_path%%/w.mid\r\n"));
        {
            CBackgroundMusicDialog dialog(*m_pPlayer, &m_pFakes->files, m_pRegistry.get());
            QVERIFY(dialog.GetResetButton()->isEnabled());
            dialog.GetRowPath(0)->setText("/typed.mid");
            dialog.reject();
            QVERIFY(!QFile::exists(m_paths.m_strMusicIni));
        }
        CBackgroundMusicDialog dialog(*m_pPlayer, &m_pFakes->files, m_pRegistry.get());
        dialog.GetRowPath(0)->setText("/typed.mid");
        QTest::mouseClick(dialog.GetResetButton(), Qt::LeftButton);
        QCOMPARE(dialog.GetRowPath(0)->text(), QString());
        QCOMPARE(dialog.GetRowPath(5)->text(), m_pFolders->Scratch() + "/w.mid");
        QVERIFY(!QFile::exists(m_paths.m_strMusicIni));
        dialog.GetRowPath(2)->setText("  /game.wav ");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // The main window's record follows what was saved.
        QCOMPARE(m_pPlayer->Settings().Slot(MusicContext::TrainingGame).m_strPath,
                 QString("/game.wav"));
        QCOMPARE(m_pPlayer->Settings().Slot(MusicContext::WorldCupWizard).m_strPath,
                 m_pFolders->Scratch() + "/w.mid");
        QVERIFY(CTestFolders::ReadFile(m_paths.m_strMusicIni)
                    .contains("WC Wizard Music Path = %%root_path%%/w.mid"));
    }
};

QTEST_MAIN(BackgroundMusicDialogTest)
#include "backgroundmusicdialog_test.moc"
