# shellcheck shell=bash
# Helpers of the end-to-end tests, sourced by tests/e2e/<name>.sh: an overall time limit, a
# scratch folder, a private X server with a window manager, waiting on windows with a deadline,
# and clean-up of exactly the processes the test started. CTest sets KALMIR_BIN_DIR (the build
# folder) and KALMIR_SOURCE_DIR.
set -euo pipefail

e2e_pids=()  # every process the test started, ended on exit
e2e_tmp=""   # scratch folder, removed on exit
e2e_last_pid=""

e2e_fail() {
    echo "FEHLER: $*" >&2
    exit 1
}

e2e_cleanup() {
    local pid
    for pid in "${e2e_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${e2e_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    if [ -n "$e2e_tmp" ]; then
        rm -rf "$e2e_tmp"
    fi
}

# e2e_init <seconds> "$@": runs the calling script again under a time limit of <seconds>, then
# prepares the scratch folder and the clean-up.
e2e_init() {
    local limit=$1
    shift
    if [ -z "${KALMIR_E2E_LIMITED:-}" ]; then
        # timeout signals the script and everything it started, then the script cleans up.
        KALMIR_E2E_LIMITED=1 exec timeout -k 15 "$limit" bash "$0" "$@"
    fi
    : "${KALMIR_BIN_DIR:?KALMIR_BIN_DIR fehlt (Build-Ordner)}"
    : "${KALMIR_SOURCE_DIR:?KALMIR_SOURCE_DIR fehlt (Quellordner)}"
    trap e2e_cleanup EXIT
    trap 'echo "FEHLER: Zeitlimit von '"$limit"' s überschritten" >&2; exit 124' TERM
    e2e_tmp=$(mktemp -d "${TMPDIR:-/tmp}/kalmir-e2e.XXXXXX")
    # Qt wants a private runtime folder; the one of the test is removed with the scratch folder.
    export XDG_RUNTIME_DIR="$e2e_tmp/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# e2e_wait_until <seconds> <what> <command...>: polls the command until it succeeds; fails the
# test with <what> when the deadline passes first.
e2e_wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || e2e_fail "$what (nach $seconds s)"
        sleep 0.1
    done
}

# e2e_start <log file> <command...>: starts the command in the background, remembers it for the
# clean-up and leaves its process id in e2e_last_pid.
e2e_start() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 &
    e2e_last_pid=$!
    e2e_pids+=("$e2e_last_pid")
}

# e2e_stop <pid>: ends a process the test started and waits for it.
e2e_stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

e2e_display_answers() {
    xdpyinfo -display "$1" >/dev/null 2>&1
}

# e2e_start_display: an Xvfb of its own on the first free display from :100 on, and openbox as
# window manager, so that windows are framed and activated as on a desktop. Exports DISPLAY.
e2e_start_display() {
    local n pid deadline
    for ((n = 100; n < 200; n++)); do
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then
            continue
        fi
        e2e_start "$e2e_tmp/xvfb-$n.log" Xvfb ":$n" -nolisten tcp -noreset -screen 0 1280x1024x24
        pid=$e2e_last_pid
        deadline=$((SECONDS + 30))
        # Until it answers, or until it gives up because another server took the number.
        while kill -0 "$pid" 2>/dev/null; do
            if e2e_display_answers ":$n" && kill -0 "$pid" 2>/dev/null; then
                export DISPLAY=":$n"
                e2e_start_window_manager
                return 0
            fi
            [ "$SECONDS" -lt "$deadline" ] || e2e_fail "Xvfb :$n antwortet nicht"
            sleep 0.1
        done
    done
    e2e_fail "kein freier Bildschirm für Xvfb zwischen :100 und :199"
}

e2e_window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"
}

e2e_start_window_manager() {
    command -v openbox >/dev/null || e2e_fail "openbox fehlt"
    e2e_start "$e2e_tmp/openbox.log" openbox --sm-disable
    e2e_wait_until 30 "openbox läuft nicht" e2e_window_manager_running
}

# e2e_window <exact caption>: prints the ids of the visible windows with that caption.
e2e_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null
}

e2e_window_shown() {
    e2e_window "$1" >/dev/null
}

# e2e_wait_window <seconds> <caption> <pid>: waits until the program <pid> shows the window;
# fails at once with the program's output if the program ends first.
e2e_wait_window() {
    local seconds=$1 caption=$2 pid=$3 log=${4:-}
    local deadline=$((SECONDS + seconds))
    until e2e_window_shown "$caption"; do
        if ! kill -0 "$pid" 2>/dev/null; then
            [ -z "$log" ] || cat "$log" >&2
            e2e_fail "Programm beendet, bevor das Fenster \"$caption\" erschien"
        fi
        [ "$SECONDS" -lt "$deadline" ] || e2e_fail "Fenster \"$caption\" nicht erschienen (nach $seconds s)"
        sleep 0.1
    done
}
