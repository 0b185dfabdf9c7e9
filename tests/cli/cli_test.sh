#!/usr/bin/env bash
# Runs tetralyx-cli as a user would and compares what it prints and its exit code.
set -u
cli=$1
failures=0

expect() { # expect EXPECTED_OUTPUT EXPECTED_EXIT ARGS...
    local expected=$1 code=$2
    shift 2
    local out rc
    out=$("$cli" "$@" 2>/dev/null)
    rc=$?
    if [[ "$out" != "$expected" || $rc -ne $code ]]; then
        printf 'FAIL: tetralyx-cli %s\n  expected (%s): %q\n  got      (%s): %q\n' "$*" "$code" "$expected" "$rc" "$out"
        failures=$((failures + 1))
    fi
}

expect_in() { # expect_in STDIN EXPECTED_OUTPUT EXPECTED_EXIT ARGS...
    local input=$1 expected=$2 code=$3
    shift 3
    local out rc
    out=$(printf '%s' "$input" | "$cli" "$@" 2>/dev/null)
    rc=$?
    if [[ "$out" != "$expected" || $rc -ne $code ]]; then
        printf 'FAIL: tetralyx-cli %s <<< %q\n  expected (%s): %q\n  got      (%s): %q\n' "$*" "$input" "$code" "$expected" "$rc" "$out"
        failures=$((failures + 1))
    fi
}

expect correct 0 check --max 13 "3 3 8 8" "8/(3-8/3)"
expect correct 0 check --charset gb2312 "1 2 3 4" "４×（１＋２＋３）"
expect incorrect 0 check "1 2 3 4" "４×（１＋２＋３）"
expect $'correct\nincorrect\ncorrect' 0 check "1 2 3 4" "4 x (1+2+3)" "4*(1+2+3" "(1+3)*(2+4)"
expect incorrect 0 check "1 2 3 3" "2^3*3*1"
expect correct 0 check --advanced "1 2 3 3" "2^3*3*1"
expect correct 0 check --max 10 "2 2 10 10" "10+10+2+2"
expect correct 0 check "1 2 11 11" "(11+11)+2*1"
expect incorrect 0 check "1 1 5 5" "-1+5*5*1"
expect incorrect 0 check "1 2 3 4" ""
expect "" 0 check "1 2 3 4"
expect "" 2 check --max 10 "1 2 3 11" "1"
expect "" 2 check "1 2 3" "1+2+3"
expect "" 2 check
expect no 0 is24 "2^3*3"
expect yes 0 is24 --advanced "2^3*3"
expect yes 0 is24 "8/(3-8/3)"
expect no 0 is24 "4/(2-2)*0+24"
expect no 0 is24 ""
expect yes 0 is24 -- "-24*-1"
expect "" 2 is24 --bogus "24"
expect "" 2 is24 "1" "2"
expect "" 2 check --max 12 "1 2 3 4" "1"
expect "" 2 check --charset latin1 "1 2 3 4" "1"
expect "" 2 frobnicate
expect "8/(3-8/3)" 0 solve 3 3 8 8
expect "8/(3-8/3)" 0 solve 8 3 8 3
expect "8/(3-8/3)" 0 solve "3 3 8 8"
expect $'4*(1+2+3)\n(1+3)*(2+4)\n1*2*3*4' 0 solve 1 2 3 4
expect $'6+6+6+6\n6*6-6-6' 0 solve --advanced 6 6 6 6
expect "" 0 solve 1 1 1 1
expect "" 0 solve --advanced 1 1 1 1
expect "" 2 solve 1 2 3 14
expect "" 2 solve --max 10 1 2 3 11
expect "" 2 solve 0 1 2 3
expect "" 2 solve 1 2 3
expect "" 2 solve 1 2 3 4 5
expect "" 2 solve 1 2 3 x
expect "" 2 solve --json 1 2 3 4
expect "" 2 list 1 2 3 4
expect "" 2 list --max 11
expect $'4*(8-1)-4\n1*(8+4*4)' 0 solve 1 4 4 8

judged=$'2*3*4/1\n1*2*3*4\n4*(1+2+3)\n(3+2+1)*4\n1+2+3+4\n'
expect_in "$judged" $'new\nsimilar to 1\nnew\nsame as 3\nincorrect\nrequired 1 of 3 solutions' 0 judge "1 2 3 4"
expect_in "$judged" $'new\nsimilar to 1\nnew\nsame as 3\nincorrect\nrequired 2 of 3 solutions' 0 judge --level 3 "1 2 3 4"
expect_in "$judged" $'new\nsimilar to 1\nnew\nsame as 3\nincorrect\nrequired 3 of 3 solutions' 0 judge --level 4 "4 3 2 1"
expect_in $'4*(1+2+3)\r\n\r\n   \r\n4 x (3+2+1)\r\n(1+3)*(2+4)' $'new\nsame as 1\nnew\nrequired 2 of 3 solutions' 0 judge --level 2 "1 2 3 4"
expect_in "４×（１＋２＋３）" $'new\nrequired 1 of 3 solutions' 0 judge --charset gb2312 "1 2 3 4"
expect_in $'8+(1-5)^2\n8+(5-1)^2\n' $'incorrect\nincorrect\nrequired 1 of 4 solutions' 0 judge "1 2 5 8"
expect_in $'8+(1-5)^2\n8+(5-1)^2\n' $'new\nsimilar to 1\nrequired 1 of 9 solutions' 0 judge --advanced "1 2 5 8"
expect_in "" "required 1 of 3 solutions" 0 judge "1 2 3 4"
expect_in $'1+1+1+1\n' $'incorrect\nrequired 0 of 0 solutions' 0 judge --level 4 "1 1 1 1"
expect_in "" "" 2 judge "1 2 3 14"
expect_in "" "" 2 judge --max 10 "1 2 3 11"
expect_in "" "" 2 judge --level 5 "1 2 3 4"
expect_in "" "" 2 judge "1 2 3 4" "5"

# The complete lists: every question once, in order, and the known count of the
# solvable ones under the standard rule.
expect_list() { # expect_list ARGS... -> "questions solved first last"
    "$cli" list "$@" | awk -F': ' '{ n++; if ($2 != "") s++; if (n == 1) f = $1; l = $1 }
        END { print n, s, f "|" l }'
}
got=$(expect_list --max 10)
[[ "$got" == "715 566 1 1 1 1|10 10 10 10" ]] || { echo "FAIL: list --max 10: $got"; failures=$((failures + 1)); }
got=$(expect_list)
[[ "$got" == "1820 1362 1 1 1 1|13 13 13 13" ]] || { echo "FAIL: list: $got"; failures=$((failures + 1)); }
"$cli" list --max 10 | grep -qxF "3 3 8 8: 8/(3-8/3)" || { echo "FAIL: list has no 3 3 8 8 line"; failures=$((failures + 1)); }
"$cli" list --max 10 | grep -qxF "1 1 1 1: " || { echo "FAIL: list has no empty 1 1 1 1 line"; failures=$((failures + 1)); }
got=$("$cli" list --advanced --max 10 --json | python3 -c '
import json, sys
d = json.load(sys.stdin)
qs = d["questions"]
by_q = {q["q"]: q["solutions"] for q in qs}
print(d["rule"], d["max"], len(qs), qs[0]["q"], by_q["3 3 8 8"], by_q["1 1 1 1"], by_q["6 6 6 6"])' 2>&1)
[[ "$got" == "advanced 10 715 1 1 1 1 ['8/(3-8/3)'] [] ['6+6+6+6', '6*6-6-6']" ]] || { echo "FAIL: list --json: $got"; failures=$((failures + 1)); }
got=$("$cli" list --json --max 13 | python3 -c 'import json, sys; d = json.load(sys.stdin); print(d["rule"], d["max"], len(d["questions"]))' 2>&1)
[[ "$got" == "standard 13 1820" ]] || { echo "FAIL: list --json --max 13: $got"; failures=$((failures + 1)); }

expect $'4*(1+2+3)\n4*(1+2+3)' 0 normal "(4*(1+2+3))"
expect $'(1+2)*(3+5)\n(1+2)*(3+5)' 0 normal "(2+1)*(5+3)"
expect $'2*3*4/1\n1*2*3*4' 0 normal "2*3*4/1"
expect $'8+(1-5)^2\n8+(5-1)^2' 0 normal --advanced "8+(1-5)^2"
expect $'(4+8)*(3-1)\n(4+8)*(3-1)' 0 normal " (3 - 1) * (4 + 8) "
expect $'8+(2*-2)^2\n8+(2*-2)^2' 0 normal --advanced "8+(2*-2)^2"
expect "" 0 normal "1+2+3"
[[ $("$cli" normal "1+2+3" | wc -l) -eq 2 ]] || { echo "FAIL: an unreadable answer prints two empty lines"; failures=$((failures + 1)); }
expect "" 2 normal
expect "" 2 normal "1+2+3+4" "4+3+2+1"
expect "" 2 normal --max 10 "1+2+3+4"
normal_in() { # normal_in EXPECTED_OUTPUT INPUT
    local out
    out=$(printf '%s' "$2" | "$cli" normal --advanced - 2>/dev/null)
    if [[ "$out" != "$1" ]]; then
        printf 'FAIL: normal - <<< %q\n  expected: %q\n  got:      %q\n' "$2" "$1" "$out"
        failures=$((failures + 1))
    fi
}
normal_in $'8+1*4*4\n1*(8+4*4)\n\n\n(1+2)*(3+5)\n(1+2)*(3+5)' $'8+1*4*4\r\nnot an answer\n(3+5)*(1+2)'
normal_in "" ""

"$cli" --help | grep -q "check" || { echo "FAIL: --help lists no commands"; failures=$((failures + 1)); }
"$cli" check --help | grep -q "usage: tetralyx-cli check" || { echo "FAIL: check --help"; failures=$((failures + 1)); }
"$cli" is24 --help | grep -q "usage: tetralyx-cli is24" || { echo "FAIL: is24 --help"; failures=$((failures + 1)); }
for command in solve list judge; do
    "$cli" $command --help | grep -q "usage: tetralyx-cli $command" || { echo "FAIL: $command --help"; failures=$((failures + 1)); }
done
"$cli" normal --help | grep -q "usage: tetralyx-cli normal" || { echo "FAIL: normal --help"; failures=$((failures + 1)); }

if [[ $failures -gt 0 ]]; then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
