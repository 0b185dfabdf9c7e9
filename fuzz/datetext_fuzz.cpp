// Build dates: a date that reads is a real calendar date, its stored form reads back as the
// same date, and a refusal leaves the date alone.
#include "fuzzcheck.h"

#include "media/updaterules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const QString strText =
        QString::fromUtf8(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    BuildDate date{-1, -2, -3};
    if (!CUpdateRules::ParseDateText(strText, date)) {
        FUZZ_CHECK(date.nYear == -1 && date.nMonth == -2 && date.nDay == -3);
        return 0;
    }
    const QDate calendar(date.nYear, date.nMonth, date.nDay);
    FUZZ_CHECK(calendar.isValid());
    BuildDate again;
    FUZZ_CHECK(CUpdateRules::ParseDateText(CUpdateRules::DateText(calendar), again));
    FUZZ_CHECK(again.nYear == date.nYear && again.nMonth == date.nMonth && again.nDay == date.nDay);
    return 0;
}
