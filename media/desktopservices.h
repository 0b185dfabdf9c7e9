// The services of the running desktop program, owned in one place for the program's life:
// the application and everything it hands them to use them through CServices.
#pragma once

#include "core/browser.h"
#include "core/services.h"
#include "core/systemclock.h"
#include "media/desktopchoosers.h"
#include "media/desktophelpviewer.h"
#include "media/kvmessagepresenter.h"
#include "media/lazynetworkfetcher.h"
#include "media/lazysoundplayer.h"

#include <QCoreApplication>

#include <memory>

class CDesktopServices {
public:
    // The sound and network modules sit beside the program (or in strModuleFolder); without
    // them the program is silent and its requests fail.
    explicit CDesktopServices(
        const QString& strModuleFolder = QCoreApplication::applicationDirPath())
        : m_help(&m_desktop), m_pNetwork(CLazyNetworkFetcher::FromModule(
                                  strModuleFolder + QStringLiteral("/tetralyx-network.so"))),
          m_pSound(CLazySoundPlayer::FromModule(strModuleFolder +
                                                QStringLiteral("/tetralyx-sdlsound.so"))) {}
    CDesktopServices(const CDesktopServices&) = delete;
    CDesktopServices& operator=(const CDesktopServices&) = delete;

    CServices Services() {
        CServices services;
        services.pMessages = &m_messages;
        services.pFiles = &m_files;
        services.pDesktop = &m_desktop;
        services.pHelp = &m_help;
        services.pClock = &m_clock;
        services.pSound = m_pSound.get();
        services.pNetwork = m_pNetwork.get();
        return services;
    }

    CKVMessagePresenter& Messages() { return m_messages; }
    CDesktopHelpViewer& Help() { return m_help; }

private:
    CBrowserOpener m_desktop;
    CKVMessagePresenter m_messages;
    CDesktopFileChooser m_files;
    CDesktopHelpViewer m_help;
    CSystemClock m_clock;
    std::unique_ptr<INetworkFetcher> m_pNetwork;
    std::unique_ptr<ISoundPlayer> m_pSound;
};
