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
"$cli" normal --help | grep -q "usage: tetralyx-cli normal" || { echo "FAIL: normal --help"; failures=$((failures + 1)); }

if [[ $failures -gt 0 ]]; then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
