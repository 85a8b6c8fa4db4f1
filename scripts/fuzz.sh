#!/usr/bin/env bash
# Builds the engine's fuzzer with clang in build-fuzz/ (the fuzz preset) and runs it for the given
# number of seconds (60 by default) on a scratch copy of fuzz/corpus/, so nothing it learns lands
# in the repository. Exits non-zero on any finding: a failed check, a crash, a sanitizer report, an
# input that runs longer than 10 s, or memory beyond 2 GB. Findings are kept in
# build-fuzz/findings/, the fuzzer's log in build-fuzz/fuzz.log.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

source scripts/lib/packages.sh
source scripts/lib/presets.sh

# shellcheck disable=SC2046  # a list of package names
scripts/install-packages.sh $(proporcia_packages fuzz)
proporcia_build fuzz

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus"/
mkdir -p build-fuzz/findings
log=build-fuzz/fuzz.log
echo "Fuzzing the engine for $seconds s (log: $log)"
if ! build-fuzz/fuzz/engine_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ "$corpus" >"$log" 2>&1; then
    grep -v '^#[0-9]' "$log" | tail -n 80 >&2
    # A CI machine is thrown away with its files: print each finding so it can be replayed
    # (base64 -d >input; build-fuzz/fuzz/engine_fuzzer input).
    for finding in build-fuzz/findings/*; do
        [ -f "$finding" ] || continue
        echo "$finding, base64:" >&2
        base64 "$finding" >&2
        echo >&2
    done
    echo "The engine fuzzer found a fault; the input is in build-fuzz/findings/" >&2
    exit 1
fi
grep -E '^(Done|stat::)' "$log"
