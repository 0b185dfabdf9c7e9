// Help: topic numbers, the help set shipped per language, the web pages that stand in
// when the help set is missing, and the maker's home pages by language.
#pragma once

#include "core/services.h"

#include <QString>

#include <vector>

class CRegistryStore;

// Window names that decide how the viewer shows a topic.
inline const QString kHelpWindowFullScreen = QStringLiteral("FullScreen");
inline const QString kHelpWindowSingleTopic = QStringLiteral("FullWindowSingleTopic");
inline const QString kHelpWindowReleaseNote = QStringLiteral("ReleaseNote");

constexpr unsigned kHelpTopicContents = 0;
constexpr unsigned kHelpTopicReleaseNote = 7;

struct HelpTopicInfo {
    QString strPage;   // relative to the help set or the web help base
    QString strWindow; // one of the window names above
};

// Unknown topics show the index page.
HelpTopicInfo GetHelpTopicInfo(unsigned nTopic);
// The topics of the table, in number order.
const std::vector<unsigned>& GetHelpTopicNumbers();

// "english", "gb2312" or "big5"; languages other than 2052 and 1028 use English.
QString GetHelpLanguageFolder(int nLanguageId);

// Scheme and host of the maker's site, without a trailing "/".
QString GetMakerSite();
// Another site, for instance one read from the base configuration; empty restores the built-in.
void SetMakerSite(const QString& strSite);

// The site named in the base configuration ([BaseString] "Maker Site"), if any.
void LoadMakerSite(const QString& strBaseConfigPath);

QString GetMakerHomePage(int nLanguageId);
QString GetProductHomePage(int nLanguageId);
// For the current interface language.
QString GetMakerHomePage();
QString GetProductHomePage();

// What one help request does.
struct HelpRequest {
    bool bOpenMakerHomePage = false; // the release notes also open the maker's home page
    QString strMakerHomePage;
    bool bInViewer = false; // the page is in the help set beside the program
    QString strHelpFolder;  // the language's help set, when bInViewer
    QString strTarget;      // local page path, or the web address
    QString strWindow;
};

HelpRequest ResolveHelpTopic(unsigned nTopic, int nLanguageId, const QString& strAppFolder);

// The web address of a page of the help set, used when the page is not on this computer.
// strLanguageFolder is one of the names GetHelpLanguageFolder gives.
QString GetWebHelpAddress(const QString& strLanguageFolder, const QString& strPage);

// The <title> of a help page (UTF-8), blanks simplified; empty when it has none.
QString ReadHelpPageTitle(const QString& strPath);

// What showing help needs: the program's folder, where the help sets are, and the
// services that show a page (the help viewer) or open a web address (the desktop).
struct HelpContext {
    QString strAppFolder;
    CServices services;
};

// Opens a topic in the viewer, or its web page through the desktop. Always true.
bool ShowHelpTopic(const HelpContext& context, unsigned nTopic);

// Once per build: the release notes, remembered in the store under "App" as
// "Release Note <build date>".
void ShowReleaseNoteOnce(const HelpContext& context, CRegistryStore& store,
                         const QString& strBuildDate);
