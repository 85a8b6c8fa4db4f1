#!/usr/bin/env bash
# Runs a command on a new virtual X display (Xvfb) of PROPORCIA_SCREEN_SIZE pixels (default
# 1280x1024), with the X server's own PROPORCIA_XVFB_OPTIONS, if any.
#
# The display is the first free one from PROPORCIA_FIRST_DISPLAY on (default 99). Free means
# that no lock file in /tmp claims it; a chroot has a /tmp of its own but shares the machine's
# abstract X sockets, so there a display the machine uses looks free. A run in a chroot starts
# from a number of its own (scripts/test-on-debian.sh does).
set -euo pipefail
# shellcheck disable=SC2086  # the options are words for the server
exec xvfb-run -a -n "${PROPORCIA_FIRST_DISPLAY:-99}" \
    -s "-screen 0 ${PROPORCIA_SCREEN_SIZE:-1280x1024}x24 ${PROPORCIA_XVFB_OPTIONS:-}" "$@"
