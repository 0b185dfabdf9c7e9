#include "media/updatecheck.h"

#include "core/application.h"
#include "core/clock.h"
#include "core/configfile.h"
#include "core/desktopopener.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/networkfetcher.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/updaterules.h"

namespace {
// Server texts shown in the question are cut to this.
constexpr int kMaxShownLength = 80;
} // namespace

UpdateCheckContext MakeUpdateCheckContext(CApplication& app,
                                          std::function<bool(const UpdateOffer&)> fnRunDownload) {
    UpdateCheckContext context;
    context.services = app.GetServices();
    context.pStore = &app.GetRegistryStore();
    CConfigFile config;
    config.Load(app.GetBaseConfigPath());
    QString strBs6;
    config.ReadString(QStringLiteral("BaseString"), QStringLiteral("BS6"), QString(), strBs6);
    context.strInfoAddress = CUpdateRules::GetUpdateInfoAddress(strBs6, GetMakerSite());
    context.strMakerHomePage = GetMakerHomePage();
    context.strProductHomePage = GetProductHomePage();
    context.strProductName = app.GetProductName();
    context.strCompanyName = app.GetCompanyName();
    context.strCurrentBuild = app.GetBuildDate();
    context.fnRunDownload = std::move(fnRunDownload);
    return context;
}

CUpdateCheck::CUpdateCheck(UpdateCheckContext context) : m_context(std::move(context)) {}

// A transfer still running answers into nothing: m_pAlive tells it so.
CUpdateCheck::~CUpdateCheck() {
    *m_pAlive = false;
}

void CUpdateCheck::CheckForUpdate(std::function<void(bool)> fnFinished) {
    m_fnFinished = std::move(fnFinished);
    const CServices& services = m_context.services;
    if (m_context.strInfoAddress.isEmpty() || !m_context.pStore || !services.pNetwork ||
        !services.pClock || !services.pMessages) {
        Finish(false);
        return;
    }
    if (!CUpdateRules::IsCheckDue(*m_context.pStore, services.pClock->Now().date())) {
        Finish(false);
        return;
    }
    std::weak_ptr<bool> pAlive = m_pAlive;
    services.pNetwork->FetchLimited(m_context.strInfoAddress, kMaxInfoBytes, kInfoTimeoutMs,
                                    [this, pAlive](const FetchResult& result) {
                                        const auto pLocked = pAlive.lock();
                                        if (pLocked && *pLocked) OnInfo(result);
                                    });
}

bool CUpdateCheck::ReadUpdateInfo(const QByteArray& baText, UpdateOffer& offer) const {
    const UpdateInfo info = CUpdateRules::ParseUpdateInfo(QString::fromUtf8(baText).trimmed());
    BuildDate newBuild;
    BuildDate currentBuild;
    if (!CUpdateRules::ParseDateText(info.strBuild, newBuild) ||
        !CUpdateRules::ParseDateText(m_context.strCurrentBuild, currentBuild))
        return false;
    if (!CUpdateRules::IsNewerBuild(newBuild, currentBuild)) return false;
    offer.strVersion = info.strVersion.left(kMaxShownLength);
    offer.strInstallerUrl =
        CUpdateRules::IsDownloadable(info.strUrl) ? info.strUrl : m_context.strProductHomePage;
    offer.strNewBuild = QStringLiteral("%1-%2-%3")
                            .arg(newBuild.nYear)
                            .arg(newBuild.nMonth, 2, 10, QLatin1Char('0'))
                            .arg(newBuild.nDay, 2, 10, QLatin1Char('0'));
    return true;
}

void CUpdateCheck::OnInfo(const FetchResult& result) {
    UpdateOffer offer;
    if (!result.bOk || (result.nHttpStatus != 0 && result.nHttpStatus != 200) ||
        !ReadUpdateInfo(result.baBody, offer)) {
        Finish(false);
        return;
    }
    const CServices& services = m_context.services;
    QString strQuestion =
        LocalizedText(IDS_DIALOG_LVUD_PROMPT_NEW_BUILD_FOUND, m_context.strProductName);
    if (!offer.strVersion.isEmpty())
        strQuestion +=
            QStringLiteral("\r\n\r\n") + LocalizedText(IDS_DIALOG_LVUD_VERSION, offer.strVersion);
    strQuestion += QStringLiteral("\r\n") + LocalizedText(IDS_DIALOG_LVUD_BUILD, offer.strNewBuild);
    const int nAnswer =
        services.pMessages->ShowMessage(strQuestion, QString(), KV_MB_YESNO | KV_MB_ICONQUESTION);
    auto fnOpen = [&services](const QString& strAddress) {
        if (!strAddress.isEmpty() && services.pDesktop) services.pDesktop->Open(strAddress);
    };
    if (nAnswer != KV_IDYES) {
        services.pMessages->ShowMessage(LocalizedText(
            IDS_DIALOG_LVUD_ALTERNATE_CHOICE, m_context.strProductName, m_context.strCompanyName));
        CUpdateRules::RememberDenied(*m_context.pStore, services.pClock->Now().date());
        Finish(false);
        return;
    }
    if (!CUpdateRules::IsDownloadable(offer.strInstallerUrl)) {
        fnOpen(m_context.strMakerHomePage);
        fnOpen(m_context.strProductHomePage);
        Finish(false);
        return;
    }
    const bool bStarted = m_context.fnRunDownload && m_context.fnRunDownload(offer);
    if (bStarted) fnOpen(m_context.strMakerHomePage);
    Finish(bStarted);
}

void CUpdateCheck::Finish(bool bMustClose) {
    auto fnFinished = std::move(m_fnFinished);
    m_fnFinished = nullptr;
    if (fnFinished) fnFinished(bMustClose);
}
