// Saves the main window with a judged answer, and a message box, in each language as PNG
// files, so that a person can look at them: maindialog-shots OUTPUT_FOLDER (scripts/screenshots
// runs it).
#include "core/application.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/messageboxstyle.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "media/kvmessageboxdialog.h"
#include "play/maindialog.h"
#include "play/valuebox.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: maindialog-shots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString strOut = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(strOut)) {
        std::fprintf(stderr, "maindialog-shots: cannot create %s\n", argv[1]);
        return 1;
    }
    CTestFolders folders;
    FakeServices services;
    const QString strAppFolder = folders.Scratch();
    CTestFolders::WriteFile(strAppFolder + "/config/defaultmusic.ini", "[Music]\r\n");
    CApplication app(services.Services());
    if (app.Configure(strAppFolder, folders.Home()) != CApplication::ConfigResult::Ok) return 1;

    const char* const szaNames[] = {"english", "gb2312", "big5"};
    int nFailures = 0;
    for (int nLanguage = 0; nLanguage < 3; ++nLanguage) {
        CMainDialog window(app);
        window.OnSelectLanguage(nLanguage);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) return 1;
        const char* const szaValues[] = {"3", "3", "8", "12"};
        for (int n = 0; n < 4; ++n)
            window.findChild<CValueBox*>(QStringLiteral("value%1").arg(n + 1))
                ->SetText(QString::fromLatin1(szaValues[n]));
        auto* pAnswer = window.findChild<QPlainTextEdit*>("answer");
        pAnswer->setPlainText("(3+3)*(12-8)\n(12-8)*3*3\n(12-8)*(3+3)");
        QTest::keyClick(pAnswer, Qt::Key_Return, Qt::ControlModifier);
        QTest::qWait(50);
        const QString strPath = strOut + "/maindialog-" + szaNames[nLanguage] + ".png";
        if (!window.grab().save(strPath)) {
            std::fprintf(stderr, "maindialog-shots: cannot write %s\n", qPrintable(strPath));
            ++nFailures;
        } else {
            std::printf("%s\n", qPrintable(strPath));
        }
        window.close();

        // A question the program reordered, as the collection windows report it.
        CKVMessageBoxDialog box(
            LocalizedText(IDS_DIALOG_MAIN_PROMPT_Q_WAS_REORDERED, QStringLiteral("3 3 8 12")),
            QString(), KV_MB_OK | KV_MB_ICONINFORMATION, false, QString(), true, true);
        box.show();
        if (!QTest::qWaitForWindowExposed(&box)) return 1;
        const QString strBoxPath = strOut + "/messagebox-" + szaNames[nLanguage] + ".png";
        if (!box.grab().save(strBoxPath)) {
            std::fprintf(stderr, "maindialog-shots: cannot write %s\n", qPrintable(strBoxPath));
            ++nFailures;
        } else {
            std::printf("%s\n", qPrintable(strBoxPath));
        }
        box.close();
    }
    SetLanguageId(kLanguageEnglish);
    return nFailures == 0 ? 0 : 1;
}
