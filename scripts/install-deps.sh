#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whichever of the named Debian packages are missing; does nothing
# (and asks apt nothing) when all are there already. Where it cannot install
# them itself, it says what to install and stops.
set -euo pipefail

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "No dpkg-query or apt-get here: this is not a Debian-like system." >&2
    echo "Install these Debian packages, or your system's own packages of the same" >&2
    echo "programs and libraries, then run this again:" >&2
    echo "    $*" >&2
    exit 1
fi

missing=()
for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "Some Debian packages are missing, and installing them needs root." >&2
    echo "As root, run:" >&2
    echo "    apt-get update && ${install[*]}" >&2
    echo "then run this again." >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" "${install[@]}"
