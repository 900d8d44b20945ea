#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the site and runs the browser tests in Debian's Chromium and WebKit.
# The one argument is a CMake build directory holding the tests' programs
# (the native session the WebAssembly one is compared with).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: test-web.sh CMAKE_BUILD_DIR}" && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${WEB_TEST_PACKAGES[@]}"

"$root/scripts/build-web.sh"
cd "$root/web"
[ -d node_modules ] || PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
npx tsc -p tests/tsconfig.json
rm -rf "$root/build/web/tests"
npx esbuild tests/*.test.ts --bundle --platform=node --format=esm --target=node18 --log-level=warning \
    --external:puppeteer-core --external:pngjs --outdir="$root/build/web/tests" --out-extension:.js=.mjs
# The bundles import their packages from here.
ln -sfn "$root/web/node_modules" "$root/build/web/tests/node_modules"
DRILL_SESSION_REPLAY="$build/tests/session_replay/session_replay" \
    node --test --test-concurrency=1 "$root"/build/web/tests/*.test.mjs
