#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: once as it ships, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Window tests run on Qt's
# offscreen platform, so no display is needed; the browser tests start a
# private one of their own for WebKit.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

jobs=$(nproc)

cmake -S "$root" -B "$root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRILL_WERROR=ON
cmake --build "$root/build/test" -j "$jobs"
ctest --test-dir "$root/build/test" --output-on-failure --no-tests=error -j "$jobs"
# The drill in the browser, against the native session built above.
"$root/scripts/test-web.sh" "$root/build/test"

cmake -S "$root" -B "$root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DDRILL_WERROR=ON \
      -DDRILL_SANITIZE=ON -DDRILL_BUILD_BENCH=OFF
cmake --build "$root/build/sanitize" -j "$jobs"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir "$root/build/sanitize" --output-on-failure --no-tests=error -j "$jobs"
