// The training setup dialog as the player meets it, and a whole training game started from
// it: setup, two answers, Previous/Next, Done and the report.
#include "core/language.h"
#include "core/registrystore.h"
#include "media/kvmessageboxdialog.h"
#include "play/runlogic.h"
#include "play/trainingsetupdialog.h"
#include "tests/support/fakeservices.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TrainingSetupDialogTest : public QObject {
    Q_OBJECT

private:
    template <class T> static T* Find(const QWidget& dialog, const char* szName) {
        T* pWidget = dialog.findChild<T*>(QString::fromLatin1(szName));
        if (!pWidget) qFatal("no control %s", szName);
        return pWidget;
    }
    // Clicks near the left end, where check boxes and radios have their box.
    static void Click(const QWidget& dialog, const char* szName) {
        QAbstractButton* pButton = Find<QAbstractButton>(dialog, szName);
        QTest::mouseClick(pButton, Qt::LeftButton, {}, QPoint(8, pButton->height() / 2));
    }
    // Saves a picture of the widget when TETRALYX_SCREENSHOTS names a folder.
    static void Picture(QWidget& widget, const char* szName) {
        const QByteArray baFolder = qgetenv("TETRALYX_SCREENSHOTS");
        if (!baFolder.isEmpty())
            widget.grab().save(QString::fromLocal8Bit(baFolder) + "/" + szName + ".png");
    }

private slots:
    void init() { SetLanguageId(kLanguageEnglish); }

    void opensWithTheDefaultsOfEachMode() {
        FakeMessagePresenter messages;
        for (const PlayMode mode : {PlayMode::Training, PlayMode::TrainingGame}) {
            CTrainingSetupDialog dialog(mode, TrainingPlan::Defaults(mode), messages);
            dialog.show();
            QCOMPARE(dialog.windowTitle(),
                     mode == PlayMode::Training ? "Training Plan" : "Training Game");
            QVERIFY(Find<QRadioButton>(dialog, "standard")->isChecked());
            QVERIFY(!Find<QCheckBox>(dialog, "jqk")->isChecked());
            QVERIFY(Find<QRadioButton>(dialog, "fullSet")->isChecked());
            QVERIFY(!Find<QCheckBox>(dialog, "troubleMaker")->isEnabled());
            QVERIFY(Find<QRadioButton>(dialog, "fullRange")->isChecked());
            QVERIFY(!Find<QCheckBox>(dialog, "startOn")->isEnabled());
            QVERIFY(!Find<QComboBox>(dialog, "list0")->isEnabled());
            QCOMPARE(Find<QComboBox>(dialog, "list7")->currentText(), "10");
            QVERIFY(Find<QRadioButton>(dialog, "random")->isChecked());
            QVERIFY(!Find<QRadioButton>(dialog, "ascending")->isEnabled());
            QCOMPARE(Find<QSpinBox>(dialog, "count")->value(), 40);
            QCOMPARE(Find<QComboBox>(dialog, "difficulty")->currentText(), "Beginner");
            const bool bGame = mode == PlayMode::TrainingGame;
            QCOMPARE(Find<QCheckBox>(dialog, "timeLimit")->isEnabled(), bGame);
            QCOMPARE(Find<QCheckBox>(dialog, "timeLimit")->isChecked(), bGame);
            QCOMPARE(Find<QSpinBox>(dialog, "minutes")->value(), 40);
            if (bGame) Picture(dialog, "training-setup");
        }
    }

    void editsFollowTheRulesAndOkReturnsThePlan() {
        FakeMessagePresenter messages;
        CTrainingSetupDialog dialog(PlayMode::TrainingGame,
                                    TrainingPlan::Defaults(PlayMode::TrainingGame), messages);
        dialog.show();
        Click(dialog, "collections");
        QVERIFY(Find<QCheckBox>(dialog, "myFavorite")->isEnabled());
        Click(dialog, "myFavorite");
        Click(dialog, "troubleMaker"); // the last one unticked ticks the other again
        QVERIFY(!Find<QCheckBox>(dialog, "troubleMaker")->isChecked());
        QVERIFY(Find<QCheckBox>(dialog, "myFavorite")->isChecked());
        Click(dialog, "jqk");
        Click(dialog, "within");
        Click(dialog, "endOn");
        QVERIFY(Find<QComboBox>(dialog, "list4")->isEnabled());
        QVERIFY(!Find<QComboBox>(dialog, "list0")->isEnabled());
        Find<QComboBox>(dialog, "list4")->setCurrentText("12");
        // End 2 now starts at End 1.
        QCOMPARE(Find<QComboBox>(dialog, "list5")->itemText(0), "12");
        QCOMPARE(Find<QComboBox>(dialog, "list7")->currentText(), "13");
        Click(dialog, "jqk"); // off again: the selection resets
        QCOMPARE(Find<QComboBox>(dialog, "list4")->currentText(), "10");
        Click(dialog, "sequential");
        Click(dialog, "descending");
        Find<QSpinBox>(dialog, "count")->setValue(5);
        Find<QComboBox>(dialog, "difficulty")->setCurrentIndex(2);
        Click(dialog, "notes");
        QCOMPARE(messages.m_requests.size(), size_t(1));
        QVERIFY(messages.m_requests[0].strMessage.contains("500"));
        QCOMPARE(messages.m_requests[0].strDetails, KV_HELP_UG_IRRELEVANT);
        Click(dialog, "ok");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const TrainingPlan& plan = dialog.GetPlan();
        QVERIFY(!plan.m_bFullSet && !plan.m_bTroubleMaker && plan.m_bMyFavorite);
        QVERIFY(!plan.m_bJQK && !plan.m_bFullRange && plan.m_bEndOn);
        QVERIFY(!plan.m_bRandom && !plan.m_bAscending);
        QCOMPARE(plan.m_nQuestionCount, 5);
        QCOMPARE(plan.m_nDifficulty, 3);
        QCOMPARE(dialog.GetPlanToSave().ToValues(), plan.ToValues());
    }

    void cancelKeepsOnlyWhatWasReadBeforeIt() {
        FakeMessagePresenter messages;
        CTrainingSetupDialog dialog(PlayMode::Training, TrainingPlan::Defaults(PlayMode::Training),
                                    messages);
        dialog.show();
        Click(dialog, "advanced");
        Find<QSpinBox>(dialog, "count")->setValue(12);
        Click(dialog, "sequential"); // reads every control
        Find<QComboBox>(dialog, "difficulty")->setCurrentIndex(3);
        Click(dialog, "cancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        const TrainingPlan& saved = dialog.GetPlanToSave();
        QVERIFY(!saved.m_bStandard && !saved.m_bRandom);
        QCOMPARE(saved.m_nQuestionCount, 12);
        QCOMPARE(saved.m_nDifficulty, 1);
    }

    void theCommandLoadsRunsAndStoresThePlan() {
        QTemporaryDir folder;
        CRegistryStore store(folder.filePath("registry.ini"), "software\\Korvane\\Tetralyx\\1.3");
        store.WriteNumber("Training", "Question Count", 600);
        FakeMessagePresenter messages;
        for (const char* szButton : {"cancel", "ok"}) {
            QTimer::singleShot(0, [szButton] {
                QWidget* pDialog = QApplication::activeModalWidget();
                if (!pDialog) qFatal("no setup dialog");
                QCOMPARE(Find<QSpinBox>(*pDialog, "count")->value(), 40);
                Click(*pDialog, "sequential");
                Click(*pDialog, szButton);
            });
            TrainingPlan plan;
            plan.m_nQuestionCount = 1;
            const bool bOk = QString(szButton) == "ok";
            QCOMPARE(RunTrainingSetup(PlayMode::Training, store, messages, nullptr, plan), bOk);
            QCOMPARE(plan.m_nQuestionCount, bOk ? 40 : 1);
            QCOMPARE(store.ReadNumber("Training", "Question Count", 0), 40);
            QCOMPARE(store.ReadNumber("Training", "Randomly", 1), 0);
            store.WriteNumber("Training", "Randomly", 1);
            store.WriteNumber("Training", "Question Count", 600);
        }
    }

    void aWholeTrainingGameOfFiveQuestions() {
        FakeServices services;
        CTrainingSetupDialog dialog(PlayMode::TrainingGame,
                                    TrainingPlan::Defaults(PlayMode::TrainingGame),
                                    services.messages);
        dialog.show();
        Click(dialog, "within");
        Click(dialog, "startOn");
        Find<QComboBox>(dialog, "list0")->setCurrentText("2");
        Find<QComboBox>(dialog, "list3")->setCurrentText("4");
        Click(dialog, "sequential");
        Find<QSpinBox>(dialog, "count")->setValue(5);
        Find<QSpinBox>(dialog, "minutes")->setValue(10);
        Click(dialog, "ok");

        CMainLogic logic;
        logic.SetLanguage(kLanguageEnglish);
        CRunLogic runs(logic, services.clock, services.messages);
        runs.StartRun(PlayMode::TrainingGame, dialog.GetPlan(), {});
        QCOMPARE(logic.Run().m_saQuestions,
                 (std::vector<std::string>{"2 2 2 4", "2 2 2 5", "2 2 2 6", "2 2 2 7", "2 2 2 8"}));
        QVERIFY(services.messages.m_requests.back().strMessage.contains("Time Limit: 10 minutes"));
        const auto answer = [&](const char* szAnswer) {
            MainInput input = logic.GetInput();
            input.strAnswer = szAnswer;
            logic.SetInput(input);
            return runs.Submit();
        };
        QVERIFY(answer("(2+2+2)*4").bSubmitted); // 2 2 2 4: correct
        QCOMPARE(runs.Next(), SoundEffect::GoNext);
        QCOMPARE(answer("2*2*2+5").effect, SoundEffect::Incorrect);
        QCOMPARE(runs.Next(), SoundEffect::GoNext);
        QCOMPARE(runs.Previous(), SoundEffect::GoPrevious);
        QCOMPARE(logic.GetInput().strAnswer, "2*2*2+5");
        QVERIFY(!logic.CanSubmit()); // judged once
        services.clock.Advance(200'000);
        QVERIFY(runs.Done().bEnded);
        QCOMPARE(services.messages.m_requests.back().strMessage,
                 "Training Game Score Report - Standard Level\r\n\r\nRule: Standard Rule "
                 "(Addition, Subtraction, Multiplication and Division)\r\nValue Range: "
                 "1-10\r\nScores: 1/5\r\nTime: 3 min 20 sec");
        QCOMPARE(logic.GetMode(), PlayMode::Normal);
        const MessageRequest& shown = services.messages.m_requests.back();
        CKVMessageBoxDialog report(shown.strMessage, shown.strCaption, shown.nStyle,
                                   shown.bHasDetails, shown.strDetails, false, false);
        report.show();
        Picture(report, "training-game-report");
    }
};

QTEST_MAIN(TrainingSetupDialogTest)
#include "trainingsetupdialog_test.moc"
