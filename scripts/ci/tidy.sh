#!/usr/bin/env bash
# Runs clang-tidy, as .clang-tidy configures it, over the project's own sources with the
# flags of a clang build. Any finding fails; the summary names the checks that fired.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
ensure_packages "${HARDENING_PACKAGES[@]}" "${BUILD_PACKAGES[@]}"

# Layout first: every C++ file as the project's .clang-format writes it.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
echo "tidy: every C++ file is clang-formatted"

dir=build-tidy
# Built, not only configured: the tests include moc output that only the build writes.
# Benchmarks and the fuzz target are on so that their sources are in compile_commands.json.
CC=clang-14 CXX=clang++-14 build "$dir" -DQUILLAMP_BENCH=ON -DQUILLAMP_FUZZ=ON

root=$(printf '%s' "$PWD" | sed 's/[][\.*^$+?(){}|]/\\&/g')
log=$dir/clang-tidy.log
status=0
run-clang-tidy-14 -p "$dir" -quiet -j "$(nproc)" \
    "^$root/(core|platform|ui|tests|bench|fuzz)/.*\.cpp\$" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' >"$log" || status=$?

files=$(grep -c '^clang-tidy-14 ' "$log" || true)
# A header's finding is reported once for every file that includes it.
findings=$(grep -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error): .*\]$' "$log" | sort -u || true)
count=0
[ -n "$findings" ] && count=$(printf '%s\n' "$findings" | wc -l)
if [ "$count" -gt 0 ]; then
    printf '%s\n' "$findings"
    printf '%s\n' "$findings" | grep -oE '\[[^]]+\]$' | tr -d '[]' | tr ',' '\n' |
        grep -v '^-warnings-as-errors$' | sort | uniq -c | sort -rn | sed 's/^/tidy: /'
elif [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
fi
echo "tidy: $files files checked, $count findings"
if [ "$files" -eq 0 ]; then
    echo "tidy: no sources found in $dir/compile_commands.json" >&2
    exit 1
fi
[ "$count" -eq 0 ] && [ "$status" -eq 0 ]
