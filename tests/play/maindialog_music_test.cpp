// The Music menu of the plain main window: the general track at start, the master switch and
// the Background Music dialog around a paused track.
#include "core/application.h"
#include "core/language.h"
#include "media/backgroundmusicdialog.h"
#include "media/musicplayer.h"
#include "play/maindialog.h"
#include "tests/support/fakeservices.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/support/testfolders.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

class MainDialogMusicTest : public QObject {
    Q_OBJECT

private slots:
    void theMusicMenuDrivesThePlayer() {
        CTestFolders folders;
        FakeServices fakes;
        FakeSoundPlayer sound;
        CServices services = fakes.Services();
        services.pSound = &sound;
        QVERIFY(
            CTestFolders::WriteFile(folders.Scratch() + "/config/defaultmusic.ini", "[Music]\r\n"));
        SetLanguageId(kLanguageEnglish);
        CApplication app(services);
        QCOMPARE(app.Configure(folders.Scratch(), folders.Home()), CApplication::ConfigResult::Ok);
        const QString strTrack = folders.Scratch() + "/general.mid";
        QVERIFY(CTestFolders::WriteFile(strTrack, "x"));
        QVERIFY(CTestFolders::WriteFile(
            folders.Home() + "/music.ini",
            "[Music]\r\nGeneral Background Music Path = " + strTrack.toUtf8() + "\r\n"));
        CMusicPlayer player(services, CMusicPaths{folders.Scratch(), folders.Home() + "/music.ini",
                                                  folders.Scratch() + "/defaultmusic.ini"});
        player.LoadSettings();

        CMainDialog window(app, &player);
        QStringList saTitles;
        for (QAction* pAction : window.menuBar()->actions())
            saTitles.append(pAction->text());
        QVERIFY(saTitles.contains("&Music"));
        QCOMPARE(window.GetMusicOnAction()->text(), QString("Music &On"));
        QCOMPARE(window.GetBackgroundMusicAction()->text(), QString("&Background Music..."));
        QVERIFY(window.GetMusicOnAction()->isChecked());
        // The context music starts once the window is on screen, not while it is built.
        QStringList saPlayed = sound.Take();
        QVERIFY(!saPlayed.contains("music " + strTrack));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY((saPlayed += sound.Take(), saPlayed.contains("music " + strTrack)));
        // The rest drives the menus alone; focus changes of a shown window would pause too.
        window.hide();
        QCoreApplication::processEvents();
        sound.Take();

        window.GetMusicOnAction()->trigger();
        QVERIFY(!window.GetMusicOnAction()->isChecked());
        QCOMPARE(sound.Take(), QStringList{"pause"});
        QVERIFY(CTestFolders::ReadFile(folders.Home() + "/music.ini").contains("Music On = false"));
        window.GetMusicOnAction()->trigger();
        QCOMPARE(sound.Take(), QStringList{"resume"});

        bool bDialogSeen = false;
        QTimer::singleShot(0, [&] {
            auto* pDialog =
                qobject_cast<CBackgroundMusicDialog*>(QApplication::activeModalWidget());
            bDialogSeen = pDialog != nullptr;
            if (pDialog) pDialog->reject();
        });
        window.GetBackgroundMusicAction()->trigger();
        QVERIFY(bDialogSeen);
        // Paused for the dialog, continued after it.
        QCOMPARE(sound.Take(), (QStringList{"pause", "resume"}));
    }
};

QTEST_MAIN(MainDialogMusicTest)
#include "maindialog_music_test.moc"
