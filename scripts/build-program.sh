#!/usr/bin/env bash
# Installs what building the program needs, and the Debian packages given as arguments, where
# missing (in one go), then builds the program as it is released (the linux-release preset) in
# build-release/linux/: build-release/linux/app/qt/proporcia.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
source scripts/lib/presets.sh

# shellcheck disable=SC2046  # a list of package names
scripts/install-packages.sh $(proporcia_packages program) "$@"
proporcia_build linux-release proporcia
