// Training and training games played through the main window as a player plays them: the
// setup, the questions, Previous / Next / Done and their keys, the clock in the menu bar, the
// sounds and music, the rule note, and every way a run ends.
#include "core/application.h"
#include "core/language.h"
#include "core/registrystore.h"
#include "media/musicplayer.h"
#include "play/maindialog.h"
#include "play/mainwindowsession.h"
#include "play/trainingsetupdialog.h"
#include "play/valuebox.h"
#include "play/worldcupdialog.h"
#include "tests/support/fakeservices.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/support/nextdialog.h"
#include "tests/support/testfolders.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace {

enum class Ending { Done, TimeUp, LastAnswerYes, LastAnswerNo, EscYes, EscNo, CommandYes };

// How the setup dialog is filled in.
struct Setup {
    int nMinutes = 10;
    bool bAccept = true;
};

} // namespace

Q_DECLARE_METATYPE(PlayMode)
Q_DECLARE_METATYPE(Ending)

class MainDialogRunsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<FakeServices> m_pServices;
    std::unique_ptr<FakeSoundPlayer> m_pSound;
    std::unique_ptr<CApplication> m_pApp;
    std::unique_ptr<CMusicPlayer> m_pMusic;
    std::unique_ptr<CMainDialog> m_pWindow;
    int m_nIdleTimers = 0; // the clock's timers outside a run

    CMainDialog& Window() { return *m_pWindow; }
    template <class T> T* Find(const char* szName) {
        T* pWidget = m_pWindow->findChild<T*>(QString::fromLatin1(szName));
        if (!pWidget) qFatal("no control %s", szName);
        return pWidget;
    }
    static void Click(QWidget& dialog, const char* szName) {
        auto* pButton = dialog.findChild<QAbstractButton*>(QString::fromLatin1(szName));
        if (!pButton) qFatal("no button %s", szName);
        QTest::mouseClick(pButton, Qt::LeftButton, {}, QPoint(8, pButton->height() / 2));
    }
    QString Values() {
        QStringList saValues;
        for (int n = 1; n <= 4; ++n)
            saValues.append(
                m_pWindow->findChild<CValueBox*>(QStringLiteral("value%1").arg(n))->GetText());
        return saValues.join(' ');
    }
    QString Comments() { return Find<QPlainTextEdit>("comments")->toPlainText(); }
    QStringList Messages() const {
        QStringList saMessages;
        for (const MessageRequest& request : m_pServices->messages.m_requests)
            saMessages.append(request.strMessage);
        return saMessages;
    }
    // The sounds since the last call: effects and tracks by file name.
    QStringList Sounds() {
        QStringList saSounds;
        for (const QString& strCall : m_pSound->Take())
            if (strCall.startsWith("wave ") || strCall.startsWith("music "))
                saSounds.append(QFileInfo(strCall.section(' ', 1)).baseName());
        return saSounds;
    }
    // Saves a picture of the widget when TETRALYX_SCREENSHOTS names a folder.
    static void Picture(QWidget& widget, const char* szName) {
        const QByteArray baFolder = qgetenv("TETRALYX_SCREENSHOTS");
        if (!baFolder.isEmpty())
            widget.grab().save(QString::fromLocal8Bit(baFolder) + "/" + szName + ".png");
    }
    // Keys go where the player's focus is.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void Answer(const QString& strAnswer, bool bNoSolution = false) {
        auto* pAnswer = Find<QPlainTextEdit>("answer");
        if (bNoSolution) Find<QCheckBox>("noSolution")->setChecked(true);
        pAnswer->setFocus();
        QTest::keyClicks(pAnswer, strAnswer);
        Key(Qt::Key_Return);
    }
    // Opens the mode's setup through its command and fills it in.
    bool Start(PlayMode mode, const Setup& setup = {}) {
        CNextDialog<CTrainingSetupDialog> next([&setup](CTrainingSetupDialog* pDialog) {
            Click(*pDialog, "within");
            Click(*pDialog, "startOn");
            pDialog->findChild<QComboBox*>("list0")->setCurrentText("2");
            pDialog->findChild<QComboBox*>("list3")->setCurrentText("4");
            Click(*pDialog, "sequential");
            pDialog->findChild<QSpinBox*>("count")->setValue(5);
            pDialog->findChild<QSpinBox*>("minutes")->setValue(setup.nMinutes);
            Click(*pDialog, setup.bAccept ? "ok" : "cancel");
        });
        m_pWindow->GetModeAction(mode)->trigger();
        // The window takes the focus back from the closed plan.
        m_pWindow->activateWindow();
        return next.Done() && QTest::qWaitForWindowActive(m_pWindow.get());
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pServices = std::make_unique<FakeServices>();
        m_pSound = std::make_unique<FakeSoundPlayer>();
        const QString strAppFolder = m_pFolders->Scratch();
        QVERIFY(CTestFolders::WriteFile(strAppFolder + "/config/defaultmusic.ini", "[Music]\r\n"));
        QVERIFY(CTestFolders::WriteFile(strAppFolder + "/help/english/index.html", "<p>x</p>"));
        // A track per situation and an effect per moment, each a file of its own name.
        QByteArray baMusic;
        for (const char* szLine :
             {"[Music]", "General Background Music Path = general.mid",
              "Training Music Path = training.mid", "General Training Game Music Path = game.mid",
              "[Sound]", "Go Next = next.wav", "Go Previous = previous.wav",
              "Correct = correct.wav", "Incorrect = incorrect.wav", "TimeUp = timeup.wav"}) {
            const QByteArray baLine(szLine);
            const qsizetype nAt = baLine.indexOf(" = ");
            if (nAt < 0) {
                baMusic += baLine + "\r\n";
                continue;
            }
            const QString strFile = strAppFolder + "/" + baLine.mid(nAt + 3);
            QVERIFY(CTestFolders::WriteFile(strFile, "x"));
            baMusic += baLine.left(nAt + 3) + strFile.toUtf8() + "\r\n";
        }
        QVERIFY(CTestFolders::WriteFile(m_pFolders->Home() + "/music.ini", baMusic));
        {
            CRegistryStore store(m_pFolders->Home() + "/registry.ini",
                                 "software\\Korvane\\Tetralyx\\1.3");
            store.WriteNumber("Shell", "LCID", 1033);
        }
        CServices services = m_pServices->Services();
        services.pSound = m_pSound.get();
        m_pApp = std::make_unique<CApplication>(services);
        QCOMPARE(m_pApp->Configure(strAppFolder, m_pFolders->Home()),
                 CApplication::ConfigResult::Ok);
        m_pMusic = std::make_unique<CMusicPlayer>(
            services,
            CMusicPaths{strAppFolder, m_pFolders->Home() + "/music.ini",
                        strAppFolder + "/config/defaultmusic.ini"},
            [this] {
                return m_pWindow ? m_pWindow->CurrentMusicContext() : MusicContext::General;
            });
        m_pMusic->LoadSettings();
        m_pWindow = std::make_unique<CMainDialog>(*m_pApp, m_pMusic.get());
        QSignalSpy startup(m_pWindow->GetSession(), &CMainWindowSession::StartupDone);
        m_pWindow->show();
        m_pWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pWindow.get()));
        // The start-up notices (release notes without a help set) are not the runs' business.
        m_pServices->clock.Advance(100);
        QCOMPARE(startup.count(), 1);
        QCoreApplication::processEvents();
        m_pServices->messages.m_requests.clear();
        QCOMPARE(Sounds(), QStringList{"general"});
        m_nIdleTimers = m_pServices->clock.RunningTimers();
    }
    void cleanup() {
        m_pWindow.reset();
        m_pMusic.reset();
        m_pApp.reset();
        m_pSound.reset();
        m_pServices.reset();
        m_pFolders.reset();
        SetLanguageId(kLanguageEnglish);
    }

    void aWholeTrainingGameOfFiveQuestions() {
        QVERIFY(Window().GetModeAction(PlayMode::WorldCup)->isEnabled());
        QVERIFY(!Window().GetRuleNoteAction()->isEnabled());
        QVERIFY(Start(PlayMode::TrainingGame));
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages().back().contains("Time Limit: 10 minutes"));
        QCOMPARE(Sounds(), QStringList{"game"});
        QCOMPARE(Window().windowTitle(),
                 "Tetralyx - Training Game (Standard Level - Beginner) 1/5");
        QCOMPARE(Values(), "2 2 2 4");
        QCOMPARE(QApplication::focusWidget(), Find<QPlainTextEdit>("answer"));
        QAction* pGame = Window().GetModeAction(PlayMode::TrainingGame);
        QCOMPARE(pGame->text(), "Stop Training &Game\tEsc");
        QCOMPARE(pGame->toolTip(), "Exit Training Game (Esc)");
        QVERIFY(pGame->isEnabled());
        QVERIFY(!Window().GetModeAction(PlayMode::Training)->isEnabled());
        QVERIFY(!Window().GetCollectionAction(false)->isEnabled());
        QVERIFY(Window().GetRuleNoteAction()->isEnabled());
        QVERIFY(Find<QPushButton>("done")->isVisible());
        QVERIFY(!Find<QPushButton>("previous")->isVisible());

        // The clock appears with the first second and counts down.
        auto* pClock = Find<QLabel>("clock");
        QVERIFY(!pClock->isVisible());
        m_pServices->clock.Advance(1'000);
        QVERIFY(pClock->isVisible());
        QCOMPARE(pClock->text(), "00:09:59");

        Answer("(2+2+2)*4");
        QCOMPARE(Comments(), "Bingo!");
        QCOMPARE(Sounds(), QStringList{"correct"});
        QCOMPARE(Find<QLabel>("status")->text(), "Correct:1  Incorrect:0  Not Answered:4");
        Picture(Window(), "maindialog-training-game");
        Key(Qt::Key_Right);
        QCOMPARE(Values(), "2 2 2 5");
        QCOMPARE(Sounds(), QStringList{"next"});
        QVERIFY(Find<QPushButton>("previous")->isVisible());
        Answer("2*2*2+5");
        QVERIFY(Comments().startsWith("You lost!"));
        QCOMPARE(Sounds(), QStringList{"incorrect"});
        Key(Qt::Key_Right);
        QCOMPARE(Values(), "2 2 2 6");
        QCOMPARE(Find<QPlainTextEdit>("answer")->toPlainText(), "");
        Key(Qt::Key_Left);
        QCOMPARE(Sounds(), (QStringList{"next", "previous"}));
        // A judged question comes back as it was answered, and cannot be answered again.
        QCOMPARE(Values(), "2 2 2 5");
        QCOMPARE(Find<QPlainTextEdit>("answer")->toPlainText(), "2*2*2+5");
        QVERIFY(Find<QPlainTextEdit>("answer")->isReadOnly());
        QVERIFY(!Find<QPushButton>("submit")->isEnabled());
        QVERIFY(!Find<QLabel>("verdict")->pixmap().isNull());
        QCOMPARE(Window().windowTitle(),
                 "Tetralyx - Training Game (Standard Level - Beginner) 2/5");

        // F1 shows the rules of the game, not the help.
        Key(Qt::Key_F1, Qt::NoModifier);
        QCOMPARE(Messages().size(), 2);
        QVERIFY(Messages().back().contains("Training Game Rules"));
        QVERIFY(m_pServices->help.m_saPages.isEmpty());

        m_pServices->clock.Advance(200'000);
        QCOMPARE(pClock->text(), "00:06:39");
        Key(Qt::Key_D);
        QCOMPARE(Messages().back(),
                 "Training Game Score Report - Standard Level\r\n\r\nRule: Standard Rule "
                 "(Addition, Subtraction, Multiplication and Division)\r\nValue Range: "
                 "1-10\r\nScores: 1/5\r\nTime: 3 min 21 sec");
        QCOMPARE(Sounds(), QStringList{"general"});
        QCOMPARE(Window().windowTitle(), "Tetralyx");
        QCOMPARE(Values(), "   ");
        QCOMPARE(pGame->text(), "Training &Game...");
        QVERIFY(!pClock->isVisible());
        QCOMPARE(m_pServices->clock.RunningTimers(), m_nIdleTimers);
    }

    // The World Cup through the window: its dialog, 40 questions, and its own report at time-up.
    void theWorldCupPlaysToTimeUp() {
        {
            CNextDialog<CWorldCupDialog> next(
                [](CWorldCupDialog* pDialog) { Click(*pDialog, "ok"); });
            Window().GetModeAction(PlayMode::WorldCup)->trigger();
            m_pWindow->activateWindow();
            QVERIFY(next.Done() && QTest::qWaitForWindowActive(m_pWindow.get()));
        }
        QCOMPARE(Window().windowTitle(), "Tetralyx - World Cup (Standard Level) 1/40");
        QVERIFY(!Window().GetModeAction(PlayMode::Training)->isEnabled());
        QCOMPARE(Window().GetModeAction(PlayMode::WorldCup)->text(), "Exit &World Cup\tEsc");
        Answer("no answer at all");
        m_pServices->clock.Advance(2'400'000);
        QCOMPARE(Find<QLabel>("clock")->text(), "00:00:00");
        m_pServices->clock.Advance(3'000);
        QVERIFY(Messages().back().startsWith("World Cup Score Report - Standard Level"));
        QVERIFY(Messages().back().contains("Scores: 0/40"));
        QCOMPARE(Window().windowTitle(), "Tetralyx");
        QCOMPARE(Window().GetModeAction(PlayMode::WorldCup)->text(), "&World Cup...");
        QCOMPARE(m_pServices->clock.RunningTimers(), m_nIdleTimers);
    }

    void howARunEnds_data() {
        QTest::addColumn<PlayMode>("mode");
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<bool>("bEnds");
        QTest::addColumn<bool>("bReport");
        QTest::newRow("Done") << PlayMode::TrainingGame << Ending::Done << true << true;
        QTest::newRow("time up") << PlayMode::TrainingGame << Ending::TimeUp << true << true;
        QTest::newRow("all answered, finish")
            << PlayMode::TrainingGame << Ending::LastAnswerYes << true << true;
        QTest::newRow("all answered, review")
            << PlayMode::TrainingGame << Ending::LastAnswerNo << false << false;
        QTest::newRow("Esc, Yes") << PlayMode::TrainingGame << Ending::EscYes << true << false;
        QTest::newRow("Esc, No") << PlayMode::TrainingGame << Ending::EscNo << false << false;
        QTest::newRow("its command")
            << PlayMode::TrainingGame << Ending::CommandYes << true << false;
        QTest::newRow("training, Esc") << PlayMode::Training << Ending::EscYes << true << false;
        QTest::newRow("training, command")
            << PlayMode::Training << Ending::CommandYes << true << false;
        // Done is the training game's; in training the key does nothing.
        QTest::newRow("training, Ctrl+D") << PlayMode::Training << Ending::Done << false << false;
    }
    void howARunEnds() {
        QFETCH(PlayMode, mode);
        QFETCH(Ending, ending);
        QFETCH(bool, bEnds);
        QFETCH(bool, bReport);
        const bool bGame = mode == PlayMode::TrainingGame;
        QVERIFY(Start(mode, Setup{1, true}));
        Sounds();
        // What a training game locks and a training leaves open.
        QCOMPARE(Find<QPushButton>("done")->isVisible(), bGame);
        QCOMPARE(Window().findChild<CValueBox*>("value1")->isReadOnly(), bGame);
        QCOMPARE(Find<QPushButton>("check")->isEnabled(), !bGame);
        QVERIFY(!Window()
                     .GetModeAction(bGame ? PlayMode::Training : PlayMode::TrainingGame)
                     ->isEnabled());
        const qsizetype nBefore = Messages().size();
        QStringList saSounds;
        switch (ending) {
        case Ending::Done:
            Key(Qt::Key_D);
            break;
        case Ending::TimeUp:
            m_pServices->clock.Advance(60'000);
            QCOMPARE(Find<QLabel>("clock")->text(), "00:00:00");
            QCOMPARE(Messages().size(), nBefore);
            m_pServices->clock.Advance(3'000);
            saSounds.append("timeup");
            break;
        case Ending::LastAnswerYes:
        case Ending::LastAnswerNo:
            // 2 2 2 4 .. 2 2 2 8; 2 2 2 5 is wrongly claimed to have no solution, 2 2 2 6
            // rightly.
            m_pServices->messages.Script(ending == Ending::LastAnswerYes ? KV_IDYES : KV_IDNO);
            for (const char* szAnswer : {"(2+2+2)*4", "", "", "2*(2*7-2)", "2*(2+2+8)"}) {
                Answer(szAnswer, szAnswer[0] == '\0');
                Key(Qt::Key_Right);
            }
            saSounds = QStringList{"correct", "next",    "incorrect", "next",   "correct",
                                   "next",    "correct", "next",      "correct"};
            QVERIFY(Messages().at(nBefore).contains("You have answered"));
            QCOMPARE(Comments().isEmpty(), ending == Ending::LastAnswerYes);
            break;
        case Ending::EscYes:
        case Ending::EscNo:
            m_pServices->messages.Script(ending == Ending::EscYes ? KV_IDYES : KV_IDNO);
            Key(Qt::Key_Escape, Qt::NoModifier);
            QCOMPARE(Messages().at(nBefore), bGame ? "Are you sure to exit training game?"
                                                   : "Are you sure to exit training?");
            break;
        case Ending::CommandYes:
            m_pServices->messages.Script(KV_IDYES);
            Window().GetModeAction(mode)->trigger();
            QVERIFY(Messages().at(nBefore).startsWith("Are you sure to exit training"));
            break;
        }
        const QString strLast = Messages().isEmpty() ? QString() : Messages().back();
        QCOMPARE(strLast.startsWith("Training Game Score Report"), bReport);
        if (bReport) {
            QCOMPARE(Messages().count(strLast), 1);
            QVERIFY(
                strLast.contains(ending == Ending::LastAnswerYes ? "Scores: 4/5" : "Scores: 0/5"));
        }
        QCOMPARE(Window().windowTitle() == "Tetralyx", bEnds);
        QCOMPARE(Window().GetLogic().GetMode() == PlayMode::Normal, bEnds);
        if (bEnds) {
            saSounds.append("general");
            QCOMPARE(Values(), "   ");
            QVERIFY(!Window().findChild<CValueBox*>("value1")->isReadOnly());
            QVERIFY(!Find<QLabel>("clock")->isVisible());
            QVERIFY(Window().GetModeAction(PlayMode::Training)->isEnabled());
            QVERIFY(Window().GetModeAction(PlayMode::TrainingGame)->isEnabled());
            QCOMPARE(m_pServices->clock.RunningTimers(), m_nIdleTimers);
        }
        QCOMPARE(Sounds(), saSounds);
    }

    void aCancelledSetupChangesNothing() {
        const QStringList saValues{"3", "3", "8", "8"};
        for (int n = 0; n < 4; ++n)
            Window()
                .findChild<CValueBox*>(QStringLiteral("value%1").arg(n + 1))
                ->SetText(saValues[n]);
        QVERIFY(Start(PlayMode::Training, Setup{10, false}));
        QCOMPARE(Values(), "3 3 8 8");
        QCOMPARE(Window().GetLogic().GetMode(), PlayMode::Normal);
        QVERIFY(Messages().isEmpty());
        QVERIFY(Sounds().isEmpty());
        // Outside a run F1 is help and Previous / Next / Done do nothing.
        Key(Qt::Key_Right);
        Key(Qt::Key_D);
        QVERIFY(Sounds().isEmpty());
        Key(Qt::Key_F1, Qt::NoModifier);
        QCOMPARE(m_pServices->help.m_saPages.size(), 1);
        QVERIFY(Messages().isEmpty());
    }
};

QTEST_MAIN(MainDialogRunsTest)
#include "maindialogruns_test.moc"
