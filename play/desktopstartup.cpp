#include "play/desktopstartup.h"

#include "core/application.h"
#include "core/dialoghelp.h"
#include "core/terminationwatcher.h"
#include "media/desktopservices.h"
#include "media/help.h"
#include "media/musicplayer.h"
#include "play/maindialog.h"
#include "play/programicon.h"

#include <QApplication>

int RunDesktopProgram(QApplication& qtApp) {
    qtApp.setWindowIcon(GetProgramIcon());
    // The program lives exactly as long as its main window, help windows or not.
    qtApp.setQuitOnLastWindowClosed(false);

    CDesktopServices services;
    CApplication app(services.Services());
    const auto fnShowTopic = [&app](unsigned nTopic) {
        ShowHelpTopic({app.GetAppFolder(), app.GetServices()}, nTopic);
    };
    services.Messages().SetHelpHandler(fnShowTopic);
    CDialogHelpKey dialogHelp(fnShowTopic);
    qtApp.installEventFilter(&dialogHelp);

    // SIGTERM and SIGINT close the window as the player would; before there is a window
    // they end the box that is showing, and the start-up stops there.
    bool bTerminated = false;
    CTerminationWatcher terminationWatcher;
    QObject::connect(&terminationWatcher, &CTerminationWatcher::TerminationRequested, &qtApp,
                     [&app, &bTerminated] {
                         bTerminated = true;
                         if (auto* pWindow = qobject_cast<QWidget*>(app.GetMainWindow()))
                             pWindow->close();
                         else
                             QCoreApplication::exit(CApplication::kExitOk);
                     });

    CStartupHooks hooks;
    hooks.fnRunMainWindow = [&qtApp, &app, &bTerminated] {
        if (bTerminated) return CApplication::kExitOk;
        LoadMakerSite(app.GetBaseConfigPath());
        // The music follows the window's play situation once there is a window.
        const CMainDialog* pWindow = nullptr;
        CMusicPlayer music(
            app.GetServices(),
            CMusicPaths{app.GetAppFolder(), app.GetMusicPath(), app.GetDefaultMusicPath()},
            [&pWindow] {
                return pWindow ? pWindow->CurrentMusicContext() : MusicContext::General;
            });
        music.LoadSettings();
        CMainDialog window(app, &music);
        pWindow = &window;
        QObject::connect(&window, &CMainDialog::Closed, &qtApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        window.show();
        const int nExitCode = qtApp.exec();
        pWindow = nullptr;
        return nExitCode;
    };
    const int nExitCode = app.Run(hooks);
    services.Help().Close();
    return nExitCode;
}
