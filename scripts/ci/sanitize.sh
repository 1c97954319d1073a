#!/usr/bin/env bash
# Builds the whole project (window, platform, core and every test) with clang's address and
# undefined-behaviour sanitizers and runs the full test suite with leak checking. Any error
# report, or any leak not in scripts/ci/lsan.supp, fails the test it happens in.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
ensure_packages "${HARDENING_PACKAGES[@]}" "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" \
    "${TEST_PACKAGES[@]}"

dir=build-asan
CC=clang-14 CXX=clang++-14 build "$dir" -DQUILLAMP_BENCH=OFF -DQUILLAMP_FUZZ=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# Qt and its libraries are built without frame pointers, so the fast unwinder would cut
# allocation stacks short at the first toolkit frame; the slow one keeps our frames in view.
asan=(detect_leaks=1 fast_unwind_on_malloc=0 detect_stack_use_after_return=1
    check_initialization_order=1 strict_init_order=1 abort_on_error=1)
ASAN_OPTIONS=$(IFS=:; echo "${asan[*]}")
export ASAN_OPTIONS
export LSAN_OPTIONS="suppressions=$PWD/scripts/ci/lsan.supp:print_suppressions=1"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Every test's output goes to the log (-V), so the suppressions that fired can be counted.
log=$dir/ctest.log
status=0
ctest --test-dir "$dir" -V -j "$(nproc)" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    # Each failed test's report, or the end of its output; -V prefixes its lines with "N: ".
    sed -n '/^The following tests FAILED/,$p' "$log" | sed -n -E 's/^\s+([0-9]+) - .*/\1/p' |
        while read -r n; do
            echo "---- test $n"
            out=$(sed -n -E "s/^$n: //p" "$log")
            report='ERROR: (Address|Leak)Sanitizer|runtime error:'
            if grep -q -E "$report" <<<"$out"; then
                { sed -n -E "/$report/,\$p" <<<"$out" || true; } | head -n 120
            else
                tail -n 60 <<<"$out"
            fi
        done
    sed -n '/^The following tests FAILED/,$p' "$log"
    echo "sanitize: every test's output is in $log" >&2
fi
# LeakSanitizer's table lists, per test, the suppressions that matched: count, bytes, pattern.
{ sed -n '/Suppressions used:/,/-----/p' "$log" | grep -E '^[0-9]+: +[0-9]+ +[0-9]+ ' || true; } |
    awk '{ tests[$4]++; bytes[$4] += $3 }
         END { for (p in tests) printf "sanitize: suppressed %s in %d tests (%d bytes)\n",
                                       p, tests[p], bytes[p] }' | sort
grep -E '^[0-9]+% tests passed' "$log"
exit "$status"
