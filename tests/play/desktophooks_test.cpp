// The hooks the desktop program installs: a failed settings save speaks through the
// message box, help topics open in the viewer.
#include "core/application.h"
#include "core/configfile.h"
#include "core/language.h"
#include "media/help.h"
#include "media/helpviewerdialog.h"
#include "media/kvmessageboxdialog.h"
#include "play/desktopstartup.h"
#include "tests/support/testfolders.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

class DesktopHooksTest : public QObject {
    Q_OBJECT

private slots:
    void aFailedSaveIsShownInTheMessageBox() {
        CTestFolders folders;
        SetLanguageId(kLanguageEnglish);
        // A file where a folder would have to be: the save cannot succeed.
        const QString strBlocker = folders.Home() + "/blocker";
        QVERIFY(CTestFolders::WriteFile(strBlocker, "x"));
        const QString strPath = strBlocker + "/music.ini";

        InstallDesktopHooks();
        QStringList saShown;
        QTimer::singleShot(0, [&] {
            auto* pBox = qobject_cast<CKVMessageBoxDialog*>(QApplication::activeModalWidget());
            QVERIFY(pBox);
            saShown.append(pBox->findChild<QPlainTextEdit*>("message")->toPlainText());
            QTest::keyClick(pBox, Qt::Key_Escape);
        });
        CConfigFile config;
        config.WriteString("Music", "Music On", "true");
        QVERIFY(!config.Save(strPath));
        QCOMPARE(saShown, QStringList{"Can't write file \"" + strPath +
                                      "\". Please check if there is file protection for it's "
                                      "upper folder, or the file is being used by some other "
                                      "program."});

        // Without the hooks a failed save only reports its result.
        RemoveDesktopHooks();
        QVERIFY(!config.Save(strPath));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void helpTopicsOpenInTheViewer() {
        CTestFolders folders;
        CApplication app;
        app.m_strAppFolder = folders.Scratch();
        QVERIFY(CTestFolders::WriteFile(folders.Scratch() + "/help/english/index.html",
                                        "<title>Contents</title>"));
        SetLanguageId(kLanguageEnglish);
        InstallDesktopHooks();
        ShowHelpTopic(0);
        QVERIFY(CHelpViewerDialog::GetViewer());
        QCOMPARE(CHelpViewerDialog::GetViewer()->windowTitle(), QString("Contents"));
        RemoveDesktopHooks();
        QVERIFY(!CHelpViewerDialog::GetViewer());
    }
};

QTEST_MAIN(DesktopHooksTest)
#include "desktophooks_test.moc"
