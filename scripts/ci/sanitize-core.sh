#!/usr/bin/env bash
# Builds the core and its tests with clang's address and undefined-behaviour sanitizers and
# runs them. Needs no Qt.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/common.sh
ensure_packages "${HARDENING_PACKAGES[@]}" cmake ninja-build libgtest-dev

CC=clang-14 CXX=clang++-14 build build-asan-core \
    -DQUILLAMP_CORE_ONLY=ON -DQUILLAMP_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan-core --output-on-failure -j "$(nproc)"
