#include "core/application.h"

#include "core/configfile.h"
#include "core/debuglog.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/pathutils.h"
#include "core/stringids.h"
#include "core/systeminfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const QString kBaseKey = QStringLiteral("software\\Korvane\\Tetralyx\\1.3");

QString WithoutTrailingSlash(QString strPath) {
    while (strPath.size() > 1 && strPath.endsWith(u'/'))
        strPath.chop(1);
    return strPath;
}

// Whether a file can be created there: the folder's permission bits do not tell for root,
// for read-only mounts or for a path that runs through a file.
bool CanWriteInFolder(const QString& strFolder) {
    QTemporaryFile probe(QDir(strFolder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
}

// The user's copy must be writable even when the shipped file is read-only.
void CopyUserFile(const QString& strFrom, const QString& strTo) {
    if (!QFile::copy(strFrom, strTo)) return;
    QFile::setPermissions(strTo, QFile::permissions(strTo) | QFile::WriteOwner | QFile::ReadOwner);
}

} // namespace

bool IsWorldCupTitle(const QString& strTitle) {
    // Simplified Chinese writes the cup 杯, Traditional Chinese often 盃.
    static const QString saMarks[] = {QStringLiteral("World Cup"), QString::fromUtf8("世界杯"),
                                      QString::fromUtf8("世界盃")};
    for (const QString& strMark : saMarks)
        if (strTitle.contains(strMark)) return true;
    return false;
}

CApplication::CApplication(const CServices& services) : m_services(services) {}

CApplication::~CApplication() {
    // The lock goes last, after the socket other copies could still reach.
    m_pInstanceServer.reset();
    if (m_pInstanceLock) m_pInstanceLock->Unlock();
}

void CApplication::ShowNotice(std::uint32_t nTextId, const QString& strParam) {
    if (m_services.pMessages)
        m_services.pMessages->ShowMessage(LocalizedText(nTextId, strParam), QString(),
                                          KV_MB_OK | KV_MB_ICONEXCLAMATION);
}

int CApplication::Run(const CStartupHooks& hooks) {
    return Run(GetModulePath(2), ::GetUserFolder(), hooks);
}

int CApplication::Run(const QString& strAppFolder, const QString& strUserFolder,
                      const CStartupHooks& hooks) {
    m_nStringRecords = CountStringRecords();

    switch (Configure(strAppFolder, strUserFolder)) {
    case ConfigResult::AlreadyRunning:
        return kExitOk;
    case ConfigResult::BrokenInstallation:
        return kExitBrokenInstallation;
    case ConfigResult::Ok:
        break;
    }

    m_bDebugLog = false;

    if (IsWorldCupRunningElsewhere()) {
        if (m_services.pMessages)
            m_services.pMessages->ShowMessage(
                LocalizedText(IDS_DIALOG_MAIN_PROMPT_DENY_START_DURING_WORLD_CUP, m_strProductName),
                LocalizedText(IDS_DIALOG_MAIN_PROMPT_DENY_NEW_CAPTION),
                KV_MB_OK | KV_MB_ICONEXCLAMATION);
        return kExitWorldCupRunning;
    }

    return hooks.fnRunMainWindow ? hooks.fnRunMainWindow() : kExitOk;
}

CApplication::ConfigResult CApplication::Configure(const QString& strAppFolder,
                                                   const QString& strUserFolder) {
    m_strRegistryRoot = QDir(strUserFolder).filePath(QStringLiteral("registry.ini"));
    m_strRegistryKey = kBaseKey;
    m_registry.SetBaseKey(m_strRegistryRoot, m_strRegistryKey);

    // 1. Single instance: a second start raises the first and ends without a word.
    m_strInstanceFolder = GetInstanceFolder();
    m_pInstanceLock = std::make_unique<CInstanceLock>(m_strInstanceFolder);
    if (!m_pInstanceLock->TryLock()) {
        RaiseOtherInstance();
        m_pInstanceLock.reset();
        return ConfigResult::AlreadyRunning;
    }
    m_pInstanceServer = std::make_unique<CInstanceServer>(m_strInstanceFolder);
    m_pInstanceServer->Listen();

    // 2 to 5. Paths: shipped files beside the executable, the user's in the user folder.
    m_strAppFolder = WithoutTrailingSlash(strAppFolder);
    m_strConfigFolder = JoinPath(m_strAppFolder, QStringLiteral("config"));
    m_strBaseConfigPath = JoinPath(m_strConfigFolder, QStringLiteral("configbase.ini"));
    m_strUserFolder = WithoutTrailingSlash(strUserFolder);
    m_strDefaultMusicPath = JoinPath(m_strConfigFolder, QStringLiteral("defaultmusic.ini"));
    m_strMusicPath = JoinPath(m_strUserFolder, QStringLiteral("music.ini"));

    // 6. Without the shipped defaults the installation is broken. A folder of that name
    // is no settings file either.
    if (!QFileInfo(m_strDefaultMusicPath).isFile()) {
        // The program ends after this box, so it offers no help that would open a window
        // the box blocks and the end takes away.
        if (m_services.pMessages) {
            MessageRequest request;
            request.strMessage = LocalizedText(IDS_ERROR_INSTALLATION_PACK_DESTROYED);
            request.nStyle = KV_MB_OK | KV_MB_ICONEXCLAMATION;
            request.bOfferHelp = false;
            m_services.pMessages->Present(request);
        }
        return ConfigResult::BrokenInstallation;
    }

    // 7 and 8. The user folder must exist before the user's copy can be made in it.
    QDir().mkpath(m_strUserFolder);
    m_bUserFolderWritable = CanWriteInFolder(m_strUserFolder);
    if (!PathExists(m_strMusicPath)) CopyUserFile(m_strDefaultMusicPath, m_strMusicPath);
    m_strFavoritePath = JoinPath(m_strUserFolder, QStringLiteral("cmf.ini"));
    m_strTroublePath = JoinPath(m_strUserFolder, QStringLiteral("ctm.ini"));

    // 9. Provisional language; the debug log goes to the temporary folder.
    SetLanguageId(kLanguageEnglish);
    m_strDebugFolder = WithoutTrailingSlash(QDir::tempPath());
    SetDebugLogFolder(m_strDebugFolder);

    // 10 and 11. The language the player chose last.
    LoadLanguageSetting();
    RefreshNames();
    m_nBuildYear = kBuildYear;
    m_nBuildMonth = kBuildMonth;
    m_nBuildDay = kBuildDay;
    m_strBuildDate =
        QStringLiteral("%1-%2-%3").arg(m_nBuildYear).arg(m_nBuildMonth).arg(m_nBuildDay);

    // Playing is still possible; the player hears once per start that nothing is kept.
    if (!m_bUserFolderWritable)
        ShowNotice(IDS_ERROR_FILE_USER_FOLDER_NOT_WRITABLE,
                   QDir::toNativeSeparators(m_strUserFolder));
    return ConfigResult::Ok;
}

void CApplication::LoadLanguageSetting() {
    const int nStored = m_registry.ReadNumber(QStringLiteral("Shell"), QStringLiteral("LCID"),
                                              GetUserDefaultLanguageId());
    const bool bChinese = nStored == static_cast<int>(kLanguageSimplifiedChinese) ||
                          nStored == static_cast<int>(kLanguageTraditionalChinese);
    SetLanguageId(bChinese ? static_cast<std::uint32_t>(nStored) : kLanguageEnglish);
}

void CApplication::RefreshNames() {
    m_strProductName = QString::fromStdString(::GetProductName());
    m_strCompanyName = QString::fromStdString(::GetCompanyName());
}

void CApplication::RaiseOtherInstance() {
    const qint64 nHolder = m_pInstanceLock ? m_pInstanceLock->GetHolderPid() : 0;
    if (nHolder > 0 && SendRaiseRequest(GetInstanceSocketPath(m_strInstanceFolder, nHolder)))
        return;
    const QStringList saOthers = FindOtherInstances(m_strInstanceFolder, QString());
    if (!saOthers.isEmpty()) SendRaiseRequest(saOthers.first());
}

bool CApplication::IsWorldCupRunningElsewhere() const {
    const QString strOwn = m_pInstanceServer ? m_pInstanceServer->GetSocketPath() : QString();
    for (const QString& strOther : FindOtherInstances(m_strInstanceFolder, strOwn))
        if (IsWorldCupTitle(QueryInstanceTitle(strOther))) return true;
    return false;
}

int CApplication::EnumInstances(int nMode) {
    const QString strOwn = m_pInstanceServer ? m_pInstanceServer->GetSocketPath() : QString();
    const QStringList saOthers = FindOtherInstances(m_strInstanceFolder, strOwn);
    if (nMode == 1)
        for (const QString& strOther : saOthers)
            SendCloseRequest(strOther, 1, 2);
    return static_cast<int>(saOthers.size()) + (m_pMainWindow ? 1 : 0);
}
