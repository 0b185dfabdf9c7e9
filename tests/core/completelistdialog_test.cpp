// The complete-list window driven as a player would: the controls follow the options, OK
// makes and opens the page, Cancel stops a running generation and nothing is written.
#include "core/completelistdialog.h"
#include "core/completelistlogic.h"
#include "core/registrystore.h"
#include "core/stringtable.h"
#include "tests/support/fakeservices.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class CompleteListDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_appFolder;
    QTemporaryDir m_userFolder;
    CRegistryStore m_registry;
    FakeMessagePresenter m_messages;
    FakeDesktopOpener m_desktop;
    FakeClock m_clock;
    CServices m_services;

    template <class W> W* Child(QWidget* pParent, const char* szName) {
        return pParent->findChild<W*>(QString::fromLatin1(szName));
    }

private slots:
    void initTestCase() {
        QDir(m_appFolder.path()).mkpath("doc/english");
        QFile file(m_appFolder.filePath("doc/english/grandlist.htm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html>%GRANDLIST%</html>");
        file.close();
        m_registry.SetBaseKey(m_userFolder.filePath("registry.ini"), "software\\test");
        m_services.pMessages = &m_messages;
        m_services.pDesktop = &m_desktop;
        m_services.pClock = &m_clock;
        m_clock.SetNow(QDateTime::currentDateTime());
    }

    void ControlsFollowTheOptions() {
        CCompleteListLogic logic(m_registry, m_services, m_appFolder.path(), m_userFolder.path(),
                                 kColumnEnglish);
        CCompleteListDialog dialog(logic);
        QVERIFY(Child<QRadioButton>(&dialog, "standard")->isChecked());
        QVERIFY(!Child<QProgressBar>(&dialog, "progress")->isVisibleTo(&dialog));
        QVERIFY(dialog.windowTitle().endsWith(" - Standard Level"));
        Child<QRadioButton>(&dialog, "advanced")->click();
        Child<QCheckBox>(&dialog, "jqk")->click();
        QVERIFY(dialog.windowTitle().endsWith(" - Holy War Level"));
        Child<QCheckBox>(&dialog, "noSolution")->click();
        Child<QCheckBox>(&dialog, "haveSolution")->click(); // the last kind: the other comes back
        QVERIFY(Child<QCheckBox>(&dialog, "noSolution")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "haveSolution")->isChecked());
        QVERIFY(Child<QPushButton>(&dialog, "ok")->isEnabled());
        dialog.reject();
        QCOMPARE(m_registry.ReadNumber("CL", "Standard", -1), 0);
        QCOMPARE(m_registry.ReadNumber("CL", "JQK", -1), 1);
        QCOMPARE(m_registry.ReadNumber("CL", "Have Solution", -1), 0);
        QCOMPARE(m_registry.ReadNumber("CL", "No Solution", -1), 1);
    }

    void CancelStopsAndOkOpens() {
        CCompleteListLogic logic(m_registry, m_services, m_appFolder.path(), m_userFolder.path(),
                                 kColumnEnglish);
        {
            CCompleteListDialog dialog(logic);
            QPushButton* pCancel = Child<QPushButton>(&dialog, "cancel");
            // Pressed while the list is being made: it is seen between two questions.
            QTimer::singleShot(0, pCancel, &QPushButton::click);
            Child<QPushButton>(&dialog, "ok")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(!QFile::exists(logic.GetOutputPath()));
            QVERIFY(m_desktop.m_saOpened.isEmpty());
        }
        CCompleteListDialog dialog(logic);
        Child<QPushButton>(&dialog, "ok")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_desktop.m_saOpened, QStringList{logic.GetOutputPath()});
        QVERIFY(QFile::exists(logic.GetOutputPath()));
    }
};

QTEST_MAIN(CompleteListDialogTest)
#include "completelistdialog_test.moc"
