#include "options.h"

namespace {

struct OptionName {
    const char* szName;
    CliOption option;
    bool bTakesValue;
};

constexpr OptionName kOptionNames[] = {
    {"--advanced", kOptAdvanced, false},
    {"--max", kOptMax, true},
    {"--charset", kOptCharset, true},
    {"--json", kOptJson, false},
    {"--level", kOptLevel, true},
    {"--mode", kOptMode, true},
    {"--language", kOptLanguage, true},
    {"--no-solution", kOptNoSolution, false},
    {"--check-solution", kOptCheckSolution, false},
    {"--only-solved", kOptOnlySolved, false},
    {"--only-unsolved", kOptOnlyUnsolved, false},
};

struct NamedMode {
    const char* szName;
    PlayMode mode;
};

constexpr NamedMode kModes[] = {{"normal", PlayMode::Normal},
                                {"training", PlayMode::Training},
                                {"game", PlayMode::TrainingGame},
                                {"worldcup", PlayMode::WorldCup}};

struct NamedLanguage {
    const char* szName;
    std::uint32_t nLanguageId;
};

constexpr NamedLanguage kLanguages[] = {{"en", kLanguageEnglish},
                                        {"zh-CN", kLanguageSimplifiedChinese},
                                        {"zh-TW", kLanguageTraditionalChinese}};

bool SetValue(CliOption option, const std::string& strValue, CliOptions& options,
              std::string& strError) {
    switch (option) {
    case kOptMax:
        if (strValue != "10" && strValue != "13") {
            strError = "--max takes 10 or 13";
            return false;
        }
        options.nMax = strValue == "10" ? 10 : 13;
        return true;
    case kOptCharset:
        if (strValue == "none")
            options.charset = InterfaceCharset::None;
        else if (strValue == "gb2312")
            options.charset = InterfaceCharset::GB2312;
        else if (strValue == "big5")
            options.charset = InterfaceCharset::Big5;
        else {
            strError = "--charset takes none, gb2312 or big5";
            return false;
        }
        options.bCharsetGiven = true;
        return true;
    case kOptMode:
        for (const NamedMode& named : kModes)
            if (strValue == named.szName) {
                options.mode = named.mode;
                return true;
            }
        strError = "--mode takes normal, training, game or worldcup";
        return false;
    case kOptLanguage:
        for (const NamedLanguage& named : kLanguages)
            if (strValue == named.szName) {
                options.nLanguageId = named.nLanguageId;
                return true;
            }
        strError = "--language takes en, zh-CN or zh-TW";
        return false;
    case kOptLevel:
        if (strValue.size() != 1 || strValue[0] < '1' || strValue[0] > '4') {
            strError = "--level takes 1, 2, 3 or 4";
            return false;
        }
        options.nLevel = strValue[0] - '0';
        return true;
    default:
        return false;
    }
}

} // namespace

bool ParseCliOptions(int argc, char** argv, int nFirst, unsigned nAllowed, CliOptions& options,
                     std::string& strError) {
    bool bOptionsEnded = false;
    for (int i = nFirst; i < argc; ++i) {
        std::string strArg = argv[i];
        if (bOptionsEnded || strArg.size() < 2 || strArg.compare(0, 2, "--") != 0) {
            if (!bOptionsEnded && strArg == "-h")
                options.bHelp = true;
            else
                options.saArguments.push_back(strArg);
            continue;
        }
        if (strArg == "--") {
            bOptionsEnded = true;
            continue;
        }
        if (strArg == "--help") {
            options.bHelp = true;
            continue;
        }
        std::string strValue;
        bool bHasValue = false;
        if (const size_t nEq = strArg.find('='); nEq != std::string::npos) {
            strValue = strArg.substr(nEq + 1);
            strArg.resize(nEq);
            bHasValue = true;
        }
        const OptionName* pName = nullptr;
        for (const OptionName& name : kOptionNames)
            if (strArg == name.szName && (nAllowed & name.option)) pName = &name;
        if (!pName) {
            strError = "unknown option " + strArg;
            return false;
        }
        if (!pName->bTakesValue) {
            if (bHasValue) {
                strError = strArg + " takes no value";
                return false;
            }
            if (pName->option == kOptAdvanced)
                options.bAdvanced = true;
            else if (pName->option == kOptJson)
                options.bJson = true;
            else if (pName->option == kOptNoSolution)
                options.bNoSolution = true;
            else if (pName->option == kOptCheckSolution)
                options.bCheckSolution = true;
            else if (pName->option == kOptOnlySolved)
                options.bOnlySolved = true;
            else if (pName->option == kOptOnlyUnsolved)
                options.bOnlyUnsolved = true;
            continue;
        }
        if (!bHasValue) {
            if (i + 1 >= argc) {
                strError = strArg + " needs a value";
                return false;
            }
            strValue = argv[++i];
        }
        if (!SetValue(pName->option, strValue, options, strError)) return false;
    }
    return true;
}

void ApplyEngineOptions(const CliOptions& options) {
    SetStandardRule(!options.bAdvanced);
    SetMaxValue(options.nMax);
    SetInterfaceCharset(options.charset);
}
