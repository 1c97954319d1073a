#!/usr/bin/env bash
# Builds the core's libFuzzer target and runs it for a bounded time; any crash or broken
# property fails the script and leaves the input as build-fuzz/crash-*.
#   scripts/ci/fuzz.sh [seconds]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
ensure_packages "${HARDENING_PACKAGES[@]}" cmake ninja-build

seconds=${1:-20}
CC=clang-14 CXX=clang++-14 build build-fuzz \
    -DQUILLAMP_CORE_ONLY=ON -DQUILLAMP_FUZZ=ON -DBUILD_TESTING=OFF -DQUILLAMP_BENCH=OFF

# Seeds in the provider's layout: strings split by a backslash and one other byte (a
# doubled backslash is one backslash), then the style flags, size and colour as trailing bytes.
corpus=build-fuzz/corpus
if [ ! -d "$corpus" ]; then
    mkdir -p "$corpus"
    printf '%s' 'Center\|Arial\|FF0000\|http://www.example.com\|C:\\Music\\tune.mid\|Hi' \
        >"$corpus/styled"
    printf '\x01\xff\x00\x00\x00\x05\x00\x01\x01\x01' >>"$corpus/styled"
    printf '%s' '\|\|\|\|\\\\server\\share\\\|<a href="x">&amp;</a>' >"$corpus/bare"
    printf '\r\n\x00\xc3\x28\xff\xfe' >>"$corpus/bare"
fi
log=build-fuzz/fuzz.log
if build-fuzz/fuzz/quillamp_fuzz_core -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$corpus" >"$log" 2>&1; then
    grep -E '^(Done |stat::(average_exec_per_sec|new_units_added|peak_rss_mb))' "$log"
else
    status=$?
    tail -n 60 "$log"
    echo "fuzz: failed (exit $status); the input is saved as build-fuzz/crash-*" >&2
    exit "$status"
fi
