#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the drill for the browser into build/web/site/: a static folder any
# web server can serve. The session core is compiled to WebAssembly with
# Debian's emscripten, the page's TypeScript checked and bundled with the
# npm packages of web/package-lock.json, the fonts cut down to the
# characters the drill shows, and every file listed for the offline store.
# Installs whatever of that is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/web"
site="$out/site"
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${WEB_PACKAGES[@]}"
command -v npm >/dev/null || "$root/scripts/install-deps.sh" npm

# emcc's optimiser is run by this Node.js, and finds Debian's acorn here.
export NODE_PATH=/usr/share/nodejs
# Debian's own python3: the font tools are its packages.
python=/usr/bin/python3

started=$SECONDS
cd "$root/web"
if [ ! -f node_modules/.porominka-lock ] || ! cmp -s package-lock.json node_modules/.porominka-lock; then
    npm ci --no-audit --no-fund
    cp package-lock.json node_modules/.porominka-lock
fi
npx tsc -p tsconfig.json
npx tsc -p tsconfig.worker.json

# Smallest code, across the whole program. With exceptions on, a C++
# exception never aborts the core: it reaches the page as a JavaScript error,
# and the drill goes on with the next gesture.
emcmake cmake -S "$root" -B "$out/wasm" -DDRILL_CORE_ONLY=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_CXX_FLAGS="-Oz -flto -fexceptions" -DCMAKE_EXE_LINKER_FLAGS="-Oz -flto -fexceptions" \
      -DDRILL_WERROR=ON >/dev/null
cmake --build "$out/wasm" --target core -j 2

rm -rf "$site"
mkdir -p "$site/assets" "$site/art" "$site/icons" "$site/fonts"
cp "$out/wasm/web/wasm/core.wasm" "$site/"
cp "$root/web/static/index.html" "$root/web/static/page.css" "$root/web/static/manifest.webmanifest" "$site/"
cp "$root"/assets/*.bmp "$root"/assets/*.wav "$root/assets/zumirano.hlp" "$site/assets/"
cp "$root/platform/art/startup.png" "$root/platform/art/help_button.png" "$site/art/"
cp "$root"/desktop/icons/*.png "$root/desktop/icons/scalable.svg" "$site/icons/"

# The compiler's glue, under the module that loads it in Node too, minified
# once more: without the Closure compiler it keeps its long names, nearly
# half its size on a slow line.
npx esbuild "$root/web/wasm/coreModule.js" --bundle --minify --format=esm --target=es2020,safari14 \
    --alias:porominka-core-glue="$out/wasm/web/wasm/core.mjs" --external:node:fs/promises --log-level=warning \
    --outfile="$site/core.mjs"
npx esbuild src/main.ts --bundle --format=esm --minify --target=es2020,safari14 --log-level=warning \
    --outfile="$site/porominka.js"

# IPAGothic for the cells, keys, counters and the main button; IPAPGothic
# for everything else. The help page's own characters come in a third font,
# read only when the help is first opened.
ipa=/usr/share/fonts/opentype/ipafont-gothic
page_texts=$(find "$root/web/src" "$root/web/static" -name '*.ts' -o -name '*.html' | sort)
"$python" "$root/web/tools/shown_characters.py" $page_texts "$root/session/Wording.cpp" >"$out/page-characters.txt"
"$python" "$root/web/tools/shown_characters.py" "$root/assets/zumirano.hlp" >"$out/help-characters.txt"
subset() {
    "$python" -m fontTools.subset "$1" --text-file="$2" --flavor=woff2 --output-file="$3" \
        --layout-features='*' --no-hinting --desubroutinize --name-IDs='*' --name-languages='*'
}
subset "$ipa/ipag.ttf" "$out/page-characters.txt" "$site/fonts/ipag.woff2"
subset "$ipa/ipagp.ttf" "$out/page-characters.txt" "$site/fonts/ipagp.woff2"
subset "$ipa/ipagp.ttf" "$out/help-characters.txt" "$site/fonts/ipagp-help.woff2"

# The service worker stores every other file of the site; its version is a
# digest of them all, so that any change makes a new worker.
files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | sort)
version=$(cd "$site" && sha256sum $files | sha256sum | cut -c1-16)
list=$(printf '"./"'; for file in $files; do printf ',"%s"' "$file"; done)
npx esbuild src/offline/serviceWorker.ts --bundle --format=iife --minify --target=es2020,safari14 \
    --log-level=warning --define:SITE_FILES="[$list]" --define:SITE_VERSION="\"$version\"" --outfile="$site/sw.js"

echo "Built $site in $((SECONDS - started)) s (version $version)"
