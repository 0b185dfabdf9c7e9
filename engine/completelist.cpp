#include "engine/completelist.h"

#include "engine/enginestate.h"
#include "engine/question.h"
#include "engine/solver.h"
#include "engine/textlines.h"

#include <vector>

namespace {

const char kLineStart[] = "<p style=\"word-spacing: 0; line-height: 100%; text-indent: 0; "
                          "margin: 0\" align=\"left\">";
const char kLineEnd[] = "</p>\r\n";

void AppendHeading(std::string& strOut, const std::string& strText) {
    strOut += kLineStart;
    strOut += "<font size=\"2\"><b>";
    strOut += strText;
    strOut += "</b></font>";
    strOut += kLineEnd;
}

void AppendLine(std::string& strOut, const std::string& strText) {
    strOut += kLineStart;
    strOut += strText;
    strOut += kLineEnd;
}

std::string FormatHeading(const std::string& strQ, unsigned nNumber,
                          const std::vector<unsigned>& uaQ) {
    return strQ + std::to_string(nNumber) + ": " + FormatQuestionText(uaQ);
}

} // namespace

unsigned CountCompleteListQuestions(unsigned nMaxValue) {
    // Multisets of four out of nMaxValue values.
    const unsigned long long n = nMaxValue;
    return static_cast<unsigned>(n * (n + 1) * (n + 2) * (n + 3) / 24);
}

std::string GetCompleteListFileName(char cLanguage, const CompleteListOptions& options) {
    std::string strName(1, cLanguage);
    if (options.bStandard) strName += "sd";
    if (options.bJQK) strName += "j";
    if (options.bHaveSolution) strName += "hs";
    if (options.bNoSolution) strName += "ns";
    return strName + ".htm";
}

bool BuildCompleteList(const CompleteListOptions& options, const std::string& strQ,
                       const std::string& strA, std::string& strParagraphs,
                       CompleteListCounts& counts, const CompleteListProgress& fnProgress) {
    const unsigned nMax = options.bJQK ? 13 : 10;
    CEngineSettingsScope scope(nMax, GetInterfaceCharset());
    strParagraphs.clear();
    counts = {};
    const unsigned nTotal = CountCompleteListQuestions(nMax);
    bool bStopped = false;
    std::vector<std::string> saSolutions;
    ForEachQuestion(nMax, [&](const std::vector<unsigned>& uaQ) {
        // The shared loop cannot be left early; once stopped, the rest only passes by.
        if (bStopped) return;
        ++counts.nQuestions;
        FindAllSolutions(uaQ, saSolutions, options.bStandard);
        if (!saSolutions.empty()) {
            ++counts.nHaveSolution;
            if (options.bHaveSolution) {
                const unsigned nNumber =
                    options.bNoSolution ? counts.nQuestions : counts.nHaveSolution;
                AppendHeading(strParagraphs, FormatHeading(strQ, nNumber, uaQ));
                for (std::size_t i = 0; i < saSolutions.size(); ++i)
                    AppendLine(strParagraphs, strA + std::to_string(i + 1) + ": " + saSolutions[i]);
                AppendLine(strParagraphs, " &nbsp; ");
            }
        } else {
            ++counts.nNoSolution;
            if (options.bNoSolution) {
                const unsigned nNumber =
                    options.bHaveSolution ? counts.nQuestions : counts.nNoSolution;
                AppendHeading(strParagraphs, FormatHeading(strQ, nNumber, uaQ));
                AppendLine(strParagraphs, " &nbsp; ");
            }
        }
        if (fnProgress && !fnProgress(counts.nQuestions, nTotal)) bStopped = true;
    });
    return !bStopped;
}

std::string FillCompleteListTemplate(std::string strTemplate, const CompleteListOptions& options,
                                     const CompleteListTexts& texts,
                                     const CompleteListCounts& counts,
                                     const std::string& strParagraphs) {
    const std::pair<const char*, std::string> aReplacements[] = {
        {"%RULENAME%", texts.strLevelName},
        {"%THE_STORY%", texts.strTheStory},
        {"%RULE_SA%", texts.strRule},
        {"%RULE_JQK%", texts.strJQK},
        {"%Q_COUNT%", std::to_string(counts.nQuestions)},
        {"%HS_LS%", options.bHaveSolution ? texts.strListed : texts.strNotListed},
        {"%HS_COUNT%", std::to_string(counts.nHaveSolution)},
        {"%NS_LS%", options.bNoSolution ? texts.strListed : texts.strNotListed},
        {"%NS_COUNT%", std::to_string(counts.nNoSolution)},
        {"%GRANDLIST%", strParagraphs},
    };
    for (const auto& [szPlaceholder, strText] : aReplacements)
        ReplaceAll(strTemplate, szPlaceholder, strText);
    return strTemplate;
}
