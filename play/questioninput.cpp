#include "play/questioninput.h"

#include "engine/enginestate.h"

#include "engine/textlines.h"
#include "engine/userinput.h"

#include <algorithm>

namespace {

// The box text as the checks read it: blanks removed, full-width digits made plain.
std::string NormalizeValueText(const std::string& strText) {
    std::string strValue = GetNormalizedUserInput(strText, kNormalizeRemoveSpaces);
    TrimText(strValue);
    return strValue;
}

bool IsDigits(const std::string& strText) {
    return !strText.empty() &&
           std::all_of(strText.begin(), strText.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a digit string, saturated well above any card so long strings cannot wrap.
unsigned ReadDigits(const std::string& strDigits) {
    unsigned nValue = 0;
    for (const char c : strDigits) {
        nValue = nValue * 10 + static_cast<unsigned>(c - '0');
        if (nValue > 1000) return 1000;
    }
    return nValue;
}

size_t CountCharacters(const std::string& strText) {
    // UTF-8 continuation bytes do not start a character.
    return static_cast<size_t>(std::count_if(strText.begin(), strText.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

bool CQuestionInput::CheckValidInput(const std::array<std::string, 4>& saValues, unsigned nMaxValue,
                                     InterfaceCharset charset, std::vector<unsigned>& uaQ) {
    CEngineSettingsScope scope(nMaxValue, charset);
    std::vector<unsigned> uaValues;
    for (const std::string& strText : saValues) {
        const std::string strValue = NormalizeValueText(strText);
        if (!IsDigits(strValue) || strValue[0] == '0') return false;
        const unsigned nValue = ReadDigits(strValue);
        if (nValue < 1 || nValue > nMaxValue) return false;
        uaValues.push_back(nValue);
    }
    std::sort(uaValues.begin(), uaValues.end());
    uaQ = uaValues;
    return true;
}

bool CQuestionInput::CanCheckResult(const MainInput& input, unsigned nMaxValue,
                                    InterfaceCharset charset) {
    std::vector<unsigned> uaQ;
    if (!CheckValidInput(input.saValues, nMaxValue, charset, uaQ)) return false;
    if (input.bNoSolution) return true;
    std::string strAnswer = input.strAnswer;
    TrimText(strAnswer);
    return CountCharacters(strAnswer) > kMinAnswerCharacters;
}

std::array<std::string, 4>
CQuestionInput::CleanValueTexts(const std::array<std::string, 4>& saValues, unsigned nMaxValue,
                                InterfaceCharset charset) {
    if (std::all_of(saValues.begin(), saValues.end(),
                    [](const std::string& strText) { return strText.empty(); }))
        return saValues;
    CEngineSettingsScope scope(nMaxValue, charset);
    std::array<std::string, 4> saClean;
    for (size_t i = 0; i < saValues.size(); ++i) {
        const std::string strValue = NormalizeValueText(saValues[i]);
        if (!IsDigits(strValue))
            saClean[i].clear();
        else if (ReadDigits(strValue) > nMaxValue)
            saClean[i] = std::to_string(nMaxValue);
        else
            saClean[i] = saValues[i];
    }
    return saClean;
}
