#include "play/desktopstartup.h"

#include "core/application.h"
#include "core/configfile.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/helpviewerdialog.h"
#include "media/kvmessageboxdialog.h"
#include "media/kvmessageboxlogic.h"
#include "play/plainmaindialog.h"
#include "play/programicon.h"

#include <QApplication>

int RunDesktopProgram(QApplication& qtApp) {
    qtApp.setWindowIcon(GetProgramIcon());
    // The program lives exactly as long as its main window, help windows or not.
    qtApp.setQuitOnLastWindowClosed(false);

    CApplication app;
    InstallDesktopHooks();

    CStartupHooks hooks;
    hooks.fnShowMessage = [](const QString& strText, const QString& strCaption, unsigned nStyle) {
        return ShowKVMessageBox(strText, strCaption, nStyle);
    };
    hooks.fnRunMainWindow = [&qtApp, &app] {
        LoadMakerSite(app.m_strBaseConfigPath);
        CPlainMainDialog window;
        QObject::connect(&window, &CPlainMainDialog::Closed, &qtApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        window.show();
        return qtApp.exec();
    };
    const int nExitCode = app.Run(hooks);

    RemoveDesktopHooks();
    return nExitCode;
}

void InstallDesktopHooks() {
    SetHelpViewerHook(&CHelpViewerDialog::ShowTopicPage);
    CConfigFile::SetWriteErrorHook([](const QString& strPath) {
        ShowKVMessageBox(LocalizedText(IDS_ERROR_FILE_CAN_NOT_WRITE_FILE_CHECK_FP, strPath),
                         QString(), KV_MB_OK | KV_MB_ICONEXCLAMATION);
    });
}

void RemoveDesktopHooks() {
    CHelpViewerDialog::CloseViewer();
    CConfigFile::SetWriteErrorHook({});
    SetHelpViewerHook({});
}
