// Any collection file loads; the list it gives, saved and loaded again, is the same list,
// and the saved file reads without unread lines.
#include "fuzzcheck.h"
#include "fuzzfolder.h"

#include "core/collection.h"

#include <QFile>

namespace {

bool SameItems(const Collection& first, const Collection& second) {
    if (first.m_items.size() != second.m_items.size()) return false;
    for (size_t n = 0; n < first.m_items.size(); ++n)
        if (first.m_items[n].strQuestion != second.m_items[n].strQuestion ||
            first.m_items[n].strNote != second.m_items[n].strNote)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const bool bMyFavorite = nSize > 0 && (pData[0] & 1);
    const QString strInput = FuzzFilePath(QStringLiteral("input.ini"));
    const QString strSaved = FuzzFilePath(QStringLiteral("saved.ini"));
    FUZZ_CHECK(WriteFuzzFile(
        strInput, QByteArray(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize))));
    QFile::remove(strSaved);
    QFile::remove(strSaved + QStringLiteral(".bad"));

    Collection list;
    LoadCollection(list, strInput, bMyFavorite);
    const Collection loaded = list;
    FUZZ_CHECK(SaveCollection(list, strSaved, bMyFavorite, nullptr));
    // Saving normalises; a loaded list is normal already.
    FUZZ_CHECK(SameItems(list, loaded));

    Collection again;
    LoadCollection(again, strSaved, bMyFavorite);
    FUZZ_CHECK(SameItems(again, loaded));
    FUZZ_CHECK(!again.m_bUnreadLines);
    return 0;
}
