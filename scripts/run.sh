#!/usr/bin/env bash
# Builds the drill and starts it with its pictures, sounds and help file at
# hand: they are read from the working directory. Arguments go to the
# program; a file it is to write is named from where this was started.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}"

cmake -S "$root" -B "$root/build/app" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$root/build/app" -j "$(nproc)" --target porominka
export POROMINKA_CALLER_DIR="$PWD"
cd "$root/assets"
exec "$root/build/app/app/porominka" "$@"
