#include "play/desktopstartup.h"

#include "core/application.h"
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
    services.Messages().SetHelpHandler([&app](unsigned nTopic) {
        ShowHelpTopic({app.GetAppFolder(), app.GetServices()}, nTopic);
    });

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
        CMusicPlayer music(app.GetServices(), CMusicPaths{app.GetAppFolder(), app.GetMusicPath(),
                                                          app.GetDefaultMusicPath()});
        music.LoadSettings();
        CMainDialog window(app, &music);
        QObject::connect(&window, &CMainDialog::Closed, &qtApp, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        window.show();
        return qtApp.exec();
    };
    const int nExitCode = app.Run(hooks);
    services.Help().Close();
    return nExitCode;
}
