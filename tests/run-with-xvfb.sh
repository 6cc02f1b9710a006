#!/usr/bin/env bash
# Runs one command on a private X server without a window manager, started as the end-to-end
# tests start theirs, with QT_QPA_PLATFORM=xcb; stops the server when done. Exits with the
# command's status, or 77 (skipped) without Xvfb.
set -u

if [ $# -lt 1 ]; then
    echo "usage: $0 COMMAND [ARGUMENTS...]" >&2
    exit 2
fi
for tool in Xvfb xdpyinfo; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (packages xvfb, x11-utils)" >&2
        exit 77
    fi
done

# shellcheck source-path=SCRIPTDIR source=e2e/lib.sh
source "$(dirname "$0")/e2e/lib.sh"
e2e_tmp=$(mktemp -d "${TMPDIR:-/tmp}/kalmir-x11.XXXXXX")
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM
e2e_start_bare_display

status=0
QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
