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

"$cli" --help | grep -q "check" || { echo "FAIL: --help lists no commands"; failures=$((failures + 1)); }
"$cli" check --help | grep -q "usage: tetralyx-cli check" || { echo "FAIL: check --help"; failures=$((failures + 1)); }
"$cli" is24 --help | grep -q "usage: tetralyx-cli is24" || { echo "FAIL: is24 --help"; failures=$((failures + 1)); }

if [[ $failures -gt 0 ]]; then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
