// Switching the language from the Tools menu stores the choice, so it lives with the
// registry store in the program rather than in the plain language state the command line shares.
#include "core/language.h"

#include "core/registrystore.h"

#include <charconv>

namespace {

// The identifiers are fixed four-digit hexadecimal texts.
bool ParseIdentifier(const std::string& strIdentifier, std::uint32_t& nValue) {
    const char* pEnd = strIdentifier.data() + strIdentifier.size();
    const auto result = std::from_chars(strIdentifier.data(), pEnd, nValue, 16);
    return result.ec == std::errc() && result.ptr == pEnd && !strIdentifier.empty();
}

} // namespace

int SelectLanguage(const std::string& strName, CRegistryStore* pStore) {
    const std::array<std::string, 3>& saNames = GetLanguageNames();
    for (std::size_t i = 0; i < saNames.size(); ++i) {
        if (saNames[i] != strName) continue;
        std::uint32_t nLanguageId = 0;
        if (!ParseIdentifier(GetLanguageIdentifiers()[i], nLanguageId)) return kLanguageUnknown;
        if (nLanguageId == GetLanguageId()) return kLanguageUnchanged;
        SetLanguageId(nLanguageId);
        if (pStore)
            pStore->WriteNumber(QStringLiteral("Shell"), QStringLiteral("LCID"),
                                static_cast<int>(nLanguageId));
        return kLanguageSwitched;
    }
    return kLanguageUnknown;
}
