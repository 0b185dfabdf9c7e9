#include "commands.h"

#include "engine/question.h"
#include "engine/solver.h"

#include <cstdio>
#include <string>

namespace {

void AppendJsonString(std::string& strOut, const std::string& strText) {
    strOut += '"';
    for (char c : strText) {
        if (c == '"' || c == '\\') strOut += '\\';
        strOut += c;
    }
    strOut += '"';
}

std::string FormatPlain(const std::string& strQuestion,
                        const std::vector<std::string>& saSolutions) {
    std::string strLine = strQuestion;
    strLine += ": ";
    for (size_t i = 0; i < saSolutions.size(); ++i) {
        if (i) strLine += ' ';
        strLine += saSolutions[i];
    }
    strLine += '\n';
    return strLine;
}

std::string FormatJson(const std::string& strQuestion,
                       const std::vector<std::string>& saSolutions) {
    std::string strEntry = "{\"q\":";
    AppendJsonString(strEntry, strQuestion);
    strEntry += ",\"solutions\":[";
    for (size_t i = 0; i < saSolutions.size(); ++i) {
        if (i) strEntry += ',';
        AppendJsonString(strEntry, saSolutions[i]);
    }
    strEntry += "]}";
    return strEntry;
}

} // namespace

int RunList(const CliOptions& options) {
    ApplyEngineOptions(options);
    const bool bStandard = !options.bAdvanced;
    const unsigned nMax = options.nMax;
    if (options.bJson)
        std::printf("{\"rule\":\"%s\",\"max\":%u,\"questions\":[",
                    bStandard ? "standard" : "advanced", nMax);
    bool bFirst = true;
    std::vector<std::string> saSolutions;
    ForEachQuestion(nMax, [&](const std::vector<unsigned>& uaQ) {
        FindAllSolutions(uaQ, saSolutions, bStandard);
        const std::string strQuestion = FormatQuestionText(uaQ);
        if (options.bJson) {
            std::fputs(bFirst ? "\n" : ",\n", stdout);
            std::fputs(FormatJson(strQuestion, saSolutions).c_str(), stdout);
        } else {
            std::fputs(FormatPlain(strQuestion, saSolutions).c_str(), stdout);
        }
        bFirst = false;
    });
    if (options.bJson) std::puts("\n]}");
    return kExitOk;
}
