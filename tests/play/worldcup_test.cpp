// The World Cup as the player meets it: its dialog with the two rankings, the other copies,
// a run played to time-up with a fake clock, and a result that enters a rank table.
#include "core/language.h"
#include "core/registrystore.h"
#include "engine/enginestate.h"
#include "engine/solver.h"
#include "play/rankingdialog.h"
#include "play/ranknamedialog.h"
#include "play/runlogic.h"
#include "play/worldcupdialog.h"
#include "play/worldcupflow.h"
#include "tests/support/fakeservices.h"
#include "tests/support/nextdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class WorldCupTest : public QObject {
    Q_OBJECT

private:
    template <class T> static T* Find(const QWidget& dialog, const char* szName) {
        T* pWidget = dialog.findChild<T*>(QString::fromLatin1(szName));
        if (!pWidget) qFatal("no control %s", szName);
        return pWidget;
    }
    static void Click(const QWidget& dialog, const char* szName) {
        QAbstractButton* pButton = Find<QAbstractButton>(dialog, szName);
        QTest::mouseClick(pButton, Qt::LeftButton, {}, QPoint(8, pButton->height() / 2));
    }
    static void Picture(QWidget& widget, const char* szName) {
        const QByteArray baFolder = qgetenv("TETRALYX_SCREENSHOTS");
        if (!baFolder.isEmpty())
            widget.grab().save(QString::fromLocal8Bit(baFolder) + "/" + szName + ".png");
    }
    static QStringList Rows(const QWidget& dialog) {
        QStringList saRows;
        for (int i = 1; i <= 6; ++i)
            saRows
                << Find<QLabel>(dialog, qPrintable(QStringLiteral("rank%1").arg(i)))->text() + " " +
                       Find<QLabel>(dialog, qPrintable(QStringLiteral("name%1").arg(i)))->text() +
                       " " +
                       Find<QLabel>(dialog, qPrintable(QStringLiteral("value%1").arg(i)))->text();
        return saRows;
    }
    static void FillAmateurs(CRegistryStore& store, const char* szSubKey,
                             const std::vector<std::pair<const char*, int>>& entries) {
        for (size_t i = 0; i < entries.size(); ++i) {
            store.WriteText(szSubKey, "Name" + QString::number(i + 1), entries[i].first);
            store.WriteNumber(szSubKey, "Score" + QString::number(i + 1), entries[i].second);
        }
    }

    // The main logic, its runs, the flow and the fakes, as the window holds them.
    struct Bench {
        QTemporaryDir folder;
        CRegistryStore store{folder.filePath("registry.ini"), "software\\Korvane\\Tetralyx\\1.3"};
        FakeServices services;
        CMainLogic logic;
        CRunLogic runs{logic, services.clock, services.messages};
        std::vector<int> naEnumModes;
        int nInstances = 1;
        CWorldCupFlow flow{logic, store, services.messages, [this](int nMode) {
                               naEnumModes.push_back(nMode);
                               return nInstances;
                           }};
        Bench() {
            logic.SetLanguage(kLanguageEnglish);
            runs.SetTickHandlers([](const ClockTick&) {},
                                 [this](const RunEnd& end) { flow.Finish(end); });
        }
        // Enters through the dialog with the rule and J/Q/K given.
        bool Enter(bool bStandard, bool bJQK) {
            CNextDialog<CWorldCupDialog> next([=](CWorldCupDialog* pDialog) {
                Click(*pDialog, bStandard ? "standard" : "advanced");
                if (Find<QCheckBox>(*pDialog, "jqk")->isChecked() != bJQK) Click(*pDialog, "jqk");
                Click(*pDialog, "ok");
            });
            return flow.Enter();
        }
        // Answers the current question correctly: every solution, or "No solution!".
        void AnswerCorrectly() {
            std::vector<unsigned> uaQ;
            QVERIFY(logic.CheckValidInput(uaQ));
            std::vector<std::string> saSolutions;
            QVERIFY(FindAllSolutions(uaQ, saSolutions, logic.Rule().m_bStandard));
            MainInput input = logic.GetInput();
            input.bNoSolution = saSolutions.empty();
            for (const std::string& strSolution : saSolutions)
                input.strAnswer += strSolution + "\n";
            logic.SetInput(input);
            QCOMPARE(runs.Submit().effect, SoundEffect::Correct);
        }
        QString LastMessage() const { return services.messages.m_requests.back().strMessage; }
    };

private slots:
    void init() {
        SetLanguageId(kLanguageEnglish);
        SetMaxValue(13);
    }

    void theDialogOpensWithTheDefaultsAndShowsBothRankings() {
        QTemporaryDir folder;
        CRegistryStore store(folder.filePath("registry.ini"), "software\\Korvane\\Tetralyx\\1.3");
        FillAmateurs(store, "Rank\\AMA_SJ",
                     {{"Ann", 33}, {"Bob", 37}, {"Cai", 33}, {"Dee", 24}, {"Eve", 99}});
        store.WriteText("Rank\\PRO_SJ", "Name1", QString::fromUtf8("李明"));
        store.WriteNumber("Rank\\PRO_SJ", "Score1", 1354);
        FakeMessagePresenter messages;
        CWorldCupDialog dialog(LoadWorldCupChoice(store), store, messages);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), "World Cup");
        QVERIFY(Find<QRadioButton>(dialog, "standard")->isChecked());
        QVERIFY(!Find<QCheckBox>(dialog, "jqk")->isChecked());
        QCOMPARE(Find<QLabel>(dialog, "level")->text(), "Standard Level");
        QCOMPARE(Find<QPushButton>(dialog, "ok")->toolTip(), "Go!");
        QCOMPARE(Find<QPushButton>(dialog, "cancel")->toolTip(), "Exit");
        QCOMPARE(Find<QPushButton>(dialog, "amateurRanking")->toolTip(),
                 "World Ranking on 24 Calculation for Amateurs");
        Picture(dialog, "world-cup");

        Click(dialog, "rules");
        QCOMPARE(messages.m_requests.size(), size_t(1));
        QVERIFY(messages.m_requests[0].strMessage.contains("\r\n\r\n"));

        Click(dialog, "jqk");
        QCOMPARE(Find<QLabel>(dialog, "level")->text(), "Hero Level");
        bool bChecked = false;
        {
            CNextDialog<CRankingDialog> next([&](CRankingDialog* pRanking) {
                QCOMPARE(pRanking->windowTitle(),
                         "World Ranking on 24 Calculation for Amateurs - Hero Level");
                QVERIFY(Find<QCheckBox>(*pRanking, "jqk")->isChecked());
                QCOMPARE(Rows(*pRanking),
                         QStringList({"Number 1: Bob 37", "Number 2: Ann 33", "Number 2: Cai 33",
                                      "Number 4: Dee 24", "Number 5: (N/A) (N/A)",
                                      "Number 6: (N/A) (N/A)"}));
                Picture(*pRanking, "rank-table");
                // The level switch shows the other level's table of the same kind.
                Click(*pRanking, "jqk");
                QCOMPARE(pRanking->windowTitle(),
                         "World Ranking on 24 Calculation for Amateurs - Standard Level");
                QCOMPARE(Rows(*pRanking)[0], "Number 1: (N/A) (N/A)");
                bChecked = true;
                Click(*pRanking, "ok");
            });
            Click(dialog, "amateurRanking");
            QVERIFY(next.Done());
        }
        QVERIFY(bChecked);
        {
            CNextDialog<CRankingDialog> next([&](CRankingDialog* pRanking) {
                QCOMPARE(pRanking->windowTitle(),
                         "World Ranking on 24 Calculation for Professional Players - Hero Level");
                pRanking->accept();
            });
            Click(dialog, "professionalRanking");
            QVERIFY(next.Done());
        }
        // The dialog stores nothing.
        QCOMPARE(store.ReadNumber("WC", "JQK", -1), -1);

        // Pictures of both windows in the two Chinese interfaces.
        for (const auto& [nLanguage, szSuffix] : {std::pair{kLanguageSimplifiedChinese, "gb2312"},
                                                  std::pair{kLanguageTraditionalChinese, "big5"}}) {
            SetLanguageId(nLanguage);
            CWorldCupDialog chinese(WorldCupChoice{false, true}, store, messages);
            chinese.show();
            Picture(chinese, qPrintable(QStringLiteral("world-cup-%1").arg(szSuffix)));
            CRankingDialog table(RankKind::Professional, true, true, store);
            table.show();
            Picture(table, qPrintable(QStringLiteral("rank-table-%1").arg(szSuffix)));
        }
    }

    void otherCopiesCloseOrTheWorldCupIsWithdrawn() {
        struct Case {
            int nInstances;
            int nAnswer;
            bool bEntered;
            std::vector<int> naEnumModes;
            size_t nMessages;
        };
        const Case kCases[] = {
            {1, KV_IDOK, true, {0}, 0},
            {3, KV_IDCANCEL, false, {0}, 1},
            {3, KV_IDOK, true, {0, 1}, 1},
        };
        for (const Case& c : kCases) {
            Bench bench;
            bench.nInstances = c.nInstances;
            bench.services.messages.Script(c.nAnswer);
            QCOMPARE(bench.Enter(false, true), c.bEntered);
            QCOMPARE(bench.naEnumModes, c.naEnumModes);
            QCOMPARE(bench.services.messages.m_requests.size(), c.nMessages);
            if (c.nMessages)
                QVERIFY(bench.LastMessage().startsWith("You must exit from all other running"));
            // The rule changes only for a World Cup that starts.
            QCOMPARE(bench.logic.Rule().m_bStandard, !c.bEntered);
        }
        // Exit leaves everything alone.
        Bench bench;
        CNextDialog<CWorldCupDialog> next([](CWorldCupDialog* pDialog) {
            Click(*pDialog, "advanced");
            Click(*pDialog, "cancel");
        });
        QVERIFY(!bench.flow.Enter());
        QVERIFY(bench.naEnumModes.empty());
        QVERIFY(bench.logic.Rule().m_bStandard);
    }

    void aWorldCupPlayedToTimeUpShowsTheReport() {
        Bench bench;
        QVERIFY(bench.Enter(false, true));
        bench.runs.StartWorldCup();
        QCOMPARE(bench.logic.GetMode(), PlayMode::WorldCup);
        QCOMPARE(bench.logic.Rule().m_nDifficulty, 3);
        QVERIFY(bench.logic.GetCaption().strTitle.find("World Cup") != std::string::npos);
        // A second World Cup cannot be entered while this one runs.
        QVERIFY(!bench.flow.Enter());
        bench.AnswerCorrectly();
        QVERIFY(bench.runs.Next() != SoundEffect::None);
        bench.services.clock.Advance(2400'000);
        QCOMPARE(bench.logic.GetMode(), PlayMode::WorldCup);
        bench.services.clock.Advance(2'000);
        QCOMPARE(bench.logic.GetMode(), PlayMode::Normal);
        QCOMPARE(bench.LastMessage(),
                 "World Cup Score Report - Holy War Level\r\n\r\nRule: Advanced Rule (Addition, "
                 "Subtraction, Multiplication, Division, Power and Root)\r\nValue Range: "
                 "1-13\r\nScores: 1/40\r\nTime: 40 min 0 sec");
        // One point is no place in a ranking.
        QCOMPARE(bench.store.ReadText("Rank", "Last Name", "none"), "none");
    }

    void aQualifyingResultAsksTheNameAndShowsTheTable() {
        Bench bench;
        FillAmateurs(
            bench.store, "Rank\\AMA_SS",
            {{"Ann", 39}, {"Bob", 35}, {"Cai", 34}, {"Dee", 33}, {"Eve", 31}, {"Fay", 30}});
        bench.store.WriteText("Rank", "Last Name", "Old Name");
        QVERIFY(bench.Enter(true, false));
        bench.runs.StartWorldCup();
        QCOMPARE(bench.logic.Rule().m_nDifficulty, 2);
        for (int i = 0; i < 31; ++i) {
            QVERIFY(bench.runs.ShowQuestion(i));
            bench.AnswerCorrectly();
        }
        bench.services.clock.Advance(754'000);

        QString strPrompt;
        CNextDialog<CRankNameDialog> name([&](CRankNameDialog* pDialog) {
            QCOMPARE(pDialog->windowTitle(), "Congratulations!");
            strPrompt = Find<QLabel>(*pDialog, "prompt")->text();
            QCOMPARE(Find<QLineEdit>(*pDialog, "name")->text(), "Old Name");
            Find<QLineEdit>(*pDialog, "name")->setText("  Newcomer ");
            Picture(*pDialog, "rank-name");
            Click(*pDialog, "ok");
        });
        QStringList saRows;
        QString strCaption;
        CNextDialog<CRankingDialog> ranking([&](CRankingDialog* pDialog) {
            strCaption = pDialog->windowTitle();
            saRows = Rows(*pDialog);
            pDialog->accept();
        });
        const RunEnd end = bench.runs.Done();
        QCOMPARE(end.nCorrect, 31);
        QCOMPARE(end.nReportSeconds, 754);
        bench.flow.Finish(end);
        QVERIFY(bench.LastMessage().contains("Scores: 31/40\r\nTime: 12 min 34 sec"));
        QVERIFY(name.Done() && ranking.Done());
        QVERIFY(
            strPrompt.contains("you have entered World Ranking on 24 Calculation for Amateurs!"));
        QCOMPARE(strCaption, "World Ranking on 24 Calculation for Amateurs - Standard Level");
        QCOMPARE(saRows,
                 QStringList({"Number 1: Ann 39", "Number 2: Bob 35", "Number 3: Cai 34",
                              "Number 4: Dee 33", "Number 5: Newcomer 31", "Number 5: Eve 31"}));
        QCOMPARE(bench.store.ReadText("Rank", "Last Name", ""), "Newcomer");
    }

    void aResultThatDoesNotBeatTheSixthShowsOnlyTheReport() {
        Bench bench;
        FillAmateurs(
            bench.store, "Rank\\AMA_SS",
            {{"Ann", 39}, {"Bob", 35}, {"Cai", 34}, {"Dee", 33}, {"Eve", 31}, {"Fay", 30}});
        bench.logic.ToggleJQK(); // the Standard level
        QVERIFY(!bench.logic.Rule().m_bJQK);
        // A ranking dialog here would be a fault: close it so the test ends.
        CNextDialog<QDialog> unexpected([](QDialog* pDialog) { pDialog->reject(); });
        RunEnd end;
        end.bEnded = end.bWorldCupReport = true;
        end.saValues = {"Standard", "Rule", "1-10", "30/40", "10 min 0 sec"};
        end.nCorrect = 30;
        end.nReportSeconds = 600;
        bench.flow.Finish(end);
        QCOMPARE(bench.services.messages.m_requests.size(), size_t(1));
        // A run that ended without its report shows nothing at all.
        end.bWorldCupReport = false;
        end.nCorrect = 39;
        bench.flow.Finish(end);
        QCOMPARE(bench.services.messages.m_requests.size(), size_t(1));
        QVERIFY(!unexpected.Done());
    }
};

QTEST_MAIN(WorldCupTest)
#include "worldcup_test.moc"
