// Builds the main window's logic as the window would hold it for one question.
#pragma once

#include "play/mainlogic.h"

#include <cstdint>
#include <sstream>
#include <string>

constexpr std::uint32_t kEn = 1033;
constexpr std::uint32_t kZhCN = 2052;
constexpr std::uint32_t kZhTW = 1028;

struct LogicSetup {
    PlayMode mode = PlayMode::Normal;
    int nDifficulty = 1;
    const char* szQuestion = "1 2 3 4"; // the four boxes, blank-separated
    const char* szAnswer = "";
    bool bNoSolution = false;
    std::uint32_t nLanguage = kEn;
    bool bStandard = true;
};

// In a run the question is the run's only one, current and not yet answered.
inline CMainLogic MakeLogic(const LogicSetup& setup) {
    CMainLogic logic;
    logic.SetLanguage(setup.nLanguage);
    logic.Rule().m_bStandard = setup.bStandard;
    logic.Rule().SetDifficulty(setup.nDifficulty);
    logic.SetMode(setup.mode);
    MainInput input;
    std::istringstream values(setup.szQuestion);
    for (std::string& strValue : input.saValues)
        values >> strValue;
    input.strAnswer = setup.szAnswer;
    input.bNoSolution = setup.bNoSolution;
    logic.SetInput(input);
    if (IsRunMode(setup.mode)) {
        logic.Run().Start({setup.szQuestion}, -1, {});
        logic.Run().SetCurrent(0);
    }
    return logic;
}

// nCount times strLine, each ended by a line feed.
inline std::string Lines(int nCount, const std::string& strLine) {
    std::string strText;
    for (int i = 0; i < nCount; ++i)
        strText += strLine + "\n";
    return strText;
}
