#!/usr/bin/env bash
# Start-up time and memory of the program against the toolkit's floor, a bare Qt window of the
# same size (bench/startup/bare_window.cpp): PAIRS alternating runs (program, floor, program, …)
# on one virtual X display, timed by bench/startup/startup_watch. Prints each run's figures
# with -v, then per figure the median, the quartiles and the ratio of the medians.
#
# Usage: bench/startup.sh [-v] [-n PAIRS] [-s SETTLE_MS] [PROGRAM [FLOOR]]
#   defaults: 21 pairs, memory read 500 ms after the first drawing, build/app/qt/proporcia against
#   build/bench/startup/bare_window. Needs the build/ of ./test.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

verbose=0 pairs=21 settle=500
while getopts vn:s: option; do
    case $option in
        v) verbose=1 ;;
        n) pairs=$OPTARG ;;
        s) settle=$OPTARG ;;
        *) sed -n 's/^# Usage: //p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
program=$(realpath -m "${1:-$root/build/app/qt/proporcia}")
floor=$(realpath -m "${2:-$root/build/bench/startup/bare_window}")
watch=$root/build/bench/startup/startup_watch

if [ -z "${PROPORCIA_INSIDE_XVFB:-}" ]; then
    if [ ! -f "$root/build/CMakeCache.txt" ]; then
        echo "Run ./test.sh first: it sets up build/ with the benchmarks" >&2
        exit 1
    fi
    cmake --build "$root/build" --parallel 2 \
        --target proporcia bare_window text_window startup_watch >/dev/null
    # A session bus of its own, as on a desktop: without one, each start forks dbus-launch.
    session=()
    command -v dbus-run-session >/dev/null && session=(dbus-run-session --)
    # -noreset: without it the server resets whenever its last client leaves, between runs.
    options=(-n "$pairs" -s "$settle")
    [ $verbose = 0 ] || options+=(-v)
    PROPORCIA_INSIDE_XVFB=1 PROPORCIA_SCREEN_SIZE=1280x1024 PROPORCIA_XVFB_OPTIONS=-noreset \
        exec "${session[@]}" "$root/scripts/on-virtual-display.sh" "$0" "${options[@]}" \
        "$program" "$floor"
fi

export QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=''
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
results=$(mktemp)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$results"' EXIT

# The first start of each fills the disk and font caches; not counted.
"$watch" "$settle" "$program" >/dev/null
"$watch" "$settle" "$floor" >/dev/null
for _ in $(seq "$pairs"); do
    for who in program floor; do
        figures=$("$watch" "$settle" "${!who}")
        echo "$who $(sed 's/[a-z_]*=//g' <<<"$figures")" >>"$results"
        if [ $verbose = 1 ]; then
            echo "$who $figures"
        fi
    done
done

# Column n of one side's runs: median, lower and upper quartile.
statistics() {
    awk -v who="$1" -v n="$2" '$1 == who { print $n }' "$results" | sort -g |
        awk '{ v[NR] = $1 } END {
            printf "%s %s %s", v[int((NR + 1) / 2)], v[int((NR + 3) / 4)],
                v[int((3 * NR + 3) / 4)] }'
}

echo "$(basename "$program") against $(basename "$floor"): $pairs pairs on $(nproc) cores," \
    "memory read $settle ms after the first drawing" \
    "${DBUS_SESSION_BUS_ADDRESS:+(with a session bus)}"
printf '%-18s %28s %28s  %s\n' "" "program: median (quartiles)" "floor: median (quartiles)" ratio
column=2
for figure in "exec to map, ms" "exec to paint, ms" "CPU, ms" "RSS, KiB"; do
    read -r pm pl pu <<<"$(statistics program $column)"
    read -r fm fl fu <<<"$(statistics floor $column)"
    printf '%-18s %28s %28s  %.2f\n' "$figure" "$pm ($pl-$pu)" "$fm ($fl-$fu)" \
        "$(awk -v a="$pm" -v b="$fm" 'BEGIN { print a / b }')"
    column=$((column + 1))
done
