# shellcheck shell=bash
# What the shell tests share, sourced from this one file:
#   here                      fail and fail_later, how a test reports what went wrong
#   x11-session.sh            the program on a virtual X display: its window, clicks, the
#                             clipboard and the transcript copied out through it, screenshots
#   scaled-window-checks.sh   the size and the colours of a window enlarged on X
# Sourcing it only defines things; nothing needs a display until a function is called.

# Ends the test, showing the transcript as last read, if it was.
fail() {
    echo "FAIL: $*" >&2
    [ ${#lines[@]} -eq 0 ] || printf '  | %s\n' "${lines[@]}" >&2
    exit 1
}

# Reports a failure and goes on, counting it in failures, for a test that lists every problem
# before it ends.
failures=0
fail_later() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# shellcheck source=x11-session.sh
source "$(dirname "${BASH_SOURCE[0]}")/x11-session.sh"
# shellcheck source=scaled-window-checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/scaled-window-checks.sh"
