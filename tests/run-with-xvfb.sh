#!/usr/bin/env bash
# Runs one command on a private X server without a window manager: starts Xvfb on the first free
# display from :90 upward, waits until it answers, runs the command with QT_QPA_PLATFORM=xcb and
# stops the server when done. Exits with the command's status, or 77 (skipped) without Xvfb.
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

server_pid=""
log=$(mktemp)
stop_server() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
    fi
    rm -f "$log"
}
trap stop_server EXIT
trap 'exit 130' INT TERM

# Whether the server on display $1 is ours ($server_pid holds its lock) and answers.
server_ready() {
    local holder
    holder=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock") || return 1
    [ "$holder" = "$server_pid" ] && DISPLAY=":$1" xdpyinfo >/dev/null 2>&1
}

display=""
for number in $(seq 90 189); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
    Xvfb ":$number" -nolisten tcp -screen 0 1280x1024x24 -dpi 96 >"$log" 2>&1 &
    server_pid=$!
    deadline=$((SECONDS + 30))
    while kill -0 "$server_pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
        if server_ready "$number"; then
            display=":$number"
            break 2
        fi
        sleep 0.1
    done
    # Another server took this number first, or ours did not come up in time: try the next one.
    kill "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
    server_pid=""
done
if [ -z "$display" ]; then
    echo "no X server could be started on :90 to :189" >&2
    cat "$log" >&2
    exit 1
fi

DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@"
