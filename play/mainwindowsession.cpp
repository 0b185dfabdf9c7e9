#include "play/mainwindowsession.h"

#include "core/application.h"
#include "core/clock.h"
#include "core/language.h"

#include <QTimer>

#include <array>

namespace {

constexpr std::array<std::uint32_t, 3> kMenuLanguages = {
    kLanguageEnglish, kLanguageSimplifiedChinese, kLanguageTraditionalChinese};

} // namespace

CMainWindowSession::CMainWindowSession(CApplication& app, QObject* pWindow)
    : m_app(app), m_pWindow(pWindow) {
    m_app.SetMainWindow(pWindow);
    if (CInstanceServer* pServer = m_app.GetInstanceServer()) {
        connect(pServer, &CInstanceServer::RaiseRequested, this,
                &CMainWindowSession::RaiseRequested);
        connect(pServer, &CInstanceServer::CloseRequested, this,
                [this](qint64 nWParam, qint64 nLParam) {
                    // Only the exact pair closes the window; anything else is not our request.
                    if (nWParam == 1 && nLParam == 2) emit CloseRequested();
                });
    }
}

CMainWindowSession::~CMainWindowSession() {
    if (m_app.GetMainWindow() == m_pWindow) m_app.SetMainWindow(nullptr);
    PublishTitle(QString());
}

void CMainWindowSession::PublishTitle(const QString& strTitle) {
    if (CInstanceServer* pServer = m_app.GetInstanceServer()) pServer->SetPublishedTitle(strTitle);
}

void CMainWindowSession::OnShown(const QString& strTitle) {
    PublishTitle(strTitle);
    CInstanceServer* pServer = m_app.GetInstanceServer();
    // After the show has finished, or the window manager would undo the raise.
    if (pServer && pServer->TakePendingRaise())
        QTimer::singleShot(0, this, &CMainWindowSession::RaiseRequested);
    if (m_bReleaseNoteDone || m_pReleaseNoteTimer || m_app.GetBuildDate().isEmpty()) return;
    if (IClock* pClock = m_app.GetServices().pClock)
        m_pReleaseNoteTimer =
            pClock->StartTimer(kReleaseNoteDelayMs, [this] { OnReleaseNoteDue(); });
}

void CMainWindowSession::OnReleaseNoteDue() {
    if (m_bReleaseNoteDone) return;
    // Shown for this session even when the store cannot keep that it was.
    m_bReleaseNoteDone = true;
    // A timer is not destroyed inside its own tick.
    QTimer::singleShot(0, this, [this] { m_pReleaseNoteTimer.reset(); });
    ShowReleaseNoteOnce(GetHelpContext(), m_app.GetRegistryStore(), m_app.GetBuildDate());
    emit StartupDone();
}

void CMainWindowSession::OnClosed() {
    PublishTitle(QString());
}

bool CMainWindowSession::SelectLanguage(int nIndex) {
    if (nIndex < 0 || nIndex >= static_cast<int>(kMenuLanguages.size())) return false;
    const int nResult = ::SelectLanguage(GetLanguageNames()[static_cast<size_t>(nIndex)],
                                         &m_app.GetRegistryStore());
    if (nResult == kLanguageUnknown) return false;
    m_app.RefreshNames();
    return true;
}

int CMainWindowSession::GetLanguageIndex() {
    for (size_t n = 0; n < kMenuLanguages.size(); ++n)
        if (kMenuLanguages[n] == GetLanguageId()) return static_cast<int>(n);
    return 0;
}

void CMainWindowSession::ShowHelp(unsigned nTopic) const {
    ShowHelpTopic(GetHelpContext(), nTopic);
}

HelpContext CMainWindowSession::GetHelpContext() const {
    return {m_app.GetAppFolder(), m_app.GetServices()};
}
