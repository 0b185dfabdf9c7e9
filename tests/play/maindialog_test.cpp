// The main window driven as a player drives it: typing a question and answers, the
// accelerators, the rule, J/Q/K and language commands and leaving with Esc.
#include "core/application.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "media/help.h"
#include "play/cardview.h"
#include "play/maindialog.h"
#include "play/valuebox.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class MainDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<FakeServices> m_pServices;
    std::unique_ptr<CApplication> m_pApp;

    static CValueBox* Value(CMainDialog& window, int n) {
        return window.findChild<CValueBox*>(QStringLiteral("value%1").arg(n + 1));
    }
    static void TypeQuestion(CMainDialog& window, const QStringList& saValues) {
        for (int n = 0; n < 4; ++n) {
            CValueBox* pBox = Value(window, n);
            pBox->SetText(QString());
            QTest::keyClicks(pBox, saValues[n]);
        }
    }
    // Types the answers line by line, with Enter between them, and submits with Ctrl+Enter.
    static void Submit(CMainDialog& window, const QStringList& saLines) {
        auto* pAnswer = window.findChild<QPlainTextEdit*>("answer");
        pAnswer->clear();
        pAnswer->setFocus();
        for (int n = 0; n < saLines.size(); ++n) {
            if (n > 0) QTest::keyClick(pAnswer, Qt::Key_Return);
            QTest::keyClicks(pAnswer, saLines[n]);
        }
        QCOMPARE(pAnswer->toPlainText(), saLines.join('\n'));
        QTest::keyClick(pAnswer, Qt::Key_Return, Qt::ControlModifier);
    }
    static QString Comments(CMainDialog& window) {
        return window.findChild<QPlainTextEdit*>("comments")->toPlainText();
    }
    static QAction* Command(CMainDialog& window, std::uint32_t nTextId) {
        for (QAction* pMenu : window.menuBar()->actions())
            for (QAction* pAction : pMenu->menu()->actions())
                if (pAction->text() == LocalizedText(nTextId)) return pAction;
        return nullptr;
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pServices = std::make_unique<FakeServices>();
        const QString strAppFolder = m_pFolders->Scratch();
        QVERIFY(CTestFolders::WriteFile(strAppFolder + "/config/defaultmusic.ini", "[Music]\r\n"));
        {
            CRegistryStore store(m_pFolders->Home() + "/registry.ini",
                                 "software\\Korvane\\Tetralyx\\1.3");
            store.WriteNumber("Shell", "LCID", 1033);
        }
        m_pApp = std::make_unique<CApplication>(m_pServices->Services());
        QCOMPARE(m_pApp->Configure(strAppFolder, m_pFolders->Home()),
                 CApplication::ConfigResult::Ok);
    }
    void cleanup() {
        SetLanguageId(kLanguageEnglish);
        m_pApp.reset();
        m_pServices.reset();
        m_pFolders.reset();
    }

    void cardRanks_data() {
        QTest::addColumn<QString>("strValue");
        QTest::addColumn<QString>("strRank");
        QTest::newRow("ace") << "1"
                             << "A";
        QTest::newRow("ten") << "10"
                             << "10";
        QTest::newRow("jack") << " 11 "
                              << "J";
        QTest::newRow("king") << "13"
                              << "K";
        QTest::newRow("beyond") << "14"
                                << "";
        QTest::newRow("zero") << "0"
                              << "";
        QTest::newRow("leading zero") << "05"
                                      << "";
        QTest::newRow("sign") << "+5"
                              << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void cardRanks() {
        QFETCH(QString, strValue);
        QFETCH(QString, strRank);
        QCOMPARE(CCardView::GetRank(strValue), strRank);
    }

    void aPlayerSolvesJudgesAndLeaves() {
        CMainDialog window(*m_pApp);
        QSignalSpy closed(&window, &CMainDialog::Closed);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), Value(window, 0));
        QVERIFY(!window.findChild<QWidget*>("link")->isVisible());

        // Tab walks the question, then the answer box and "No solution!".
        QStringList saFocus;
        for (int n = 0; n < 5; ++n) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* pFocus = QApplication::focusWidget();
            while (pFocus && pFocus->objectName().isEmpty())
                pFocus = pFocus->parentWidget();
            saFocus.append(pFocus ? pFocus->objectName() : QString());
        }
        QCOMPARE(saFocus, (QStringList{"value2", "value3", "value4", "answer", "noSolution"}));

        // Check Solution before there is a question does nothing; then Ctrl+S lists it.
        auto* pCheck = window.findChild<QPushButton*>("check");
        QVERIFY(!pCheck->isEnabled());
        TypeQuestion(window, {"3", "3", "8", "8"});
        QVERIFY(pCheck->isEnabled());
        QTest::keyClick(Value(window, 3), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Comments(window), QString("A1  8/(3-8/3)"));

        auto* pSubmit = window.findChild<QPushButton*>("submit");
        QVERIFY(!pSubmit->isEnabled());
        Submit(window, {"8/(3-8/3)"});
        QCOMPARE(Comments(window), QString("Bingo!"));
        Submit(window, {"8/(3-8/3)", "8/(3-(8/3))", "3+3+8+8"});
        QCOMPARE(Comments(window), QString("Good! You have found all solutions.\n\n"
                                           "Following answer is correct:\n    1: 8/(3-8/3)\n"
                                           "Following answer is incorrect:\n    3: 3+3+8+8\n"
                                           "Following answer is repetitive:\n"
                                           "    2: 8/(3-(8/3)) (same as 1)"));

        // A power is wrong under the standard rule and right under the advanced one; the
        // judgment showing follows the rule both ways.
        TypeQuestion(window, {"1", "2", "3", "3"});
        Submit(window, {"2^3*3*1"});
        QVERIFY(Comments(window).startsWith("You lost!"));
        Command(window, IDS_MENU_GAME_ADVANCED_RULE_A)->trigger();
        QCOMPARE(Comments(window), QString("Bingo!"));
        QVERIFY(Command(window, IDS_MENU_GAME_ADVANCED_RULE_A)->isChecked());
        QVERIFY(!Command(window, IDS_MENU_GAME_STANDARD_RULE_S)->isChecked());

        // The language switch relabels the window and speaks the judgment anew.
        window.GetLanguageAction(1)->trigger();
        QCOMPARE(window.menuBar()->actions().first()->text(), LocalizedText(IDS_MENU_GAME_G));
        QVERIFY(window.menuBar()->actions().first()->text() != "&Game");
        QCOMPARE(window.findChild<QCheckBox*>("noSolution")->text(),
                 LocalizedText(IDS_DIALOG_MAIN_NO_SOLUTION_N));
        QCOMPARE(Comments(window), LocalizedText(IDS_DIALOG_MAIN_BINGO_WITH_SOLUTION));
        QVERIFY(Comments(window) != "Bingo!");
        QCOMPARE(Command(window, IDS_MENU_GAME_CHECK_SOLUTION_C)->toolTip(),
                 LocalizedText(IDS_TIP_CHECK_SOLUTION_CTRL_S));
        window.GetLanguageAction(0)->trigger();
        QCOMPARE(Comments(window), QString("Bingo!"));
        Command(window, IDS_MENU_GAME_STANDARD_RULE_S)->trigger();
        QVERIFY(Comments(window).startsWith("You lost!"));
        Command(window, IDS_MENU_GAME_ADVANCED_RULE_A)->trigger();

        // J/Q/K off lowers a queen to the highest card left and narrows the spins.
        TypeQuestion(window, {"12", "1", "x", "05"});
        QAction* pJQK = Command(window, IDS_MENU_GAME_ENABLE_JQK_J);
        QVERIFY(pJQK->isChecked());
        pJQK->trigger();
        QVERIFY(!pJQK->isChecked());
        QStringList saValues;
        for (int n = 0; n < 4; ++n)
            saValues.append(Value(window, n)->GetText());
        QCOMPARE(saValues, (QStringList{"10", "1", "", "05"}));
        QCOMPARE(Value(window, 0)->GetMaximum(), 10);
        Value(window, 2)->SetText("12");
        QVERIFY(!pCheck->isEnabled());
        Value(window, 2)->SetText("");
        Value(window, 2)->stepBy(-1);
        QCOMPARE(Value(window, 2)->GetText(), QString("10"));

        // Esc asks first; No keeps the window, Yes closes it and keeps the rule.
        m_pServices->messages.Script(KV_IDNO);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(m_pServices->messages.m_requests.size(), size_t(1));
        QCOMPARE(m_pServices->messages.m_requests[0].strMessage, QString("Will you exit now?"));
        QVERIFY(window.isVisible());
        QCOMPARE(closed.count(), 0);
        m_pServices->messages.Script(KV_IDYES);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(m_pApp->GetRegistryStore().ReadNumber("Game", "Standard", 1), 0);
        QCOMPARE(m_pApp->GetRegistryStore().ReadNumber("Game", "JQK", 1), 0);
    }
};

QTEST_MAIN(MainDialogTest)
#include "maindialog_test.moc"
