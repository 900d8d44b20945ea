#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser drill as a release: build/web/porominka-web-VERSION.zip, one
# folder to copy whole onto any static web host. The version is the
# project's own, from CMakeLists.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build-web.sh"
version=$(sed -n 's/^project(porominka VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name="porominka-web-$version"
stage="$root/build/web/release"
rm -rf "$stage" "$root/build/web/$name.zip"
mkdir -p "$stage"
cp -r "$root/build/web/site" "$stage/$name"
cp "$root/LICENSE" "$stage/$name/"
(cd "$stage" && /usr/bin/python3 -m zipfile -c "$root/build/web/$name.zip" "$name")
echo "$root/build/web/$name.zip"
