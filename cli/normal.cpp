#include "commands.h"

#include "engine/kvutilities.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

void PrintKeys(const std::string& strAnswer) {
    std::vector<unsigned> uaQ;
    std::string strSubNA;
    const std::string strNormal = CKVUtilities::GetNormalAnswer(uaQ, strSubNA, strAnswer);
    std::printf("%s\n%s\n", strNormal.empty() ? "" : strSubNA.c_str(), strNormal.c_str());
}

} // namespace

int RunNormal(const CliOptions& options) {
    ApplyEngineOptions(options);
    const std::string& strArgument = options.saArguments[0];
    if (strArgument != "-") {
        PrintKeys(strArgument);
        return kExitOk;
    }
    for (std::string strLine; std::getline(std::cin, strLine);) {
        if (!strLine.empty() && strLine.back() == '\r') strLine.pop_back();
        PrintKeys(strLine);
    }
    return kExitOk;
}
