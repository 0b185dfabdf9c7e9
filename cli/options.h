// Command-line options shared by the tetralyx-cli commands.
#pragma once

#include "play/playrun.h"

#include "core/language.h"
#include "engine/enginestate.h"

#include <cstdint>

#include <string>
#include <vector>

enum CliOption : unsigned {
    kOptAdvanced = 1u << 0,      // --advanced
    kOptMax = 1u << 1,           // --max 10|13
    kOptCharset = 1u << 2,       // --charset none|gb2312|big5
    kOptJson = 1u << 3,          // --json
    kOptLevel = 1u << 4,         // --level 1..4
    kOptMode = 1u << 5,          // --mode normal|training|game|worldcup
    kOptLanguage = 1u << 6,      // --language en|zh-CN|zh-TW
    kOptNoSolution = 1u << 7,    // --no-solution
    kOptCheckSolution = 1u << 8, // --check-solution
    kOptOnlySolved = 1u << 9,    // --only-solved
    kOptOnlyUnsolved = 1u << 10, // --only-unsolved
};

struct CliOptions {
    bool bAdvanced = false;
    unsigned nMax = 13;
    InterfaceCharset charset = InterfaceCharset::None;
    bool bJson = false;
    int nLevel = 1;
    bool bCharsetGiven = false; // otherwise the language decides the accepted characters
    PlayMode mode = PlayMode::Normal;
    std::uint32_t nLanguageId = kLanguageEnglish;
    bool bNoSolution = false;
    bool bCheckSolution = false;
    bool bHelp = false;
    bool bOnlySolved = false;
    bool bOnlyUnsolved = false;
    std::vector<std::string> saArguments; // everything that is not an option, in order
};

// Reads argv[nFirst..]; only the options in nAllowed are accepted. "--" ends the options;
// "-" and anything else not starting with "--" is an argument (answers may start with "-").
// On failure strError says why.
bool ParseCliOptions(int argc, char** argv, int nFirst, unsigned nAllowed, CliOptions& options,
                     std::string& strError);

// Applies the rule, value range and character set of the options to the engine.
void ApplyEngineOptions(const CliOptions& options);
