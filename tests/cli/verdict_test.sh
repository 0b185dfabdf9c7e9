#!/usr/bin/env bash
# tetralyx-cli verdict: the whole comment text and the exit code for each branch of the
# verdict, in normal play, training and the strict runs, at every level and in two languages.
set -u
cli=$1
sanitized=${2:-0} # 1: built with the sanitizers
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# verdict STDIN EXPECTED_TEXT EXPECTED_EXIT ARGS...; the text is compared with its CR LF.
verdict() {
    local input=$1 expected=$2 code=$3
    shift 3
    local out rc
    out=$(printf '%s' "$input" | "$cli" verdict "$@" 2>/dev/null)
    rc=$?
    if [[ "$out" != "$expected" || $rc -ne $code ]]; then
        printf 'FAIL: verdict %s <<< %q\n  expected (%s): %q\n  got      (%s): %q\n' "$*" "$input" "$code" "$expected" "$rc" "$out"
        failures=$((failures + 1))
    fi
}

nl=$'\r\n'
lost3="You lost! The question has 3 answer(s) under Standard Rule."
click="${nl}${nl}You can view all valid solution(s) by clicking the button below."
two=$'2*3*4/1\n4*(1+2+3)'
similar=$'2*3*4/1\n1*2*3*4'
mixed=$'2*3*4/1\n1*2*3*4\n1+2+3+4'

# "No solution!" and empty answers.
verdict "" "$lost3$click" 1 --no-solution "1 2 3 4"
verdict "" "$lost3$click" 1 --no-solution --mode training "1 2 3 4"
verdict "" "$lost3" 1 --no-solution --mode game "1 2 3 4"
verdict "" "You lost! The question has 5 answer(s) under Advanced Rule." 1 --no-solution --mode worldcup --advanced "1 2 3 4"
verdict "4*(1+2+3)" "$lost3$click" 1 --no-solution "1 2 3 4" # the ticked box clears the answers
verdict "" "Bingo! There is really no solution for this question!" 0 --no-solution "1 1 1 1"
verdict "1+1+1+1*1" "You lost! The question has NO answer under Standard Rule." 1 --mode game --level 3 "1 1 1 1"

# One answer judged.
verdict "4*(1+2+3)" "Bingo!" 0 "1 2 3 4"
verdict "４×（１＋２＋３）" "Bingo!" 0 --charset gb2312 "1 2 3 4"
verdict "４×（１＋２＋３）" "You lost!" 1 "1 2 3 4"
verdict "1+2+3+4" "You lost!" 1 --mode training "1 2 3 4"
verdict "$similar" "Bingo!${nl}${nl}Note: No need to provide more than 1 answer if you are not required to do so. Additional answers will be neglected." 0 --mode game "1 2 3 4"
verdict "(10+2)*(1+1)" "Bingo!" 0 --max 10 "1 1 2 10"
verdict "2^3*3*1" "You lost!" 1 "1 2 3 3"
verdict "2^3*3*1" "You haven't provided enough solutions as required.${nl}${nl}Following answer is correct:${nl}    1: 2^3*3*1" 1 --advanced --level 2 "1 2 3 3"

# Several answers judged: every headline, the detail block and the note of a strict run.
verdict "$similar" "All your answers are correct!" 0 "1 2 3 4"
verdict "$two" "All your answers are correct!" 0 --level 2 "1 2 3 4"
verdict $'2*3*4/1\n4*(1+2+3)\n(1+3)*(2+4)\n1+2+3+4' "Good! You have found all solutions.${nl}${nl}Following answers are correct:${nl}    1: 2*3*4/1${nl}    2: 4*(1+2+3)${nl}    3: (1+3)*(2+4)${nl}Following answer is incorrect:${nl}    4: 1+2+3+4" 0 --level 2 "1 2 3 4"
verdict "$similar" "You haven't provided enough solutions as required.${nl}${nl}Following answer is correct:${nl}    1: 2*3*4/1${nl}Following answer is repetitive:${nl}    2: 1*2*3*4 (similar to 1)" 1 --level 2 --mode training "1 2 3 4"
verdict $'2*3*4/1\n1+2+3+4' "You need more exercises.${nl}${nl}Following answer is correct:${nl}    1: 2*3*4/1${nl}Following answer is incorrect:${nl}    2: 1+2+3+4" 1 --level 2 "1 2 3 4"
verdict $'2*3*4/1\n4*(1+2+3)\n1+2+3+4' "Good!${nl}${nl}Following answers are correct:${nl}    1: 2*3*4/1${nl}    2: 4*(1+2+3)${nl}Following answer is incorrect:${nl}    3: 1+2+3+4" 0 --level 3 "1 2 3 4"
verdict $'4*(1+2+3)\r\n\r\n  \r\n4 x (3+2+1)' "You haven't provided enough solutions as required.${nl}${nl}Following answer is correct:${nl}    1: 4*(1+2+3)${nl}Following answer is repetitive:${nl}    2: 4 * (3+2+1) (same as 1)" 1 --level 4 --mode training "1 2 3 4"
verdict "$mixed" "You need more exercises.${nl}${nl}Following answer is correct:${nl}    1: 2*3*4/1${nl}Following answer is incorrect:${nl}    3: 1+2+3+4${nl}Following answer is repetitive:${nl}    2: 1*2*3*4 (similar to 1)" 1 --level 4 "1 2 3 4"
verdict "$mixed" "You lost!${nl}${nl}Following answer is correct:${nl}    1: 2*3*4/1${nl}Following answer is incorrect:${nl}    3: 1+2+3+4${nl}Following answer is repetitive:${nl}    2: 1*2*3*4 (similar to 1)" 1 --level 4 --mode game "1 2 3 4"
verdict "2*3*4/1" "You lost!${nl}${nl}You haven't provided enough solutions as required." 1 --level 2 --mode worldcup "1 2 3 4"
verdict $'2*3*4/1\n4*(1+2+3)\n1+2+3+4' "All your answers are correct!${nl}${nl}You have provided 3 answers, only first 2 were checked. Other answer(s) are neglected." 0 --level 2 --mode game "1 2 3 4"
verdict "$mixed" "You lost!${nl}${nl}You have provided 3 answers, only first 2 were checked. Other answer(s) are neglected.${nl}${nl}Following answer is correct:${nl}    1: 2*3*4/1${nl}Following answer is repetitive:${nl}    2: 1*2*3*4 (similar to 1)" 1 --level 3 --mode worldcup "1 2 3 4"

# Simplified Chinese: the texts of the language, the full-width input of its input method.
verdict "" "您输了！在标准规则下，这道题目有 3 个答案。${nl}${nl}单击下面的按钮可以查看全部有效解法。" 1 --no-solution --language zh-CN "1 2 3 4"
verdict "" "您输了！在高级规则下，这道题目有 5 个答案。" 1 --no-solution --mode game --advanced --language zh-CN "1 2 3 4"
verdict "４×（１＋２＋３）" "答对了！" 0 --language zh-CN "１ ２ ３ ４"
verdict $'２×３×４／１\n1+2+3+4' "您还需要多加练习。${nl}${nl}以下答案正确：${nl}    1：2*3*4/1${nl}以下答案错误：${nl}    2：1+2+3+4" 1 --level 2 --language zh-CN "1 2 3 4"
verdict $'２×３×４／１\n1*2*3*4\n4*(1+2+3)' "您输了！${nl}${nl}您提供了 3 个答案，只检查了前 2 个，其余答案被忽略。${nl}${nl}以下答案正确：${nl}    1：2*3*4/1${nl}以下答案重复：${nl}    2：1*2*3*4（与第 1 个相似）" 1 --level 2 --mode game --language zh-CN "1 2 3 4"
verdict "$two" "您输了！${nl}${nl}以下各答案正确：${nl}    1：2*3*4/1${nl}    2：4*(1+2+3)" 1 --level 4 --mode worldcup --max 10 --language zh-CN "1 2 3 4"
verdict "$two" "您的答案全部正确！" 0 --level 2 --mode worldcup --max 10 --language zh-CN "1 2 3 4"

# Check Solution.
verdict "" "A1  8/(3-8/3)" 0 --check-solution "3 3 8 8"
verdict "" "A1  4*(1+2+3)${nl}A2  (1+3)*(2+4)${nl}A3  1*2*3*4" 0 --check-solution --mode game "4 3 2 1"
verdict "" "A1  6+6+6+6${nl}A2  6*6-6-6" 0 --check-solution --advanced --max 10 "6 6 6 6"
verdict "" "There is no solution." 1 --check-solution "1 1 1 1"
verdict "" "解1  4*(1+2+3)${nl}解2  (1+3)*(2+4)${nl}解3  1*2*3*4" 0 --check-solution --language zh-CN "1 2 3 4"
verdict "" "此题无解。" 1 --check-solution --language zh-CN "1 1 1 1"
verdict "" "题目无效！有效的题目由 4 个介于 1-10 之间的正整数组成。" 3 --check-solution --language zh-CN --max 10 "1 1 1 11"

# Abnormal input: invalid questions, too many answers, nothing to submit.
invalid13="The question is not valid! A valid question is comprised of 4 positive integers ranging between 1-13."
verdict "4*(1+2+3)" "$invalid13" 3 "1 2 3 14"
verdict "4*(1+2+3)" "$invalid13" 3 "1 2 3"
verdict "4*(1+2+3)" "$invalid13" 3 "1 2 3 4 5"
verdict "4*(1+2+3)" "$invalid13" 3 "01 2 3 4"
verdict "4*(1+2+3)" "$invalid13" 3 --mode worldcup "1 2 3 x"
verdict "4*(1+2+3)" "${invalid13/13/10}" 3 --max 10 "1 2 3 11"
verdict "$(yes '4*(1+2+3)' | head -n 31)" "Too many answers, please just fill in answers irrelevant to each other." 3 "1 2 3 4"
verdict "$(yes '4*(1+2+3)' | head -n 30)" "All your answers are correct!" 0 "1 2 3 4"
verdict "$(yes '1+1+1+1*1' | head -n 40)" "You lost! The question has NO answer under Standard Rule." 1 "1 1 1 1"
verdict "1*2*3" "" 3 "1 2 3 4"
verdict "" "" 3 --mode game "1 2 3 4"

# Usage errors.
for args in "--mode" "--mode foo 1" "--language fr 1" "--level 0 1" "--level 5 1" "--max 12 1" \
    "--charset latin1 1" "--no-solution=1 1" "--json 1" "" "1 2"; do
    # shellcheck disable=SC2086
    out=$("$cli" verdict $args 2>&1 </dev/null)
    rc=$?
    [[ $rc -eq 2 && "$out" == *"usage: tetralyx-cli verdict"* ]] || fail "verdict $args: exit $rc, $out"
done
help=$("$cli" verdict --help)
for option in --advanced --max --level --mode --no-solution --check-solution --charset --language; do
    grep -q -- "^  $option" <<<"$help" || fail "verdict --help does not explain $option"
done
# Every example of the help runs and gives a verdict.
examples=0
while IFS= read -r example; do
    examples=$((examples + 1))
    bash -c "${example//tetralyx-cli/\"$cli\"}" >/dev/null 2>&1
    rc=$?
    [[ $rc -eq 0 || $rc -eq 1 ]] || fail "verdict --help example exits $rc: $example"
done < <(grep -E '^ +((echo|printf) .*\| )?tetralyx-cli verdict' <<<"$help")
[[ $examples -ge 8 ]] || fail "verdict --help has $examples examples, not one per option"

# Hostile input ends with a verdict or a clear refusal: binary bytes, 10 MB of answer lines,
# an endless stream, 10 MB of blank lines.
out=$(head -c 100000 /dev/urandom | "$cli" verdict --level 4 "1 2 3 4" 2>/dev/null)
rc=$?
[[ $rc -eq 0 || $rc -eq 1 || $rc -eq 3 ]] && [[ -n "$out" ]] || fail "verdict on random bytes: exit $rc"
printf '4*(1+2+3)\0\n\0\0\n' | "$cli" verdict "1 2 3 4" >/dev/null 2>&1
rc=$?
[[ $rc -eq 0 || $rc -eq 1 ]] || fail "verdict on NUL bytes: exit $rc"
out=$(yes '4*(1+2+3)' | head -c 10485760 | "$cli" verdict "1 2 3 4" 2>/dev/null)
[[ "$out" == "Too many answers, please just fill in answers irrelevant to each other." ]] || fail "verdict on 10 MB of lines: $out"
out=$(yes '4*(1+2+3)' | "$cli" verdict "1 2 3 4" 2>/dev/null)
[[ "$out" == "Too many answers, please just fill in answers irrelevant to each other." ]] || fail "verdict on an endless stream: $out"
err=$(yes '' | head -c 10485760 | "$cli" verdict "1 2 3 4" 2>&1 >/dev/null)
rc=$?
[[ $rc -eq 3 && "$err" == *"not judged"* ]] || fail "verdict on 10 MB of blank lines: exit $rc, $err"
# Reading stops at the 31st answer line, so an endless stream of 20 kB lines is judged in a
# 32 MB address space; reading it whole would fail there. The sanitizer reserves terabytes of
# address space up front: no limit there.
if [[ $sanitized != 1 ]]; then
    long="$(printf '1+%.0s' {1..10000})1"
    out=$(ulimit -v 32768 && yes "$long" | "$cli" verdict "1 2 3 4" 2>/dev/null)
    [[ "$out" == "Too many answers, please just fill in answers irrelevant to each other." ]] || fail "verdict on endless 20 kB lines under a 32 MB address space: ${out:0:80}"
fi

if [[ $failures -gt 0 ]]; then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
