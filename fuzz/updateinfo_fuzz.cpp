// The update information file as the daily check reads it: any bytes give three one-line
// fields, and the build date is read as the check reads it.
#include "fuzzcheck.h"

#include "media/updaterules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const QByteArray baText(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    const UpdateInfo info = CUpdateRules::ParseUpdateInfo(QString::fromUtf8(baText).trimmed());
    for (const QString* pField : {&info.strVersion, &info.strBuild, &info.strUrl})
        FUZZ_CHECK(!pField->contains(QLatin1Char('\n')) && !pField->contains(QLatin1Char('\r')));
    BuildDate date;
    if (CUpdateRules::ParseDateText(info.strBuild, date)) {
        FUZZ_CHECK(QDate(date.nYear, date.nMonth, date.nDay).isValid());
        CUpdateRules::IsNewerBuild(date, BuildDate{2004, 6, 5});
    }
    const QString strFile = CUpdateRules::SafeFileName(info.strUrl);
    // The name the download may take: no folder, not hidden, no control characters.
    FUZZ_CHECK(strFile.size() <= 200 && !strFile.startsWith(QLatin1Char('.')) &&
               (strFile.isEmpty() || !strFile.front().isSpace()));
    for (const QChar ch : strFile)
        FUZZ_CHECK(ch.unicode() >= 0x20 && ch != QLatin1Char('/') && ch != QLatin1Char('\\') &&
                   ch != QLatin1Char(':'));
    return 0;
}
