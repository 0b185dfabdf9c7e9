#!/usr/bin/env bash
# tetralyx-cli page: the page it writes, its exit codes, and the pages rendered by a browser.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }

expect_exit() { # expect_exit CODE ARGS...
    local code=$1
    shift
    "$cli" "$@" >/dev/null 2>"$work/err"
    local rc=$?
    [[ $rc -eq $code ]] || fail "tetralyx-cli $* exited $rc, expected $code"
    if [[ $code -eq 2 ]] && ! grep -q '^usage: tetralyx-cli page' "$work/err"; then
        fail "tetralyx-cli $* gave no usage line"
    fi
}

headings() { grep -o '<b>[^<]*[0-9]*: [0-9 ]*</b>' "$1" | sed -E 's/<b>[^0-9]*([0-9]+):.*/\1/'; }
summary() { grep -o "<th>$2</th><td>[0-9]*" "$1" | sed 's/.*<td>//'; }

# Standard rule, 1..10, both kinds: 715 headings numbered 1..715; the counts add up.
"$cli" page --max 10 "$work/all.htm" || fail "page --max 10 failed"
[[ "$(headings "$work/all.htm" | tr '\n' ' ')" == "$(seq -s ' ' 1 715) " ]] ||
    fail "the standard 1..10 page is not numbered 1..715"
q=$(summary "$work/all.htm" Questions)
hs=$(summary "$work/all.htm" 'Questions with solutions')
ns=$(summary "$work/all.htm" 'Questions without solution')
[[ $q -eq 715 && $((hs + ns)) -eq $q ]] || fail "counts: Q=$q HS=$hs NS=$ns"

# Only the unsolvable ones: numbered among themselves, no solution lines.
"$cli" page --max 10 --only-unsolved "$work/ns.htm" || fail "page --only-unsolved failed"
[[ "$(headings "$work/ns.htm" | tr '\n' ' ')" == "$(seq -s ' ' 1 "$ns") " ]] ||
    fail "the page without solutions is not numbered 1..$ns"
grep -q '>A1: ' "$work/ns.htm" && fail "the page without solutions lists solutions"

# The Chinese pages come from their own templates.
"$cli" page --max 10 --language zh-CN "$work/zh.htm" || fail "page --language zh-CN failed"
grep -q 'lang="zh-CN"' "$work/zh.htm" && grep -q '<b>题1: 1 1 1 1</b>' "$work/zh.htm" ||
    fail "the Simplified Chinese page is not from its template"
"$cli" page --advanced --only-solved --language zh-TW "$work/tw.htm" || fail "zh-TW failed"
grep -q '<b>題1: ' "$work/tw.htm" || fail "the Traditional Chinese page is not from its template"

expect_exit 2 page --only-solved --only-unsolved "$work/x.htm"
expect_exit 2 page --language fr "$work/x.htm"
expect_exit 2 page --max 12 "$work/x.htm"
expect_exit 2 page
expect_exit 1 page --max 10 "$work/missing-folder/x.htm"
# An existing page survives a failed write.
mkdir "$work/locked" && cp "$work/all.htm" "$work/locked/p.htm" && chmod a-w "$work/locked"
if [[ $(id -u) -ne 0 ]]; then
    expect_exit 1 page --max 10 "$work/locked/p.htm"
    cmp -s "$work/all.htm" "$work/locked/p.htm" || fail "a failed write damaged the old page"
fi
chmod u+w "$work/locked"
# A copy of the program with no templates near it.
cp "$cli" "$work/lonely-cli"
"$work/lonely-cli" page "$work/x.htm" 2>"$work/err"
[[ $? -eq 1 ]] && grep -q 'grandlist.htm' "$work/err" || fail "a missing template is not reported"

if ((failures)); then
    echo "$failures failure(s)"
    exit 1
fi

# The pages as a browser shows them.
browser=$(command -v chromium || command -v chromium-browser || true)
if [[ -z "$browser" ]]; then
    echo "SKIP: chromium is not installed (scripts/install-deps installs it); pages not rendered"
    exit 77
fi
for page in all zh; do
    HOME="$work" timeout 120 "$browser" --headless --no-sandbox --disable-gpu \
        --user-data-dir="$work/profile" --window-size=1000,1400 \
        --screenshot="$work/$page.png" "file://$work/$page.htm" >"$work/$page.log" 2>&1 ||
        fail "chromium could not render the $page page: $(tail -3 "$work/$page.log")"
    size=$(stat -c %s "$work/$page.png" 2>/dev/null || echo 0)
    [[ $size -gt 20000 ]] || fail "the $page page rendered to a nearly empty image ($size bytes)"
done
if ((failures)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "pages written and rendered"
