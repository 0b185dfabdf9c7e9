#include "commands.h"

#include "core/completelisttexts.h"
#include "core/stringtable.h"
#include "engine/completelist.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

const char kPageUsage[] = "page [--advanced] [--max 10|13] [--only-solved | --only-unsolved] "
                          "[--language en|zh-CN|zh-TW] OUT.htm";
const char kPageDetails[] =
    "Writes the complete list of all solutions, the page the desktop program's Complete List\n"
    "writes for the same options: every question over 1..max (default 13) with all its\n"
    "solutions under the standard rule, or the advanced rule with --advanced. --only-solved\n"
    "lists only the questions with solutions, --only-unsolved only those without. The page\n"
    "is in English, Simplified (zh-CN) or Traditional Chinese (zh-TW), from the shipped\n"
    "template doc/<english|gb2312|big5>/grandlist.htm beside the desktop program. An existing\n"
    "OUT.htm is replaced only by a complete page. Exits 1 when the template is missing or\n"
    "OUT.htm cannot be written.\n";

namespace {

namespace fs = std::filesystem;

// Beside this program, beside the desktop program in the build tree, or in the installed
// data folder.
fs::path FindTemplate(const char* szLanguageFolder) {
    std::error_code error;
    const fs::path exeFolder = fs::read_symlink("/proc/self/exe", error).parent_path();
    if (error) return {};
    const fs::path relative = fs::path("doc") / szLanguageFolder / "grandlist.htm";
    for (const fs::path& folder :
         {exeFolder, exeFolder / ".." / "app", exeFolder / ".." / "lib" / "tetralyx"}) {
        if (fs::is_regular_file(folder / relative, error)) return folder / relative;
    }
    return {};
}

bool ReadWholeFile(const fs::path& path, std::string& strText) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    strText.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

// Through a temporary file beside the target, so a failed write leaves an old page whole.
bool WriteWholeFile(const fs::path& path, const std::string& strText) {
    const fs::path temporary = fs::path(path.string() + ".part");
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file || !file.write(strText.data(), static_cast<std::streamsize>(strText.size())) ||
            !file.flush()) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) fs::remove(temporary, error);
    return !error;
}

} // namespace

int RunPage(const CliOptions& options) {
    if (options.bOnlySolved && options.bOnlyUnsolved) {
        std::fprintf(stderr,
                     "tetralyx-cli page: --only-solved and --only-unsolved exclude each other\n"
                     "usage: tetralyx-cli %s\n",
                     kPageUsage);
        return kExitUsage;
    }
    CompleteListOptions listOptions;
    listOptions.bStandard = !options.bAdvanced;
    listOptions.bJQK = options.nMax == 13;
    listOptions.bHaveSolution = !options.bOnlyUnsolved;
    listOptions.bNoSolution = !options.bOnlySolved;
    const int nColumn = GetColumnForLanguage(options.nLanguageId);

    const char* szFolder = GetCompleteListLanguageFolder(nColumn);
    const fs::path templatePath = FindTemplate(szFolder);
    std::string strTemplate;
    if (templatePath.empty() || !ReadWholeFile(templatePath, strTemplate)) {
        std::fprintf(stderr,
                     "tetralyx-cli page: the template doc/%s/grandlist.htm was not found "
                     "beside the program or in its installed data folder\n",
                     szFolder);
        return kExitNotFound;
    }

    const CompleteListTexts texts = GetCompleteListTexts(listOptions, nColumn);
    std::string strParagraphs;
    CompleteListCounts counts;
    BuildCompleteList(listOptions, texts.strQ, texts.strA, strParagraphs, counts);
    const std::string strPage =
        FillCompleteListTemplate(strTemplate, listOptions, texts, counts, strParagraphs);

    const std::string& strOut = options.saArguments[0];
    if (!WriteWholeFile(strOut, strPage)) {
        std::fprintf(stderr, "tetralyx-cli page: cannot write %s\n", strOut.c_str());
        return kExitNotFound;
    }
    return kExitOk;
}
