#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the drill (the program only: no tests) and starts it with its
# pictures, sounds and help file at hand: they are read from the working
# directory. Arguments go to the program; a file it is to write is named
# from where this was started, as the installed command does.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    echo "Run this from a terminal on the desktop (not over a plain ssh session)." >&2
    exit 1
fi

source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}"

cmake -S "$root" -B "$root/build/app" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$root/build/app" -j "$(nproc)" --target porominka
export POROMINKA_CALLER_DIR="$PWD"
cd "$root/assets"
exec "$root/build/app/app/porominka" "$@"
