#!/usr/bin/env python3
"""The help pages quote the program as it speaks.

Every <span class="ui"> of a page is a text the program shows in that page's language: a row
of the string table, character for character, with only the accelerator marker dropped ("&",
or a Chinese "(&X)"), a menu item's shortcut dropped (everything from the tab on) and the
placeholders filled. A row may be quoted whole or one of its lines. <kbd> holds one key or
key combination. A program text left in <b> or in quotation marks is reported unmarked, the
company is named as the table names it, and each Chinese page writes the terms of its script.

    check_quotes.py HELP_DIR --stringtable-print PATH_OF_stringtable-print
"""
import argparse
import html.parser
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_help import LANGUAGES, TOPIC_PAGES  # noqa: E402

COLUMN_OF_FOLDER = {"english": "en", "gb2312": "zh-CN", "big5": "zh-TW"}
COMPANY_ID = 140002
# The language commands are labelled in code, each in its own script, the same in every language.
FIXED_LABELS = ("English", "Simplified Chinese (简体中文)", "Traditional Chinese (繁體中文)")
# Terms that give a page away as written in, or converted from, the other script; and terms the
# table settled against.
WRONG_TERMS = {
    "gb2312": ("世界盃", "算法", "巫师", "图像", "一般背景音乐"),
    "big5": ("世界杯", "算法", "巫師", "高級規則", "一般背景音樂"),
    "english": ("Windows Explorer",),
}
KEY_NAMES = {"Enter", "Esc", "Tab", "Backspace", "Delete", "Del", "Space", "Home", "End",
             "PgUp", "PgDn", "Up", "Down", "Left", "Right", "Insert", "->", "<-"}
MODIFIERS = ("Ctrl", "Shift", "Alt")
QUOTES = {"“": "”", "「": "」", "『": "』", '"': '"'}
PLACEHOLDER = re.compile(r"%[1-3sd]|#[1-6]")


def read_table(dump):
    """{column: {id: text}} from what `stringtable-print --all` prints."""
    table = {column: {} for column in COLUMN_OF_FOLDER.values()}
    row_id = None
    for line in dump.splitlines():
        header = re.match(r"^(\d+)  \S+  \(\w+\)$", line)
        if header:
            row_id = int(header.group(1))
            continue
        field = re.match(r"^  (en|zh-CN|zh-TW) +(.*)$", line)
        if field and row_id is not None:
            text = field.group(2).replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t")
            table[field.group(1)][row_id] = text
    return table


def squeeze(text):
    """Runs of white space made one blank; none beside Chinese, where a line break of the
    program's text leaves no trace in a page."""
    return re.sub(r" ?([^\x00-\x7f]) ?", r"\1", " ".join(text.split()))


def shown_forms(text):
    """The texts a row puts on screen: whole, line by line, filter part by filter part."""
    if "\t" in text and "\r\n" not in text:
        text = text.split("\t")[0]                      # a menu item's shortcut
    text = re.sub(r"\(&[A-Za-z0-9]\)", "", text)       # a Chinese accelerator
    text = re.sub(r"&(.)", r"\1", text)                # "&&" is a literal ampersand
    forms = {text}
    forms.update(text.split("\r\n"))
    if "|" in text:
        forms.update(text.split("|"))
    return {squeeze(form) for form in forms if form.strip()}


def form_pattern(form):
    """A blank beside a placeholder may vanish once a Chinese value fills it."""
    def part_pattern(part):
        core = re.escape(part.strip(" "))
        return (" ?" if part.startswith(" ") else "") + core + (" ?" if part.endswith(" ") and part.strip(" ") else "")
    parts = PLACEHOLDER.split(form)
    return re.compile("(.+?)".join(part_pattern(part) for part in parts) + r"\Z", re.S)


class QuoteIndex:
    def __init__(self, texts):
        self.exact = set(FIXED_LABELS)
        self.patterns = []   # texts with placeholders: any value fills them
        self.formats = []    # punctuation around placeholders: table texts fill them
        for text in texts:
            for form in shown_forms(text):
                literal = PLACEHOLDER.sub("", form)
                if not PLACEHOLDER.search(form):
                    self.exact.add(form)
                elif re.search(r"\w", literal):
                    self.patterns.append(form_pattern(form))
                elif literal.strip():
                    self.formats.append(form_pattern(form))

    def _is_filling(self, value):
        """A value code puts into a format: a table text, maybe numbered ("Q1", "解2")."""
        numbered = re.fullmatch(r"(.+?)\d+", value)
        return value in self.exact or bool(numbered and numbered.group(1) in self.exact)

    def __contains__(self, quote):
        quote = squeeze(quote)
        if quote in self.exact or any(p.match(quote) for p in self.patterns):
            return True
        for pattern in self.formats:
            found = pattern.match(quote)
            if found and all(self._is_filling(value.strip()) for value in found.groups()):
                return True
        return False

    def is_plain_text(self, quote):
        """True when the quote is a table text with no placeholder: a sure program text."""
        return squeeze(quote) in self.exact


def is_key(text):
    *modifiers, key = text.split("+") if not text.endswith("+") else (text[:-1].split("+") + ["+"])
    if any(modifier not in MODIFIERS for modifier in modifiers):
        return False
    return key in KEY_NAMES or re.fullmatch(r"F([1-9]|1[0-2])|[A-Z0-9]", key) is not None


class QuoteParser(html.parser.HTMLParser):
    """Collects marked quotes, <kbd> keys, <b> texts and the prose outside the marked quotes."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.marked, self.keys, self.bold = [], [], []
        self.prose = ""
        self._open = []       # (tag, is_ui)
        self._texts = []      # text buffers of open ui / kbd / b elements

    def _inside(self, what):
        return any(tag == what or (what == "ui" and ui) for tag, ui in self._open)

    def handle_starttag(self, tag, attrs):
        if tag in ("br", "img", "hr", "meta", "input"):
            return
        is_ui = tag == "span" and "ui" in (dict(attrs).get("class") or "").split()
        if is_ui and not self._inside("ui"):
            self.prose += "\x00"   # stands for the marked quote inside prose
        self._open.append((tag, is_ui))
        self._texts.append("")

    def handle_endtag(self, tag):
        if all(open_tag != tag for open_tag, _ in self._open):
            return   # a void element (<br/>) or a stray end tag
        while self._open:
            open_tag, is_ui = self._open.pop()
            text = self._texts.pop()
            if self._texts:
                self._texts[-1] += text
            if is_ui:
                self.marked.append(text)
            elif open_tag == "kbd":
                self.keys.append(text)
            elif open_tag == "b" and not self._inside("ui"):
                self.bold.append(text)
            if open_tag == tag:
                break
            # a tag closed implicitly: keep unwinding

    def handle_data(self, data):
        if self._texts:
            self._texts[-1] += data
        if not any(tag in ("code", "pre", "style", "title", "kbd") or ui
                   for tag, ui in self._open):
            self.prose += data


def quoted_in_prose(prose):
    """Texts inside quotation marks of the prose; a marked quote counts as no text."""
    for opening, closing in QUOTES.items():
        pattern = re.escape(opening) + r"([^" + re.escape(opening + closing) + r"\x00]{1,200})" + \
            re.escape(closing)
        for found in re.finditer(pattern, prose):
            yield found.group(1)


def check_page(where, text, folder, index, company):
    problems = []
    parser = QuoteParser()
    parser.feed(text)
    parser.close()
    for quote in parser.marked:
        if quote not in index:
            problems.append(f"{where}: quotes {squeeze(quote)!r}, which the program does not show")
    for key in parser.keys:
        if not is_key(squeeze(key)):
            problems.append(f"{where}: <kbd>{key}</kbd> is not a key")
    for unmarked in parser.bold + list(quoted_in_prose(parser.prose)):
        if index.is_plain_text(unmarked):
            problems.append(f"{where}: program text {squeeze(unmarked)!r} is not marked as one")
    for found in re.finditer(r"Korvane(?![\\_])", parser.prose):
        if not parser.prose.startswith(company, found.start()):
            problems.append(f"{where}: names the company "
                            f"{parser.prose[found.start():found.start() + len(company) + 4]!r}, "
                            f"not {company!r}")
    for term in WRONG_TERMS[folder]:
        if term in text:
            problems.append(f"{where}: writes {term!r}, a term not of this language")
    return problems


def check_quotes(help_dir, table):
    problems = []
    for folder in LANGUAGES:
        column = table[COLUMN_OF_FOLDER[folder]]
        index = QuoteIndex(column.values())
        for page in TOPIC_PAGES:
            path = os.path.join(help_dir, folder, page)
            if not os.path.isfile(path):
                continue   # the pages check reports it
            with open(path, encoding="utf-8", errors="replace") as stream:
                problems += check_page(f"{folder}/{page}", stream.read(), folder, index,
                                       column.get(COMPANY_ID, ""))
    return problems


def main():
    arguments = argparse.ArgumentParser(description=__doc__,
                                        formatter_class=argparse.RawDescriptionHelpFormatter)
    arguments.add_argument("help_dir")
    arguments.add_argument("--stringtable-print", required=True)
    options = arguments.parse_args()
    dump = subprocess.run([options.stringtable_print, "--all"], capture_output=True,
                          encoding="utf-8")
    table = read_table(dump.stdout)
    if dump.returncode != 0 or len(table["en"]) < 100 or COMPANY_ID not in table["en"]:
        print(f"FAIL: {options.stringtable_print} printed no string table")
        return 1
    problems = check_quotes(options.help_dir, table)
    for problem in problems:
        print("FAIL:", problem)
    if problems:
        print(f"{len(problems)} problem(s)")
        return 1
    print("every quote is the program's text")
    return 0


if __name__ == "__main__":
    sys.exit(main())
