// The two keys of an accepted answer: both are answers to the same question, and reducing
// the strict key again gives the same keys, so equal answers always compare equal.
#include "fuzzcheck.h"
#include "fuzzsettings.h"

#include "engine/kvutilities.h"
#include "engine/question.h"
#include "engine/userinput.h"

#include <algorithm>

namespace {

std::string WithoutBlanks(const std::string& strText) {
    std::string strBare;
    for (char c : strText)
        if (c != ' ' && c != '\t') strBare += c;
    return strBare;
}

struct Keys {
    std::string strNormal;
    std::string strStrict;
};

Keys KeysOf(const std::string& strAnswer) {
    std::vector<unsigned> uaSlots;
    Keys keys;
    keys.strNormal = CKVUtilities::GetNormalAnswer(uaSlots, keys.strStrict, strAnswer);
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const FuzzInput input = SplitFuzzInput(pData, nSize);
    const CFuzzEngineSettings settings(input.nSettings);
    // Any text at all must come back, read or not.
    KeysOf(input.strText);

    const std::string strLine = GetNormalizedUserInput(input.strText, kNormalizeAnswer);
    std::vector<unsigned> uaQ;
    if (!ParseQuestionText(OperatorsToSpaces(WithoutBlanks(strLine)), uaQ)) return 0;
    if (!CKVUtilities::CheckValidSolution(uaQ, strLine)) return 0;

    std::vector<unsigned> uaSlots;
    Keys keys;
    keys.strNormal = CKVUtilities::GetNormalAnswer(uaSlots, keys.strStrict, WithoutBlanks(strLine));
    FUZZ_CHECK(!keys.strNormal.empty() && !keys.strStrict.empty());
    std::sort(uaSlots.begin(), uaSlots.end());
    std::sort(uaQ.begin(), uaQ.end());
    FUZZ_CHECK(uaSlots == uaQ);
    FUZZ_CHECK(CKVUtilities::CheckValidSolution(uaQ, keys.strStrict));
    FUZZ_CHECK(CKVUtilities::CheckValidSolution(uaQ, keys.strNormal));

    const Keys again = KeysOf(keys.strStrict);
    FUZZ_CHECK(again.strStrict == keys.strStrict);
    FUZZ_CHECK(again.strNormal == keys.strNormal);
    FUZZ_CHECK(KeysOf(keys.strNormal).strNormal == keys.strNormal);
    return 0;
}
