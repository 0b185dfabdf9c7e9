#include "core/completelisttexts.h"

#include "core/stringids.h"
#include "core/stringtable.h"

std::string GetCompleteListLevelName(const CompleteListOptions& options, int nColumn) {
    std::uint32_t nId = 0;
    if (options.bStandard)
        nId = options.bJQK ? IDS_KVT_HERO : IDS_KVT_STANDARD;
    else
        nId = options.bJQK ? IDS_KVT_HOLY_WAR : IDS_KVT_WIZARD;
    return GetTextInColumn(nId, nColumn);
}

CompleteListTexts GetCompleteListTexts(const CompleteListOptions& options, int nColumn) {
    CompleteListTexts texts;
    texts.strQ = GetTextInColumn(IDS_KVT_Q, nColumn);
    texts.strA = GetTextInColumn(IDS_KVT_A, nColumn);
    texts.strLevelName = GetCompleteListLevelName(options, nColumn);
    texts.strTheStory = GetTextInColumn(IDS_KVT_THE_X_STORY, nColumn, texts.strLevelName);
    texts.strRule =
        GetTextInColumn(options.bStandard ? IDS_TIP_STANDARD : IDS_TIP_ADVANCED, nColumn);
    texts.strJQK = GetTextInColumn(IDS_TIP_ENABLE_JQK, nColumn) + " - " +
                   GetTextInColumn(options.bJQK ? IDS_KVT_YES : IDS_KVT_NO, nColumn);
    texts.strListed = GetTextInColumn(IDS_DIALOG_CL_LISTED, nColumn);
    texts.strNotListed = GetTextInColumn(IDS_DIALOG_CL_NOT_LISTED, nColumn);
    return texts;
}

char GetCompleteListLanguageLetter(int nColumn) {
    switch (nColumn) {
    case kColumnEnglish:
        return 'e';
    case kColumnSimplifiedChinese:
        return 's';
    default:
        return 't';
    }
}

const char* GetCompleteListLanguageFolder(int nColumn) {
    switch (nColumn) {
    case kColumnEnglish:
        return "english";
    case kColumnSimplifiedChinese:
        return "gb2312";
    default:
        return "big5";
    }
}
