#!/usr/bin/env python3
"""The quote check catches what it is for: each page snippet below is checked against a small
table, and must give exactly the problems listed (none for a sound snippet)."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_quotes  # noqa: E402

DUMP = """\
140002  IDS_KVT_COMPANY  (KVT)
  en     Korvane Studio
  zh-CN  Korvane 工作室
  zh-TW  Korvane 工作室

30014  IDS_MENU_TOOLS_COMPLETE_LIST_C  (Menu)
  en     &Complete List of All Solutions...
  zh-CN  全部解法总表(&C)...
  zh-TW  全部解法總表(&C)...

30003  IDS_MENU_GAME_CHECK_SOLUTION_C  (Menu)
  en     &Check Solution\\tCtrl+S
  zh-CN  查看解法(&C)\\tCtrl+S
  zh-TW  查看解法(&C)\\tCtrl+S

40095  IDS_DIALOG_MAIN_ALREADY_EXIST_IN_SET  (Dialog)
  en     The question already exists in "%1".
  zh-CN  这道题目已在“%1”中。
  zh-TW  這道題目已在「%1」中。

40106  IDS_DIALOG_RANK_PROMPT_ENTER_NAME  (Dialog)
  en     You have entered %1!\\r\\n\\r\\nPlease enter your name:
  zh-CN  您已进入“%1”！\\r\\n\\r\\n请输入您的名字：
  zh-TW  您已進入「%1」！\\r\\n\\r\\n請輸入您的名字：

151600  IDS_KVT_FORMAT_PARENTHESES  (KVT)
  en     (%1)
  zh-CN  （%1）
  zh-TW  （%1）

151601  IDS_KVT_FORMAT_LABEL  (KVT)
  en     %1: 
  zh-CN  %1：
  zh-TW  %1：

140007  IDS_KVT_Q  (KVT)
  en     Q
  zh-CN  题
  zh-TW  題

140004  IDS_KVT_NONE  (KVT)
  en     None
  zh-CN  无
  zh-TW  無

40011  IDS_DIALOG_MAIN_PROMPT_Q_WAS_REORDERED  (Dialog)
  en     Your question is reordered and saved as:\\r\\n\\r\\n\\t%1
  zh-CN  您的题目已重新排序，保存为：\\r\\n\\r\\n\\t%1
  zh-TW  您的題目已重新排序，儲存為：\\r\\n\\r\\n\\t%1

40058  IDS_DIALOG_MAIN_NO_SOLUTION_N  (Dialog)
  en     &No solution!
  zh-CN  无解！(&N)
  zh-TW  無解！(&N)
"""

UI = '<span class="ui">%s</span>'
CASES = [
    # (what, folder, page body, expected problems as (kind) words)
    ("menu item without accelerator and shortcut", "english",
     UI % "Complete List of All Solutions..." + " and " + UI % "Check Solution" + " <kbd>Ctrl+S</kbd>", []),
    ("Chinese accelerator dropped", "gb2312", UI % "无解！" + "和" + UI % "查看解法", []),
    ("placeholder filled", "english", UI % 'The question already exists in "My Favorite".', []),
    ("one line of a longer text", "big5", UI % "請輸入您的名字：", []),
    ("message with its value", "gb2312", UI % "您的题目已重新排序，保存为：1 2 3 4", []),
    ("code-built label and brackets", "big5", UI % "題2：" + UI % "（無）", []),
    ("changed wording", "english", UI % "Check Solutions", ["does not show"]),
    ("a line that is only a placeholder fits nothing", "english", UI % "Anything at all", ["does not show"]),
    ("brackets around no program text", "gb2312", UI % "（有）", ["does not show"]),
    ("half-width colon of a Chinese label", "gb2312", UI % "题1:", ["does not show"]),
    ("accelerator left in", "english", UI % "&Check Solution", ["does not show"]),
    ("half-width punctuation in Chinese", "gb2312", UI % "无解!", ["does not show"]),
    ("shortcut kept inside the quote", "english", UI % "Check Solution\tCtrl+S", ["does not show"]),
    ("text of another language", "big5", UI % "全部解法总表...", ["does not show"]),
    ("not a key", "english", "<kbd>Control-S</kbd>", ["not a key"]),
    ("program text left in bold", "english", "<b>Check Solution</b>", ["not marked"]),
    ("program text left in quotation marks", "gb2312", "按“查看解法”", ["not marked"]),
    ("emphasis that is no program text", "english", "<b>off</b>", []),
    ("a stray end tag keeps the marks open", "english",
     "<b>" + UI % "Check Solution</td><br/>s", ["does not show"]),
    ("company as the table names it", "gb2312", "Korvane 工作室出品", []),
    ("company in another form", "gb2312", "Korvane Studio 出品", ["company"]),
    ("registry key is no company name", "english", r"software\Korvane\Tetralyx", []),
    ("mainland World Cup in Traditional", "big5", "世界杯比賽", ["not of this language"]),
    ("Taiwan World Cup in Simplified", "gb2312", "世界盃比赛", ["not of this language"]),
    ("solutions are no algorithms", "gb2312", "每一种算法", ["not of this language"]),
    ("the Wizard level is 魔法師級", "big5", "巫師級", ["not of this language"]),
]


def main():
    table = check_quotes.read_table(DUMP)
    failures = 0
    for what, folder, body, expected in CASES:
        column = table[check_quotes.COLUMN_OF_FOLDER[folder]]
        index = check_quotes.QuoteIndex(column.values())
        page = f"<html><body><p>{body}</p></body></html>"
        problems = check_quotes.check_page("page", page, folder, index,
                                           column[check_quotes.COMPANY_ID])
        matched = len(problems) == len(expected) and all(
            word in problem for word, problem in zip(expected, problems))
        if not matched:
            failures += 1
            print(f"FAIL: {what}: expected {expected}, got {problems}")
    print(f"{len(CASES) - failures} of {len(CASES)} cases hold")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
