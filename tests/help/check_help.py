#!/usr/bin/env python3
"""Keeps the shipped help set whole.

pages:    every topic page exists in every language folder, is valid UTF-8 and says so, has a
          title, links only to pages and anchors that exist inside the help set, and is written
          in its folder's script (Simplified Chinese pages hold no Traditional forms and back).
examples: every expression quoted in a page is listed in the examples file, and every listed
          example gets the verdict the pages claim from tetralyx-cli.
"""
import argparse
import html.parser
import os
import re
import subprocess
import sys
import urllib.parse

# The topic pages this build ships: each describes something the program has today, and a
# feature brings its pages when it arrives.
TOPIC_PAGES = [
    "index.html", "intro.htm", "support.htm", "rel_note.htm",
    "userguide/0_contents.htm", "userguide/2_sysreq.htm", "userguide/3_rules.htm",
    "userguide/9_cards.htm", "userguide/10_master.htm", "userguide/a1_irrelevant.htm",
    "userguide/a2_accelkey.htm",
    "userguide/7_games.htm", "userguide/8_collections.htm", "userguide/11_music.htm",
    "userguide/12_completelist.htm",
    "userguide/12_background.htm",
    "userguide/12_update.htm",
    "userguide/7_games.htm",
    "userguide/1_introduction.htm", "userguide/4_pis.htm", "userguide/5_dl.htm",
    "userguide/6_checksolutions.htm", "userguide/a1_irrelevant.htm",
]
LANGUAGES = {"english": "en", "gb2312": "zh-Hans", "big5": "zh-Hant"}

# Frequent characters whose Simplified and Traditional forms differ. A page of one folder that
# contains a form of the other script was converted badly or not at all.
SCRIPT_PAIRS = ("题題 规規 级級 这這 说說 会會 为為 个個 时時 确確 问問 对對 开開 关關 选選 单單 键鍵 数數 "
                "设設 帮幫 组組 赛賽 练練 习習 间間 输輸 显顯 错錯 误誤 样樣 种種 运運 减減 号號 语語 简簡 "
                "体體 页頁 载載 发發 应應 后後 们們 来來 过過 还還 没沒 从從 动動 钟鐘 档檔 网網 击擊")
SIMPLIFIED_ONLY = {pair[0] for pair in SCRIPT_PAIRS.split()}
TRADITIONAL_ONLY = {pair[1] for pair in SCRIPT_PAIRS.split()}
# The language commands carry the same labels in every interface, each in its own script.
LANGUAGE_LABELS = ("简体中文", "繁體中文")

# What may appear in a typed answer, full-width forms included; used to spot quoted expressions.
ANSWER_CHARS = set("0123456789+-*/^() xX\t") | set("０１２３４５６７８９＋﹢－–—‐﹣─╴×＊﹡╳ＸｘΧχХ÷／∕╱＾∧（〔﹙﹛﹝｛〈）〕﹚﹜﹞｝〉\u3000")
DIGITS = set("0123456789０１２３４５６７８９")
OPERATORS = set("+-*/^＋﹢－–—‐﹣─╴×＊﹡╳ＸｘΧχХ÷／∕╱＾∧xX")


class PageParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.charset = None
        self.lang = None
        self.title = ""
        self.links = []       # (attribute, value)
        self.anchors = set()
        self.tags = set()
        self.codes = []       # text of <code> elements
        self.pre_lines = []   # lines of <pre> elements
        self._stack = []
        self._buffer = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.tags.add(tag)
        if tag == "html":
            self.lang = attrs.get("lang")
        if tag == "meta":
            if attrs.get("charset"):
                self.charset = attrs["charset"].strip().lower()
            elif (attrs.get("http-equiv") or "").lower() == "content-type":
                found = re.search(r"charset=([\w-]+)", attrs.get("content") or "", re.I)
                if found:
                    self.charset = found.group(1).lower()
        for name in ("href", "src"):
            if attrs.get(name) is not None:
                self.links.append((name, attrs[name]))
        for name in ("name", "id"):
            if attrs.get(name):
                self.anchors.add(attrs[name])
        if tag in ("title", "code", "pre"):
            self._stack.append(tag)
            self._buffer.append("")

    def handle_endtag(self, tag):
        if tag in ("title", "code", "pre") and self._stack and self._stack[-1] == tag:
            self._stack.pop()
            text = self._buffer.pop()
            if self._buffer:
                self._buffer[-1] += text
            if tag == "title":
                self.title = text.strip()
            elif tag == "code":
                self.codes.append(text)
            else:
                self.pre_lines.extend(text.split("\n"))

    def handle_data(self, data):
        if self._buffer:
            self._buffer[-1] += data


def parse_page(path):
    """Returns (parser, problems)."""
    with open(path, "rb") as stream:
        raw = stream.read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        return None, [f"not valid UTF-8: {error}"]
    parser = PageParser()
    parser.feed(text)
    parser.close()
    return parser, []


def check_pages(help_dir):
    problems = []
    parsed = {}
    for folder, lang in LANGUAGES.items():
        for page in TOPIC_PAGES:
            path = os.path.join(help_dir, folder, page)
            where = f"{folder}/{page}"
            if not os.path.isfile(path):
                problems.append(f"{where}: missing")
                continue
            parser, errors = parse_page(path)
            problems += [f"{where}: {error}" for error in errors]
            if parser is None:
                continue
            parsed[path] = parser
            if parser.charset != "utf-8":
                problems.append(f"{where}: declares charset {parser.charset!r}, not utf-8")
            if parser.lang != lang:
                problems.append(f"{where}: lang is {parser.lang!r}, expected {lang!r}")
            if not parser.title:
                problems.append(f"{where}: no title")
            for tag in ("script", "iframe", "object", "embed", "link"):
                if tag in parser.tags:
                    problems.append(f"{where}: uses <{tag}>, which the help viewer does not support")
            with open(path, encoding="utf-8") as stream:
                text = stream.read()
            for label in LANGUAGE_LABELS:
                text = text.replace(label, "")
            han = {ch for ch in text if "\u4e00" <= ch <= "\u9fff"}
            if folder != "english" and len(han) < 20:
                problems.append(f"{where}: hardly any Chinese text; page not translated?")
            wrong = han & (TRADITIONAL_ONLY if folder == "gb2312" else SIMPLIFIED_ONLY)
            if folder != "english" and wrong:
                problems.append(f"{where}: characters of the other script: {''.join(sorted(wrong))}")

    for path, parser in parsed.items():
        where = os.path.relpath(path, help_dir)
        language_root = os.path.join(help_dir, where.split(os.sep)[0])
        for attribute, value in parser.links:
            target = urllib.parse.urlsplit(value)
            if target.scheme or target.netloc:
                problems.append(f"{where}: {attribute}={value!r} leaves the help set")
                continue
            if target.path:
                resolved = os.path.normpath(
                    os.path.join(os.path.dirname(path), urllib.parse.unquote(target.path)))
            else:
                resolved = path
            if not resolved.startswith(language_root + os.sep):
                problems.append(f"{where}: {attribute}={value!r} points outside its language folder")
                continue
            if not os.path.isfile(resolved):
                problems.append(f"{where}: {attribute}={value!r} does not exist")
                continue
            if target.fragment:
                linked = parsed.get(resolved)
                if linked is None:
                    linked, _ = parse_page(resolved)
                if linked is None or target.fragment not in linked.anchors:
                    problems.append(f"{where}: {attribute}={value!r}: no anchor {target.fragment!r}")
    return problems


def is_expression(text):
    text = text.strip()
    return (bool(text) and set(text) <= ANSWER_CHARS and bool(set(text) & DIGITS)
            and bool(set(text) & (OPERATORS | set("（(〔﹙﹛﹝｛〈"))))


def quoted_expressions(help_dir):
    """Maps each expression quoted in a page to the pages quoting it."""
    found = {}
    for folder in LANGUAGES:
        for page in TOPIC_PAGES:
            path = os.path.join(help_dir, folder, page)
            parser, _ = parse_page(path) if os.path.isfile(path) else (None, None)
            if parser is None:
                continue
            candidates = list(parser.codes)
            for line in parser.pre_lines:
                # Solution lists ("A1  4*(1+2+3)", "解1  ...") and verdict lines
                # ("    2: (3+2+1)*4 (same as 1)", "    2：..." in Chinese).
                line = re.sub(r"^\s*((?:A|解)\d+\s+|\d+[:：]\s*)", "", line)
                line = re.sub(r"\s*[(（][^()（）]*[^\W\d_xXｘＸ][^()（）]*[)）]\s*$", "", line)
                candidates.append(line)
            for candidate in candidates:
                if is_expression(candidate):
                    found.setdefault(candidate.strip(), set()).add(f"{folder}/{page}")
    return found


def read_examples(path):
    rows, problems = [], []
    with open(path, encoding="utf-8") as stream:
        for number, line in enumerate(stream, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = [field.strip() for field in line.split("|")]
            if fields[0] == "answer" and len(fields) == 6:
                kind, question, rule, charset, verdict, expression = fields
                if rule not in ("standard", "advanced") or verdict not in ("correct", "incorrect"):
                    problems.append(f"examples line {number}: bad rule or verdict")
                    continue
                rows.append((number, kind, question, rule, charset, verdict, expression))
            elif fields[0] == "value" and len(fields) == 4:
                kind, rule, value, expression = fields
                rows.append((number, kind, None, rule, None, value, expression))
            else:
                problems.append(f"examples line {number}: cannot read {line!r}")
    return rows, problems


def check_examples(help_dir, cli, examples_path):
    rows, problems = read_examples(examples_path)
    quoted = quoted_expressions(help_dir)
    listed = {row[6] for row in rows}
    for expression, pages in sorted(quoted.items()):
        if expression not in listed:
            problems.append(f"{expression!r} (in {', '.join(sorted(pages))}) is not in the examples file")
    for number, kind, question, rule, charset, expected, expression in rows:
        if expression not in quoted:
            problems.append(f"examples line {number}: {expression!r} is quoted by no page")
        command = [cli]
        if kind == "answer":
            command += ["check"] + (["--advanced"] if rule == "advanced" else [])
            command += ["--charset", charset, question, expression]
        else:
            # The expression is worth `expected` exactly when this comes to 24.
            command += ["is24"] + (["--advanced"] if rule == "advanced" else [])
            command += [f"({expression})+24-{expected}"]
            expected = "yes"
        result = subprocess.run(command, capture_output=True, text=True)
        if result.returncode != 0 or result.stdout.strip() != expected:
            problems.append(f"examples line {number}: {' '.join(command[1:])} gave "
                            f"{result.stdout.strip()!r} (exit {result.returncode}), expected {expected!r}")
    return problems


def main():
    arguments = argparse.ArgumentParser(description=__doc__)
    arguments.add_argument("what", choices=("pages", "examples"))
    arguments.add_argument("help_dir")
    arguments.add_argument("--cli")
    arguments.add_argument("--examples")
    options = arguments.parse_args()
    if options.what == "pages":
        problems = check_pages(options.help_dir)
    else:
        if not options.cli or not options.examples:
            arguments.error("examples needs --cli and --examples")
        problems = check_examples(options.help_dir, options.cli, options.examples)
    for problem in problems:
        print("FAIL:", problem)
    if problems:
        print(f"{len(problems)} problem(s)")
        return 1
    print("help set is whole" if options.what == "pages" else "all examples hold")
    return 0


if __name__ == "__main__":
    sys.exit(main())
