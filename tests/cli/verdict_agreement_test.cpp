// The main window's logic, set up as the window holds it for one question, and tetralyx-cli
// verdict, given the same question, rule, level, mode, language and answer box, must show the
// same text and agree on win, loss or abnormal input.
#include "play/mainlogic.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

struct Box {
    const char* szQuestion;
    const char* szAnswer;
    bool bNoSolution;
    bool bAdvanced;
};

// Every verdict branch turns up in one mode and level or another.
constexpr Box kBoxes[] = {
    {"1 2 3 4", "", true, false},
    {"1 1 1 1", "", true, false},
    {"1 1 1 1", "1+1+1+1*1", false, false},
    {"1 2 3 4", "4*(1+2+3)", false, false},
    {"1 2 3 4", "1+2+3+4*1", false, false},
    {"4 3 2 1", "2*3*4/1\n1*2*3*4\n1+2+3+4", false, false},
    {"1 2 3 4", "2*3*4/1\r\n\r\n4*(1+2+3)\r\n(1+3)*(2+4)\r\n1+2+3+4\r\n", false, false},
    {"1 2 3 4", "\xef\xbc\x94\xc3\x97\xef\xbc\x88\xef\xbc\x91+2+3)\n2*3*4/1", false, false},
    {"2 3 3 1", "2^3*3*1\n3^(3-1)+8", false, true},
    {"1 2 5 8", "8+(1-5)^2\n8+(5-1)^2\n(8-5)*(1+2)*1", false, true},
    {"1 2 3 14", "4*(1+2+3)", false, false},
    {"1 2 3 4", "1*2*3", false, false},
};

struct Language {
    std::uint32_t nId;
    const char* szName;
};

constexpr Language kLanguages[] = {{1033, "en"}, {2052, "zh-CN"}, {1028, "zh-TW"}};

struct Mode {
    PlayMode mode;
    const char* szName;
};

constexpr Mode kModes[] = {{PlayMode::Normal, "normal"},
                           {PlayMode::Training, "training"},
                           {PlayMode::TrainingGame, "game"},
                           {PlayMode::WorldCup, "worldcup"}};

// The logic as the window holds it: in a run, this question is the run's current one.
CMainLogic MakeWindowLogic(const Box& box, const Mode& mode, int nLevel, const Language& language) {
    CMainLogic logic;
    logic.SetLanguage(language.nId);
    logic.Rule().m_bStandard = !box.bAdvanced;
    logic.Rule().SetDifficulty(nLevel);
    logic.SetMode(mode.mode);
    MainInput input;
    std::istringstream values(box.szQuestion);
    for (std::string& strValue : input.saValues)
        values >> strValue;
    input.strAnswer = box.szAnswer;
    input.bNoSolution = box.bNoSolution;
    logic.SetInput(input);
    if (IsRunMode(mode.mode) && !logic.GetQuestionKey().empty()) {
        logic.Run().Start({logic.GetQuestionKey()}, -1, {});
        logic.Run().SetCurrent(0);
    }
    return logic;
}

struct CliResult {
    std::string strOut;
    int nExit = -1;
};

CliResult RunCli(const std::string& strArguments, const std::string& strInput) {
    char szPath[] = "/tmp/tetralyx-verdict-XXXXXX";
    const int fd = mkstemp(szPath);
    CliResult result;
    if (fd < 0) return result;
    const bool bWritten =
        write(fd, strInput.data(), strInput.size()) == static_cast<ssize_t>(strInput.size());
    close(fd);
    if (bWritten) {
        const std::string strCommand = std::string("'") + TETRALYX_CLI + "' verdict " +
                                       strArguments + " <" + szPath + " 2>/dev/null";
        if (FILE* pPipe = popen(strCommand.c_str(), "r")) {
            std::array<char, 4096> buffer;
            size_t nRead;
            while ((nRead = std::fread(buffer.data(), 1, buffer.size(), pPipe)) > 0)
                result.strOut.append(buffer.data(), nRead);
            const int nStatus = pclose(pPipe);
            result.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
        }
    }
    unlink(szPath);
    return result;
}

std::string Arguments(const Box& box, const Mode& mode, int nLevel, const Language& language,
                      bool bCheckSolution) {
    std::string strArguments = std::string("--mode ") + mode.szName + " --level " +
                               std::to_string(nLevel) + " --language " + language.szName;
    if (box.bAdvanced) strArguments += " --advanced";
    if (box.bNoSolution) strArguments += " --no-solution";
    if (bCheckSolution) strArguments += " --check-solution";
    return strArguments + " '" + box.szQuestion + "'";
}

int ExitOfClass(int nClass) {
    return nClass == kVerdictCorrect ? 0 : nClass == kVerdictWrong ? 1 : 3;
}

} // namespace

TEST(VerdictAgreement, CommandShowsWhatTheWindowShowsAfterSubmit) {
    int nCase = 0;
    for (const Box& box : kBoxes) {
        for (const Mode& mode : kModes) {
            for (int nLevel = 1; nLevel <= 4; ++nLevel) {
                const Language& language = kLanguages[nCase++ % std::size(kLanguages)];
                const std::string strArguments = Arguments(box, mode, nLevel, language, false);
                SCOPED_TRACE(strArguments + " <<< " + box.szAnswer);
                CMainLogic logic = MakeWindowLogic(box, mode, nLevel, language);
                const SubmitOutcome outcome = logic.OnMainSubmit();
                const CliResult cli = RunCli(strArguments, box.szAnswer);
                if (outcome.bSubmitted) {
                    EXPECT_EQ(cli.strOut, outcome.strComments + "\n");
                    EXPECT_EQ(cli.nExit, ExitOfClass(logic.GetLastVerdictClass()));
                } else if (logic.GetQuestionKey().empty()) {
                    // Submit is off; the command says why in the window's words.
                    EXPECT_EQ(cli.strOut, logic.GetSolutionListText() + "\n");
                    EXPECT_EQ(cli.nExit, 3);
                } else {
                    EXPECT_EQ(cli.strOut, "");
                    EXPECT_EQ(cli.nExit, 3);
                }
            }
        }
    }
}

TEST(VerdictAgreement, CheckSolutionShowsWhatTheWindowShows) {
    int nCase = 0;
    for (const Box& box : kBoxes) {
        const Language& language = kLanguages[nCase++ % std::size(kLanguages)];
        const Mode& mode = kModes[0];
        SCOPED_TRACE(box.szQuestion);
        const CMainLogic logic = MakeWindowLogic(box, mode, 1, language);
        const CliResult cli = RunCli(Arguments(box, mode, 1, language, true), "");
        EXPECT_EQ(cli.strOut, logic.GetSolutionListText() + "\n");
        // Which of 0 and 1 is for the shell tests with their whole texts.
        EXPECT_EQ(cli.nExit == 3, logic.GetQuestionKey().empty());
    }
}
