#!/usr/bin/env bash
# Installs those of the given Debian packages that are not installed yet. Quick and silent when
# everything is there; otherwise one `apt-get update`, then one install of what is missing.
set -euo pipefail

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "Not a Debian system: make sure these are installed: $*" >&2
    exit 0
fi

missing=()
for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [ "$status" != "install ok installed" ]; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing the missing Debian packages: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
