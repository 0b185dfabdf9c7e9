// The decisions of the update check and download, apart from any window or transfer: reading
// the information file and dates, when a check is due, which build is newer, byte counts for
// the player, and the names the downloaded file may take.
#pragma once

#include <QDate>
#include <QString>

#include <cstdint>
#include <functional>

class CRegistryStore;

struct BuildDate {
    int nYear = 0;
    int nMonth = 0;
    int nDay = 0;
};

struct UpdateInfo {
    QString strVersion; // shown only
    QString strBuild;
    QString strUrl;
};

class CUpdateRules {
public:
    // "2004-6-5", "04-06-05", "2004 - 6 - 5"; false unless it is a real calendar date.
    static bool ParseDateText(const QString& strText, BuildDate& date);
    // "%d-%d-%d", as the store keeps dates.
    static QString DateText(const QDate& date);

    // Version, Build and URL lines; ";" starts a comment; a later line wins.
    static UpdateInfo ParseUpdateInfo(const QString& strText);

    // Builds after 2020 are never offered (the information files of old releases say so).
    static bool IsNewerBuild(const BuildDate& newBuild, const BuildDate& currentBuild);

    // Empty (no check) without a maker's site, or when the base configuration switches the
    // check off ("N/A") or names a file that is not a plain name.
    static QString GetUpdateInfoAddress(const QString& strBs6, const QString& strMakerSite);

    // "Last Try" and "Last Deny" under "AutoDetect": false when tried today or declined within
    // five days. A due check writes today as "Last Try".
    static bool IsCheckDue(CRegistryStore& store, const QDate& today);
    static void RememberDenied(CRegistryStore& store, const QDate& today);

    static QString FormatByteCount(std::uint64_t nBytes);
    // Whole percent, 0..100; 0 while the total is unknown (0 or less).
    static int Percent(std::int64_t nReceived, std::int64_t nTotal);

    // The last element of the address's path, reduced to a plain file name: no folders, no
    // "..", no control characters, no leading dots. Empty when nothing usable is left.
    static QString SafeFileName(const QString& strAddress);
    // An address worth downloading names a file; web pages go to the browser instead.
    static bool IsDownloadable(const QString& strAddress);

    // strName in strFolder, or "<base>(n).<ext>" with the first n from 1 that is free.
    static QString FindFreeName(const QString& strFolder, const QString& strName,
                                const std::function<bool(const QString&)>& fnExists);
    // A name typed without an extension takes the downloaded file's.
    static QString AddMissingExtension(const QString& strPath, const QString& strFileName);
};
