// The download window as the player meets it: the address and a save-to path on opening,
// Download enabled only for a usable path, Browse adding the extension, the transfer with
// Cancel and Close held back, and the window closing itself after the installer started.
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/updatedownloaddialog.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class UpdateDownloadDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CTestFolders> m_pFolders;
    std::unique_ptr<FakeServices> m_pFakes;
    const QString m_strAddress = QStringLiteral("http://127.0.0.1:9/dl/setup.exe");

    template <typename T> static T* Find(QDialog& dialog, const char* szName) {
        T* pWidget = dialog.findChild<T*>(QString::fromLatin1(szName));
        if (!pWidget) qFatal("no widget %s", szName);
        return pWidget;
    }

private slots:
    void init() {
        m_pFolders = std::make_unique<CTestFolders>();
        m_pFakes = std::make_unique<FakeServices>();
        FetchResult answer;
        answer.bOk = true;
        answer.nHttpStatus = 200;
        answer.baBody = QByteArray(2000, 'i');
        m_pFakes->network.m_answers[m_strAddress] = answer;
    }

    void opensWithTheAddressAndAUsablePath() {
        CUpdateDownloadDialog dialog(m_strAddress, m_pFakes->Services(), "Tetralyx");
        QCOMPARE(Find<QLineEdit>(dialog, "address")->text(), m_strAddress);
        QVERIFY(Find<QLineEdit>(dialog, "address")->isReadOnly());
        QVERIFY(Find<QLineEdit>(dialog, "savePath")->text().endsWith("/setup.exe"));
        QVERIFY(Find<QCheckBox>(dialog, "install")->isChecked());
        QCOMPARE(dialog.windowTitle(), LocalizedText(IDS_DIALOG_LVUD_CAPTION, "Tetralyx"));

        auto* pPath = Find<QLineEdit>(dialog, "savePath");
        pPath->clear();
        QTest::keyClicks(pPath, "/no/such/folder/setup.exe");
        QVERIFY(!Find<QPushButton>(dialog, "download")->isEnabled());
        pPath->clear();
        QTest::keyClicks(pPath, m_pFolders->Scratch() + "/setup.exe");
        QVERIFY(Find<QPushButton>(dialog, "download")->isEnabled());

        m_pFakes->files.m_strSaveAnswer = m_pFolders->Scratch() + "/mine";
        QTest::mouseClick(Find<QPushButton>(dialog, "browse"), Qt::LeftButton);
        QCOMPARE(pPath->text(), m_pFolders->Scratch() + "/mine.exe");
    }

    void transferHoldsCancelBackAndStopEndsIt() {
        m_pFakes->network.m_bDeferred = true;
        CUpdateDownloadDialog dialog(m_strAddress, m_pFakes->Services(), "Tetralyx");
        Find<QLineEdit>(dialog, "savePath")->setText(m_pFolders->Scratch() + "/setup.exe");
        dialog.show();
        auto* pDownload = Find<QPushButton>(dialog, "download");
        const int nIdleHeight = dialog.sizeHint().height();
        QTest::mouseClick(pDownload, Qt::LeftButton);
        QVERIFY(dialog.Logic().IsTransferring());
        QVERIFY(!Find<QPushButton>(dialog, "cancel")->isEnabled());
        QVERIFY(Find<QLineEdit>(dialog, "savePath")->isReadOnly());
        QCOMPARE(pDownload->toolTip(), LocalizedText(IDS_DIALOG_LVUD_TIP_STOP_DOWNLOADING));
        QVERIFY(dialog.sizeHint().height() > nIdleHeight); // the progress area shows
        QCOMPARE(Find<QLabel>(dialog, "status")->text(),
                 LocalizedText(IDS_DIALOG_LVUD_REQUEST_FILE));
        dialog.reject(); // Escape and Close do nothing now
        QVERIFY(dialog.isVisible());

        QTest::mouseClick(pDownload, Qt::LeftButton);
        m_pFakes->network.Deliver();
        QVERIFY(!dialog.Logic().IsTransferring());
        QCOMPARE(Find<QLabel>(dialog, "status")->text(),
                 LocalizedText(IDS_DIALOG_LVUD_DOWNLOAD_CANCELED));
        QCOMPARE(pDownload->toolTip(), LocalizedText(IDS_DIALOG_LVUD_TIP_DOWNLOAD_NOW));
        QVERIFY(Find<QPushButton>(dialog, "cancel")->isEnabled());
        QVERIFY(!QFile::exists(m_pFolders->Scratch() + "/setup.exe"));
        QTRY_VERIFY(!Find<QWidget>(dialog, "progress")->isVisible()); // hidden a second later
        QVERIFY(dialog.isVisible());
    }

    void startedInstallerClosesTheWindow() {
        CUpdateDownloadDialog dialog(m_strAddress, m_pFakes->Services(), "Tetralyx");
        Find<QLineEdit>(dialog, "savePath")->setText(m_pFolders->Scratch() + "/setup.exe");
        dialog.show();
        QTest::mouseClick(Find<QPushButton>(dialog, "download"), Qt::LeftButton);
        QCOMPARE(m_pFakes->desktop.m_saOpened, QStringList{m_pFolders->Scratch() + "/setup.exe"});
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.IsInstallationStarted());
    }
};

QTEST_MAIN(UpdateDownloadDialogTest)
#include "updatedownloaddialog_test.moc"
