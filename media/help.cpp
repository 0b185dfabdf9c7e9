#include "media/help.h"

#include "core/configfile.h"
#include "core/desktopopener.h"
#include "core/helpviewer.h"
#include "core/language.h"
#include "core/registrystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

struct TopicRow {
    unsigned nTopic;
    const char* szPage;
    const QString* pWindow;
};

const TopicRow kTopics[] = {
    {0, "index.html", &kHelpWindowFullScreen},
    {1, "intro.htm", &kHelpWindowFullScreen},
    {3, "download.htm", &kHelpWindowFullScreen},
    {6, "support.htm", &kHelpWindowSingleTopic},
    {7, "rel_note.htm", &kHelpWindowReleaseNote},
    {10, "userguide/0_contents.htm", &kHelpWindowFullScreen},
    {11, "userguide/1_introduction.htm", &kHelpWindowFullScreen},
    {12, "userguide/2_sysreq.htm", &kHelpWindowFullScreen},
    {13, "userguide/3_rules.htm", &kHelpWindowFullScreen},
    {14, "userguide/4_pis.htm", &kHelpWindowFullScreen},
    {15, "userguide/5_dl.htm", &kHelpWindowFullScreen},
    {16, "userguide/6_checksolutions.htm", &kHelpWindowFullScreen},
    {17, "userguide/7_games.htm", &kHelpWindowFullScreen},
    {18, "userguide/8_collections.htm", &kHelpWindowFullScreen},
    {19, "userguide/9_cards.htm", &kHelpWindowFullScreen},
    {20, "userguide/10_master.htm", &kHelpWindowFullScreen},
    {22, "userguide/a1_irrelevant.htm", &kHelpWindowFullScreen},
    {23, "userguide/a2_accelkey.htm", &kHelpWindowFullScreen},
};

// The maker's site; nothing of it is part of the program, so it can be configured.
const QString kBuiltInMakerSite = QStringLiteral("https://www.korvane.example");

QString g_strMakerSite;

void OpenOnDesktop(const HelpContext& context, const QString& strAddress) {
    if (context.services.pDesktop) context.services.pDesktop->Open(strAddress);
}

} // namespace

HelpTopicInfo GetHelpTopicInfo(unsigned nTopic) {
    for (const TopicRow& row : kTopics)
        if (row.nTopic == nTopic) return {QString::fromLatin1(row.szPage), *row.pWindow};
    return {QStringLiteral("index.html"), kHelpWindowFullScreen};
}

const std::vector<unsigned>& GetHelpTopicNumbers() {
    static const std::vector<unsigned> naTopics = [] {
        std::vector<unsigned> na;
        for (const TopicRow& row : kTopics)
            na.push_back(row.nTopic);
        return na;
    }();
    return naTopics;
}

QString GetHelpLanguageFolder(int nLanguageId) {
    switch (nLanguageId) {
    case 2052:
        return QStringLiteral("gb2312");
    case 1028:
        return QStringLiteral("big5");
    default:
        return QStringLiteral("english");
    }
}

QString GetMakerSite() {
    return g_strMakerSite.isEmpty() ? kBuiltInMakerSite : g_strMakerSite;
}

void SetMakerSite(const QString& strSite) {
    QString strTrimmed = strSite.trimmed();
    while (strTrimmed.endsWith(u'/'))
        strTrimmed.chop(1);
    g_strMakerSite = strTrimmed;
}

void LoadMakerSite(const QString& strBaseConfigPath) {
    CConfigFile config;
    config.Load(strBaseConfigPath);
    QString strSite;
    config.ReadString(QStringLiteral("BaseString"), QStringLiteral("Maker Site"), QString(),
                      strSite);
    // Only web addresses: the links built from it go to the browser.
    const bool bWeb = strSite.startsWith(QLatin1String("https://")) ||
                      strSite.startsWith(QLatin1String("http://"));
    SetMakerSite(bWeb ? strSite : QString());
}

QString GetMakerHomePage(int nLanguageId) {
    switch (nLanguageId) {
    case 2052:
        return GetMakerSite() + QStringLiteral("/index_chs.html");
    case 1028:
        return GetMakerSite() + QStringLiteral("/index_cht.html");
    default:
        return GetMakerSite() + QStringLiteral("/");
    }
}

QString GetProductHomePage(int nLanguageId) {
    switch (nLanguageId) {
    case 2052:
        return GetMakerSite() + QStringLiteral("/tetralyx/index_chs.html");
    case 1028:
        return GetMakerSite() + QStringLiteral("/tetralyx/index_cht.html");
    default:
        return GetMakerSite() + QStringLiteral("/tetralyx");
    }
}

QString GetMakerHomePage() {
    return GetMakerHomePage(static_cast<int>(GetLanguageId()));
}
QString GetProductHomePage() {
    return GetProductHomePage(static_cast<int>(GetLanguageId()));
}

HelpRequest ResolveHelpTopic(unsigned nTopic, int nLanguageId, const QString& strAppFolder) {
    HelpRequest request;
    const HelpTopicInfo info = GetHelpTopicInfo(nTopic);
    const QString strLanguage = GetHelpLanguageFolder(nLanguageId);
    if (nTopic == kHelpTopicReleaseNote) {
        request.bOpenMakerHomePage = true;
        request.strMakerHomePage = GetMakerHomePage(nLanguageId);
    }
    request.strWindow = info.strWindow;
    const QString strFolder = QDir(strAppFolder).filePath(QStringLiteral("help/") + strLanguage);
    const QString strLocal = QDir(strFolder).filePath(info.strPage);
    if (!strAppFolder.isEmpty() && QFileInfo(strLocal).isFile()) {
        request.bInViewer = true;
        request.strHelpFolder = QDir::cleanPath(strFolder);
        request.strTarget = QDir::cleanPath(strLocal);
    } else {
        request.strTarget = GetWebHelpAddress(strLanguage, info.strPage);
    }
    return request;
}

QString GetWebHelpAddress(const QString& strLanguageFolder, const QString& strPage) {
    return GetMakerSite() + QStringLiteral("/tetralyx/help/%1/%2").arg(strLanguageFolder, strPage);
}

QString ReadHelpPageTitle(const QString& strPath) {
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    // The title sits in the head; there is no need to read a long page to its end.
    const QString strHead = QString::fromUtf8(file.read(16384));
    static const QRegularExpression titlePattern(
        QStringLiteral("<title[^>]*>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = titlePattern.match(strHead);
    if (!match.hasMatch()) return QString();
    QTextDocument document;
    document.setHtml(match.captured(1));
    return document.toPlainText().simplified();
}

bool ShowHelpTopic(const HelpContext& context, unsigned nTopic) {
    const HelpRequest request =
        ResolveHelpTopic(nTopic, static_cast<int>(GetLanguageId()), context.strAppFolder);
    if (request.bOpenMakerHomePage) OpenOnDesktop(context, request.strMakerHomePage);
    // Without the viewer (a program with no windows) a local page goes to the desktop too.
    if (request.bInViewer && context.services.pHelp)
        context.services.pHelp->ShowPage(request.strHelpFolder, request.strTarget,
                                         request.strWindow);
    else
        OpenOnDesktop(context, request.strTarget);
    return true;
}

void ShowReleaseNoteOnce(const HelpContext& context, CRegistryStore& store,
                         const QString& strBuildDate) {
    const QString strName = QStringLiteral("Release Note %1").arg(strBuildDate);
    if (store.ReadText(QStringLiteral("App"), strName, QString()) == QStringLiteral("1")) return;
    ShowHelpTopic(context, kHelpTopicReleaseNote);
    store.WriteText(QStringLiteral("App"), strName, QStringLiteral("1"));
}
