// tetralyx-cli: the puzzle engine for players and scripts.
#include "commands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct CliCommand {
    const char* szName;
    const char* szUsage;
    const char* szSummary;
    const char* szDetails;
    unsigned nOptions;
    int nMinArguments;
    int nMaxArguments; // -1: no limit
    int (*pRun)(const CliOptions&);
};

const CliCommand kCommands[] = {
    {"check", "check [--advanced] [--max 10|13] [--charset none|gb2312|big5] \"A B C D\" ANSWER...",
     "judge typed answers to a question",
     "Prints one line per ANSWER: correct or incorrect. Each ANSWER is read as a line typed\n"
     "into the answer box: spaces, x for times and, with --charset, the full-width characters\n"
     "of that input method are accepted. --advanced allows ^ (power) and ^^ (root); --max is\n"
     "the highest card value (default 13). Exits 2 when the question is not four values.\n",
     kOptAdvanced | kOptMax | kOptCharset, 1, -1, RunCheck},
    {"is24", "is24 [--advanced] EXPRESSION", "tell whether an expression makes 24",
     "Prints yes when EXPRESSION evaluates to 24 (within 0.0001) under the standard rule,\n"
     "or under the advanced rule with --advanced; no otherwise.\n",
     kOptAdvanced, 1, 1, RunIsTwentyFour},
    {"judge",
     "judge [--advanced] [--level 1..4] [--max 10|13] [--charset none|gb2312|big5] \"A B C D\"",
     "judge the answers on standard input as the answer box does",
     "Reads answer lines from standard input, prepared as the answer box prepares them (blank\n"
     "lines dropped, spaces, x and the full-width characters of --charset accepted), and prints\n"
     "one verdict per line: new, incorrect, same as N or similar to N (N counts the lines from\n"
     "1). A last line tells how many different answers the difficulty --level (1 Beginner to\n"
     "4 Ultimate, default 1) requires of how many solutions. Exits 2 when the question is not\n"
     "four values.\n",
     kOptAdvanced | kOptLevel | kOptMax | kOptCharset, 1, 1, RunJudge},
    {"list", "list [--advanced] [--max 10|13] [--json]",
     "list every question of a value range with its solutions",
     "Prints every question A <= B <= C <= D over 1..max (default 13), one per line: the\n"
     "question, a colon, a space and its solutions separated by spaces. --json prints one\n"
     "object {\"rule\":..., \"max\":..., \"questions\":[{\"q\":..., \"solutions\":[...]}, ...]}.\n",
     kOptAdvanced | kOptMax | kOptJson, 0, 0, RunList},
    {"normal", "normal [--advanced] ANSWER|-", "print the two keys of an answer",
     "Prints the strict normal answer of ANSWER, then its normal answer: answers with equal\n"
     "strict normal answers are the same, answers with equal normal answers similar. An\n"
     "answer that cannot be read prints two empty lines. With - the answers are read from\n"
     "standard input, one per line, and each prints its two lines.\n",
     kOptAdvanced, 1, 1, RunNormal},
    {"page", kPageUsage, "write the complete list of all solutions as an HTML page", kPageDetails,
     kOptAdvanced | kOptMax | kOptOnlySolved | kOptOnlyUnsolved | kOptLanguage, 1, 1, RunPage},
    {"solve", "solve [--advanced] [--max 10|13] A B C D", "list all solutions of a question",
     "Prints the solutions of the question, one per line, in the solver's order. When there is\n"
     "none it prints nothing and exits 1. --advanced allows ^ (power) and ^^ (root); --max is\n"
     "the highest card value (default 13). Exits 2 when the question is not four values.\n",
     kOptAdvanced | kOptMax, 1, 4, RunSolve},
    {"verdict",
     "verdict [--advanced] [--max 10|13] [--level 1..4] [--mode normal|training|game|worldcup]\n"
     "        [--no-solution] [--check-solution] [--charset none|gb2312|big5]\n"
     "        [--language en|zh-CN|zh-TW] \"A B C D\"",
     "print the main window's verdict on an answer box read from standard input",
     "Reads the answer box text from standard input, as typed, submits it as the main window\n"
     "does for the question \"A B C D\" (in a run: the run's current question, not yet\n"
     "answered) and prints the comment text the window then shows, its line ends as composed\n"
     "(CR LF), followed by one LF. Exits 0 on a win, 1 on a loss and 3 on abnormal input: an\n"
     "invalid question, too many answers, answers too short to submit, or more than 1 MiB of\n"
     "answer text before the 31st answer line (reading stops at that line).\n"
     "\n"
     "  --advanced         the advanced rule, with ^ and ^^:\n"
     "                     echo '2^3*3*1' | tetralyx-cli verdict --advanced \"1 2 3 3\"\n"
     "  --max 10|13        the highest card value (default 13, J Q K on):\n"
     "                     echo '(10+2)*(1+1)' | tetralyx-cli verdict --max 10 \"1 1 2 10\"\n"
     "  --level 1..4       Beginner, Intermediate, Advanced, Ultimate (default 1):\n"
     "                     printf '4*(1+2+3)\\n(3+2+1)*4\\n' | tetralyx-cli verdict --level 2 \"1 "
     "2 3 4\"\n"
     "  --mode M           normal (default), training, game (a training game) or worldcup:\n"
     "                     echo '1*2*3*4' | tetralyx-cli verdict --mode game --level 2 \"1 2 3 "
     "4\"\n"
     "  --no-solution      tick \"No solution!\" (standard input is not read):\n"
     "                     tetralyx-cli verdict --no-solution \"1 1 1 1\"\n"
     "  --check-solution   print what Check Solution shows instead (exits 1 when there is no\n"
     "                     solution; standard input is not read):\n"
     "                     tetralyx-cli verdict --check-solution \"3 3 8 8\"\n"
     "  --charset C        the full-width characters accepted, whatever the language:\n"
     "                     echo '４×（１＋２＋３）' | tetralyx-cli verdict --charset gb2312 \"1 2 "
     "3 4\"\n"
     "  --language L       the language of the text (en default; zh-CN and zh-TW also accept\n"
     "                     the full-width characters of their input methods):\n"
     "                     echo '4*(1+2+3)' | tetralyx-cli verdict --language zh-CN \"1 2 3 4\"\n",
     kOptAdvanced | kOptMax | kOptLevel | kOptMode | kOptNoSolution | kOptCheckSolution |
         kOptCharset | kOptLanguage,
     1, 1, RunVerdict},
};

void PrintUsage(FILE* pOut) {
    std::fputs("usage: tetralyx-cli COMMAND [OPTIONS] ARGUMENTS\n\ncommands:\n", pOut);
    for (const CliCommand& command : kCommands)
        std::fprintf(pOut, "  %-8s %s\n", command.szName, command.szSummary);
    std::fputs("\n'tetralyx-cli COMMAND --help' describes one command.\n", pOut);
}

void PrintCommandHelp(const CliCommand& command) {
    std::printf("usage: tetralyx-cli %s\n\n%s", command.szUsage, command.szDetails);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        PrintUsage(stdout);
        return kExitOk;
    }
    for (const CliCommand& command : kCommands) {
        if (std::strcmp(argv[1], command.szName) != 0) continue;
        CliOptions options;
        std::string strError;
        if (!ParseCliOptions(argc, argv, 2, command.nOptions, options, strError)) {
            std::fprintf(stderr, "tetralyx-cli %s: %s\nusage: tetralyx-cli %s\n", command.szName,
                         strError.c_str(), command.szUsage);
            return kExitUsage;
        }
        if (options.bHelp) {
            PrintCommandHelp(command);
            return kExitOk;
        }
        const int nCount = static_cast<int>(options.saArguments.size());
        if (nCount < command.nMinArguments ||
            (command.nMaxArguments >= 0 && nCount > command.nMaxArguments)) {
            std::fprintf(stderr, "usage: tetralyx-cli %s\n", command.szUsage);
            return kExitUsage;
        }
        return command.pRun(options);
    }
    std::fprintf(stderr, "tetralyx-cli: unknown command '%s'\n", argv[1]);
    PrintUsage(stderr);
    return kExitUsage;
}
