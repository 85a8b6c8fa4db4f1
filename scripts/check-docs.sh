#!/usr/bin/env bash
# Checks the documents: README.md, docs/**/*.md, bench/README.md and fuzz/README.md. Every
# relative link and image must reach a file of the repository, and its #anchor a heading there;
# the commands of their "sh check" blocks must succeed, those of "sh check-server" blocks must
# serve the address they print; and no command may leave files outside the build*/ folders.
# Every text of the program that the teachers' guide and the Bulgarian manual page quote „…“
# must be one of the program's.
#
#   scripts/check-docs.sh                  links, quotes and commands (./test.sh runs this last)
#   scripts/check-docs.sh --links-only     links and quotes, in a second: for daily work
#   scripts/check-docs.sh [--links-only] docs/testing.md ...   only the documents given
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v node >/dev/null 2>&1; then
    echo "check-docs: needs Node.js (Debian's nodejs package)" >&2
    exit 2
fi
exec node scripts/lib/check-docs.mjs "$@"
