#include "core/language.h"

#include "core/stringids.h"
#include "core/stringtable.h"
#include "engine/enginestate.h"

namespace {

// Only the three interface languages are ever looked up here.
constexpr LanguageCodePage kCodePages[] = {
    {kLanguageEnglish, 1252, kCharsetAnsi},
    {kLanguageSimplifiedChinese, 936, kCharsetGB2312},
    {kLanguageTraditionalChinese, 950, kCharsetBig5},
};

struct LanguageState {
    std::uint32_t nLanguageId = kLanguageEnglish;
    int nCharset = kCharsetAnsi;
    std::string strProductName = GetLocalizedText(IDS_KVT_PRODUCT, {}, {}, {}, kColumnEnglish);
    std::string strCompanyName = GetLocalizedText(IDS_KVT_COMPANY, {}, {}, {}, kColumnEnglish);
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

InterfaceCharset EngineCharsetFor(std::uint32_t nLanguageId) {
    switch (nLanguageId) {
    case kLanguageSimplifiedChinese:
        return InterfaceCharset::GB2312;
    case kLanguageTraditionalChinese:
        return InterfaceCharset::Big5;
    default:
        return InterfaceCharset::None;
    }
}

} // namespace

LanguageCodePage GetLanguageCodePage(std::uint32_t nLanguageId) {
    for (const LanguageCodePage& entry : kCodePages) {
        if (entry.nLanguageId == nLanguageId) return entry;
    }
    return {nLanguageId, 1252, kCharsetAnsi};
}

std::uint32_t GetLanguageId() {
    return State().nLanguageId;
}

int GetFontCharset() {
    return State().nCharset;
}

const std::string& GetProductName() {
    return State().strProductName;
}

const std::string& GetCompanyName() {
    return State().strCompanyName;
}

void SetLanguageId(std::uint32_t nLanguageId) {
    if (nLanguageId != kLanguageSimplifiedChinese && nLanguageId != kLanguageTraditionalChinese)
        nLanguageId = kLanguageEnglish;
    LanguageState& state = State();
    state.nLanguageId = nLanguageId;
    state.nCharset = GetLanguageCodePage(nLanguageId).nCharset;
    SetInterfaceCharset(EngineCharsetFor(nLanguageId));
    const int nColumn = GetColumnForLanguage(nLanguageId);
    state.strProductName = GetLocalizedText(IDS_KVT_PRODUCT, {}, {}, {}, nColumn);
    state.strCompanyName = GetLocalizedText(IDS_KVT_COMPANY, {}, {}, {}, nColumn);
}

const std::array<std::string, 3>& GetLanguageNames() {
    static const std::array<std::string, 3> saNames = {"English", "Chinese,Simplified (简体中文)",
                                                       "Chinese,Traditional (繁體中文)"};
    return saNames;
}

const std::array<std::string, 3>& GetLanguageIdentifiers() {
    static const std::array<std::string, 3> saIdentifiers = {"0409", "0804", "0404"};
    return saIdentifiers;
}
