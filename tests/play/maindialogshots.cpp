// Saves pictures of the main window as PNG files for a person to look at:
// maindialog-shots OUTPUT_FOLDER (scripts/screenshots runs it). A judged answer in each
// language; the shipped background tiled and stretched; the smallest size the window
// allows, a large one and the Enlarged UI.
#include "core/application.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/messageboxstyle.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "media/backgroundsettings.h"
#include "media/kvmessageboxdialog.h"
#include "play/maindialog.h"
#include "play/valuebox.h"
#include "tests/support/fakeservices.h"
#include "tests/support/testfolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include <cstdio>

namespace {

struct Shot {
    const char* szName;
    int nLanguage;    // menu index: English, Simplified, Traditional
    int nDisplayMode; // of the background
    bool bEnlarged;
    QSize size; // empty: as the window opens; (1, 1): its minimum
};

bool TakeShot(CApplication& app, const QString& strOut, const Shot& shot) {
    app.GetRegistryStore().WriteNumber("BackGround", "DisplayMode", shot.nDisplayMode);
    app.GetRegistryStore().WriteNumber("UI", "Enlarged", shot.bEnlarged ? 1 : 0);
    CMainDialog window(app);
    window.OnSelectLanguage(shot.nLanguage);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    if (shot.size == QSize(1, 1))
        window.resize(window.minimumSizeHint());
    else if (!shot.size.isEmpty())
        window.resize(shot.size);
    const char* const szaValues[] = {"3", "3", "8", "12"};
    for (int n = 0; n < 4; ++n)
        window.findChild<CValueBox*>(QStringLiteral("value%1").arg(n + 1))
            ->SetText(QString::fromLatin1(szaValues[n]));
    auto* pAnswer = window.findChild<QPlainTextEdit*>("answer");
    pAnswer->setPlainText("(3+3)*(12-8)\n(12-8)*3*3\n(12-8)*(3+3)");
    QTest::keyClick(pAnswer, Qt::Key_Return, Qt::ControlModifier);
    QTest::qWait(50);
    const QString strPath = strOut + "/maindialog-" + shot.szName + ".png";
    const bool bSaved = window.grab().save(strPath);
    std::printf("%s\n", qPrintable(strPath));
    window.close();
    return bSaved;
}

} // namespace

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
    QDir().mkpath(strAppFolder + "/images");
    if (!QFile::copy(QStringLiteral(TETRALYX_SOURCE_DIR "/data/images/back.bmp"),
                     GetDefaultImagePath(strAppFolder))) {
        std::fprintf(stderr, "maindialog-shots: the shipped background is missing\n");
        return 1;
    }
    CApplication app(services.Services());
    if (app.Configure(strAppFolder, folders.Home()) != CApplication::ConfigResult::Ok) return 1;

    const Shot aShots[] = {
        {"english", 0, kDisplayStretch, false, {}},
        {"gb2312", 1, kDisplayStretch, false, {}},
        {"big5", 2, kDisplayStretch, false, {}},
        {"tile", 0, kDisplayTile, false, {}},
        {"tile-large", 0, kDisplayTile, false, {1600, 1000}},
        {"stretch-large", 0, kDisplayStretch, false, {1600, 1000}},
        {"minimum", 0, kDisplayStretch, false, {1, 1}},
        {"minimum-gb2312", 1, kDisplayStretch, false, {1, 1}},
        {"enlarged", 0, kDisplayStretch, true, {}},
    };
    int nFailures = 0;
    for (const Shot& shot : aShots) {
        if (!TakeShot(app, strOut, shot)) {
            std::fprintf(stderr, "maindialog-shots: %s failed\n", shot.szName);
            ++nFailures;
        }
    }
    // A question the program reordered, as the collection windows report it.
    const char* const szaLanguages[] = {"english", "gb2312", "big5"};
    for (int nLanguage = 0; nLanguage < 3; ++nLanguage) {
        const std::uint32_t naIds[] = {kLanguageEnglish, kLanguageSimplifiedChinese,
                                       kLanguageTraditionalChinese};
        SetLanguageId(naIds[nLanguage]);
        CKVMessageBoxDialog box(
            LocalizedText(IDS_DIALOG_MAIN_PROMPT_Q_WAS_REORDERED, QStringLiteral("3 3 8 12")),
            QString(), KV_MB_OK | KV_MB_ICONINFORMATION, false, QString(), true, true);
        box.show();
        if (!QTest::qWaitForWindowExposed(&box)) return 1;
        const QString strBoxPath = strOut + "/messagebox-" + szaLanguages[nLanguage] + ".png";
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
