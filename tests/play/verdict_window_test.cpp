// The window and tetralyx-cli verdict on the same inputs: the player types a question and
// answers into the real window and submits (or checks), the command gets the same question,
// rule, language and answer box, and both must show the same text and agree on the verdict.
#include "core/application.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "play/maindialog.h"
#include "play/valuebox.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

class VerdictWindowTest : public QObject {
    Q_OBJECT

private:
    static QAction* Command(CMainDialog& window, std::uint32_t nTextId) {
        for (QAction* pMenu : window.menuBar()->actions())
            for (QAction* pAction : pMenu->menu()->actions())
                if (pAction->text() == LocalizedText(nTextId)) return pAction;
        return nullptr;
    }

private slots:
    void windowAndCommandAgree_data() {
        QTest::addColumn<int>("nLanguage"); // menu index: English, Simplified, Traditional
        QTest::addColumn<QString>("strQuestion");
        QTest::addColumn<QString>("strAnswer");
        QTest::addColumn<bool>("bNoSolution");
        QTest::addColumn<bool>("bAdvanced");
        QTest::addColumn<bool>("bCheckSolution");
        QTest::addColumn<int>("nExit"); // what the command must end with
        const QString strTooMany = QStringList(31, "4*(1+2+3)").join('\n');
        QTest::newRow("bingo") << 0 << "1 2 3 4"
                               << "4*(1+2+3)" << false << false << false << 0;
        QTest::newRow("wrong") << 0 << "1 2 3 4"
                               << "1+2+3+4*1" << false << false << false << 1;
        QTest::newRow("detail block")
            << 0 << "4 3 2 1"
            << "2*3*4/1\n1*2*3*4\n1+2+3+4" << false << false << false << 0;
        QTest::newRow("same and similar")
            << 1 << "3 3 8 12"
            << "(3+3)*(12-8)\n(12-8)*3*3\n(12-8)*(3+3)" << false << false << false << 0;
        QTest::newRow("really none") << 1 << "1 1 1 1"
                                     << "" << true << false << false << 0;
        QTest::newRow("claims none") << 2 << "1 2 3 4"
                                     << "" << true << false << false << 1;
        QTest::newRow("advanced") << 2 << "2 3 3 1"
                                  << "2^3*3*1\n3^(3-1)+8" << false << true << false << 0;
        QTest::newRow("full width")
            << 1 << "1 2 3 4"
            << "\uff14\u00d7\uff08\uff11+2+3)\n2*3*4/1" << false << false << false << 0;
        QTest::newRow("too many") << 0 << "1 2 3 4" << strTooMany << false << false << false << 3;
        QTest::newRow("check") << 0 << "3 3 8 8"
                               << "" << false << false << true << 0;
        QTest::newRow("check none") << 2 << "1 1 1 1"
                                    << "" << false << false << true << 1;
        QTest::newRow("check advanced") << 1 << "1 2 5 8"
                                        << "" << false << true << true << 0;
    }
    void windowAndCommandAgree() {
        QFETCH(int, nLanguage);
        QFETCH(QString, strQuestion);
        QFETCH(QString, strAnswer);
        QFETCH(bool, bNoSolution);
        QFETCH(bool, bAdvanced);
        QFETCH(bool, bCheckSolution);
        QFETCH(int, nExit);
        CTestFolders folders;
        FakeServices services;
        QVERIFY(
            CTestFolders::WriteFile(folders.Scratch() + "/config/defaultmusic.ini", "[Music]\r\n"));
        CApplication app(services.Services());
        QCOMPARE(app.Configure(folders.Scratch(), folders.Home()), CApplication::ConfigResult::Ok);

        CMainDialog window(app);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.GetLanguageAction(nLanguage)->trigger();
        if (bAdvanced) Command(window, IDS_MENU_GAME_ADVANCED_RULE_A)->trigger();
        const QStringList saValues = strQuestion.split(' ');
        for (int n = 0; n < 4; ++n) {
            auto* pBox = window.findChild<CValueBox*>(QStringLiteral("value%1").arg(n + 1));
            pBox->SetText(QString());
            QTest::keyClicks(pBox, saValues[n]);
        }
        auto* pAnswer = window.findChild<QPlainTextEdit*>("answer");
        pAnswer->setPlainText(strAnswer);
        if (bNoSolution)
            QTest::mouseClick(window.findChild<QCheckBox*>("noSolution"), Qt::LeftButton);
        const char* szButton = bCheckSolution ? "check" : "submit";
        auto* pButton = window.findChild<QPushButton*>(szButton);
        QVERIFY(pButton->isEnabled());
        QTest::mouseClick(pButton, Qt::LeftButton);
        const QString strShown = window.findChild<QPlainTextEdit*>("comments")->toPlainText();
        QVERIFY(!strShown.isEmpty());

        const char* const szaLanguages[] = {"en", "zh-CN", "zh-TW"};
        QStringList saArguments{"verdict", "--max", "13", "--language", szaLanguages[nLanguage]};
        if (bAdvanced) saArguments << "--advanced";
        if (bNoSolution) saArguments << "--no-solution";
        if (bCheckSolution) saArguments << "--check-solution";
        saArguments << strQuestion;
        QProcess cli;
        cli.start(QStringLiteral(TETRALYX_CLI), saArguments);
        QVERIFY(cli.waitForStarted());
        cli.write(strAnswer.toUtf8());
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(30000));
        QString strPrinted = QString::fromUtf8(cli.readAllStandardOutput());
        strPrinted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QVERIFY(strPrinted.endsWith('\n'));
        strPrinted.chop(1);
        QCOMPARE(strPrinted, strShown);
        QCOMPARE(cli.exitCode(), nExit);
        if (!bCheckSolution) {
            const int nClass = window.GetLogic().GetLastVerdictClass();
            QCOMPARE(nClass == kVerdictCorrect ? 0 : nClass == kVerdictWrong ? 1 : 3, nExit);
        }
        SetLanguageId(kLanguageEnglish);
    }
};

QTEST_MAIN(VerdictWindowTest)
#include "verdict_window_test.moc"
