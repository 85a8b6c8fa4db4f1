#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer in build-sanitizers/ (the sanitizers preset) and runs every test
# there. Any report fails the run. Called by ./test.sh once the plain build has passed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh
source scripts/lib/presets.sh

# shellcheck disable=SC2046  # a list of package names
scripts/install-packages.sh $(proporcia_packages program tests)
proporcia_build sanitizers
ctest --preset sanitizers --parallel "$(nproc)"
