// What the player typed into the main window's input controls, and the checks on it that
// decide whether a question can be solved or answers submitted.
#pragma once

#include "engine/enginestate.h"

#include <array>
#include <string>
#include <vector>

struct MainInput {
    std::array<std::string, 4> saValues; // the four value boxes, as typed
    std::string strAnswer;               // "My Solution(s)", lines ended by LF or CR LF
    bool bNoSolution = false;            // "No solution!" ticked
};

class CQuestionInput {
public:
    // CheckValidInput: every box holds a value 1..nMaxValue written exactly in decimal
    // (full-width digits of a Chinese interface and surrounding blanks allowed). On success
    // uaQ holds the values in ascending order; otherwise it is left alone.
    static bool CheckValidInput(const std::array<std::string, 4>& saValues, unsigned nMaxValue,
                                InterfaceCharset charset, std::vector<unsigned>& uaQ);

    // CanCheckResult: a valid question and either "No solution!" or more than 6 characters
    // of answer text.
    static bool CanCheckResult(const MainInput& input, unsigned nMaxValue,
                               InterfaceCharset charset);

    // The value boxes after J/Q/K changed the maximum to nMaxValue: a box that holds no
    // plain non-negative number is emptied, a number above the maximum becomes the maximum,
    // any other text stays as typed. Four empty boxes stay empty.
    static std::array<std::string, 4> CleanValueTexts(const std::array<std::string, 4>& saValues,
                                                      unsigned nMaxValue, InterfaceCharset charset);

    // Beyond this the answer text is long enough to submit.
    static constexpr size_t kMinAnswerCharacters = 6;
};
