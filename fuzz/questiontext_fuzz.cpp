// Question texts as the player types them: four values or a refusal that changes nothing,
// and a question read once reads the same from its own text.
#include "fuzzcheck.h"
#include "fuzzsettings.h"

#include "engine/question.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const FuzzInput input = SplitFuzzInput(pData, nSize);
    const CFuzzEngineSettings settings(input.nSettings);
    const std::vector<unsigned> uaUntouched = {99, 98};
    std::vector<unsigned> uaValues = uaUntouched;
    if (!ParseQuestionText(input.strText, uaValues)) {
        FUZZ_CHECK(uaValues == uaUntouched);
        return 0;
    }
    FUZZ_CHECK(IsValidQuestion(uaValues));
    std::vector<unsigned> uaAgain;
    FUZZ_CHECK(ParseQuestionText(FormatQuestionText(uaValues), uaAgain));
    FUZZ_CHECK(uaAgain == uaValues);
    return 0;
}
