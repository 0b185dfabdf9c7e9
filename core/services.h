// Everything that reaches outside the program or depends on time, as one bundle the
// application owns and hands to the code that needs it. Tests fill it with fakes.
#pragma once

class IMessagePresenter;
class IFileChooser;
class IDesktopOpener;
class IHelpViewer;
class IClock;
class ISoundPlayer;
class INetworkFetcher;

struct CServices {
    IMessagePresenter* pMessages = nullptr;
    IFileChooser* pFiles = nullptr;
    IDesktopOpener* pDesktop = nullptr;
    IHelpViewer* pHelp = nullptr;
    IClock* pClock = nullptr;
    ISoundPlayer* pSound = nullptr;
    INetworkFetcher* pNetwork = nullptr;
};
