# shellcheck shell=bash
# Helpers of the end-to-end tests, sourced by tests/e2e/<name>.sh: an overall time limit, a
# scratch folder, a private X server with a window manager, waiting on windows with a deadline,
# and clean-up of exactly the processes the test started. CTest sets KALMIR_BIN_DIR (the build
# folder) and KALMIR_SOURCE_DIR; KALMIR_E2E_KEEP=1 keeps the scratch folder for a look.
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
    if [ -n "${KALMIR_E2E_KEEP:-}" ]; then
        echo "Arbeitsordner bleibt: $e2e_tmp" >&2
    elif [ -n "$e2e_tmp" ]; then
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

# e2e_start_bare_display: an Xvfb of its own on the first free display from :100 on, at 96 dots
# per inch, without a window manager: the programs frame nothing and hand the keyboard on
# themselves. Exports DISPLAY.
e2e_start_bare_display() {
    local n pid deadline
    for ((n = 100; n < 200; n++)); do
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then
            continue
        fi
        e2e_start "$e2e_tmp/xvfb-$n.log" Xvfb ":$n" -nolisten tcp -noreset -dpi 96 \
            -screen 0 1280x1024x24
        pid=$e2e_last_pid
        deadline=$((SECONDS + 30))
        # Until it answers, or until it gives up because another server took the number.
        while kill -0 "$pid" 2>/dev/null; do
            if e2e_display_is_ours "$n" "$pid"; then
                export DISPLAY=":$n"
                return 0
            fi
            [ "$SECONDS" -lt "$deadline" ] || e2e_fail "Xvfb :$n antwortet nicht"
            sleep 0.1
        done
    done
    e2e_fail "kein freier Bildschirm für Xvfb zwischen :100 und :199"
}

# Whether display :<n> answers and is served by the Xvfb <pid>, which holds its lock.
e2e_display_is_ours() {
    local holder
    holder=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock") || return 1
    [ "$holder" = "$2" ] && e2e_display_answers ":$1"
}

# e2e_start_display: a display as above, with openbox as window manager, so that windows are
# framed and activated as on a desktop. Exports DISPLAY.
e2e_start_display() {
    e2e_start_bare_display
    e2e_start_window_manager
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

# ---- Driving one program through its windows --------------------------------------------------
# A test runs one program at a time: e2e_start_program starts it, e2e_await and e2e_press fail at
# once with the program's output when it ends too early, e2e_wait_program_end waits for its end.

# xdotool matches and reads captions with umlauts ("Bestätigung", "Öffnen") only in a UTF-8
# locale; the programs run in the same one.
export LC_ALL=C.UTF-8
E2E_WAIT=${E2E_WAIT:-60} # deadline of each single wait, in seconds; generous for a loaded machine
e2e_program=""
e2e_program_log=""

# e2e_start_program <program> <folder>: starts the program in <folder> on the test's display.
e2e_start_program() {
    e2e_program_log="$e2e_tmp/program-$((${#e2e_pids[@]} + 1)).log"
    e2e_start "$e2e_program_log" env -C "$2" QT_QPA_PLATFORM=xcb "$1"
    e2e_program=$e2e_last_pid
}

e2e_program_failed() {
    [ -z "$e2e_program_log" ] || cat "$e2e_program_log" >&2
    e2e_fail "$@"
}

# e2e_await <what> <command...>: polls the command until it succeeds; fails with <what> when the
# deadline passes or the program ends first.
e2e_await() {
    local what=$1
    shift
    local deadline=$((SECONDS + E2E_WAIT))
    until "$@"; do
        if [ -n "$e2e_program" ] && ! kill -0 "$e2e_program" 2>/dev/null; then
            e2e_program_failed "Programm beendet; $what"
        fi
        [ "$SECONDS" -lt "$deadline" ] || e2e_program_failed "$what (nach $E2E_WAIT s)"
        sleep 0.05
    done
}

# The caption of the window that holds the keyboard.
e2e_focused_caption() {
    local id
    id=$(xdotool getwindowfocus 2>/dev/null) || return 1
    xdotool getwindowname "$id" 2>/dev/null
}

e2e_window_focused() {
    e2e_window_shown "$1" && [ "$(e2e_focused_caption)" = "$1" ]
}

e2e_window_gone() {
    ! e2e_window_shown "$1"
}

# e2e_press <caption> <key...>: waits until the window <caption> is shown and holds the keyboard,
# then presses the keys (xdotool key names, e.g. Return, alt+j).
e2e_press() {
    local caption=$1
    shift
    e2e_await "Fenster \"$caption\" erhält die Tastatur nicht" e2e_window_focused "$caption"
    xdotool key "$@"
}

# e2e_close_with <caption> <key...>: presses the keys in the window and waits until it is gone.
e2e_close_with() {
    local caption=$1
    e2e_press "$@"
    e2e_await "Fenster \"$caption\" schließt nicht" e2e_window_gone "$caption"
}

# e2e_choose_file <path>: types the path into the file dialog's focused file name field and
# accepts it. The path must be plain ASCII, as xdotool types it key by key.
e2e_choose_file() {
    e2e_await "Dateiauswahl erhält die Tastatur nicht" e2e_window_focused "Öffnen"
    xdotool type --delay 20 "$1"
    xdotool key Return
    e2e_await "Dateiauswahl schließt nicht" e2e_window_gone "Öffnen"
}

# e2e_wait_program_end [caption]: waits until the program has ended with status 0; with a
# caption, fails as well when a window of that caption shows up meanwhile.
# shellcheck disable=SC2120 # the caption is optional
e2e_wait_program_end() {
    local forbidden=${1:-} status=0
    local deadline=$((SECONDS + E2E_WAIT))
    while kill -0 "$e2e_program" 2>/dev/null; do
        if [ -n "$forbidden" ] && e2e_window_shown "$forbidden"; then
            e2e_program_failed "Fenster \"$forbidden\" erschienen"
        fi
        [ "$SECONDS" -lt "$deadline" ] || e2e_program_failed "Programm läuft nach $E2E_WAIT s noch"
        sleep 0.05
    done
    wait "$e2e_program" || status=$?
    [ "$status" -eq 0 ] || e2e_program_failed "Programm endete mit Status $status"
    e2e_program=""
}

# e2e_program_running: fails the test if the program has ended.
e2e_program_running() {
    kill -0 "$e2e_program" 2>/dev/null || e2e_program_failed "Programm unerwartet beendet"
}

# e2e_check_folder <folder> [name...]: the folder holds exactly the entries named, hidden ones
# included, so that a half-written picture shows up as well.
e2e_check_folder() {
    local folder=$1 found expected=""
    shift
    # shellcheck disable=SC2012 # the test's own plain names
    found=$(cd "$folder" && LC_ALL=C ls -A | tr '\n' ' ')
    [ $# -eq 0 ] || expected=$(printf '%s\n' "$@" | LC_ALL=C sort | tr '\n' ' ')
    [ "$found" = "$expected" ] ||
        e2e_fail "im Ordner $folder: ${found:-nichts}; erwartet: ${expected:-nichts}"
}

# e2e_walk_areas <result caption> <area menu caption>: Alt+E in the result window, then Enter in
# the menu and Enter in each area window, through all eight areas in order; the last Enter, on the
# menu's close button, closes the menu.
e2e_walk_areas() {
    local result=$1 menu=$2 area
    e2e_press "$result" alt+e
    for area in "${e2e_area_names[@]}"; do
        # Each closed area window hands the keyboard back to the menu, on the next area's button.
        e2e_press "$menu" Return
        e2e_close_with "KALMIR Velumar: $area" Return
    done
    e2e_close_with "$menu" Return
}

# ---- Answer files -------------------------------------------------------------------------------

# The questions of the eight areas, in the order of their gauges in the area windows.
e2e_area_questions=(
    "15 16 17 18 19 45 46 47 48 67 81 82 93 94"
    "11 12 13 14 20 21 22 43 44 49 50 65 66 68 83 95"
    "9 10 23 24 25 41 42 51 52 63 64 69 70 79 80 84 92"
    "8 26 27 53 78 85 91"
    "6 7 28 29 40 54 61 62 71 77 86"
    "5 30 31 38 39 60 76 87 96"
    "3 4 32 33 34 37 55 56 59 72 73 75 88 90"
    "1 2 35 36 57 58 74 89"
)

# The area names in the captions of the area windows, and the suffixes of their pictures.
e2e_area_names=(Strukturkompetenz Prozesskompetenz Umsetzungskompetenz PM-Standards Lernkompetenz
    TOOLing "Schnittstelle Linie-Projekt" Technik)
e2e_area_suffixes=(-1Struktur -2Prozess -3Umsetzung -4PM-Standards -5Lern -6TOOLing
    -7Linie-Projekt -8Technik)
# The heights of the area pictures: each area window's close button's top + 16 pixels.
e2e_area_picture_heights=(449 465 497 273 409 321 417 305)

# e2e_picture_names <base name>: the nine picture names of a run with all areas opened, one a line.
e2e_picture_names() {
    local suffix
    echo "$1.jpg"
    for suffix in "${e2e_area_suffixes[@]}"; do
        echo "$1$suffix.jpg"
    done
}

# e2e_answer_codes <factor> <offset> [unanswered question...]: 96 answer codes on one line, code
# of question q = (q * factor + offset) mod 5, and -1 for the questions listed.
e2e_answer_codes() {
    local factor=$1 offset=$2
    shift 2
    local q codes=()
    for ((q = 1; q <= 96; q++)); do
        codes+=($(((q * factor + offset) % 5)))
    done
    for q; do
        codes[q - 1]=-1
    done
    echo "${codes[*]}"
}

# e2e_write_answer_file <path> <codes>: a 432-byte answer record: a zero header of 44 bytes, the
# 96 codes (one line, as e2e_answer_codes gives) as little-endian 32-bit numbers, a zero trailer.
e2e_write_answer_file() {
    local path=$1 codes code value bytes format=""
    read -r -a codes <<<"$2"
    [ ${#codes[@]} -eq 96 ] || e2e_fail "Antwortdatei $path: ${#codes[@]} statt 96 Antworten"
    format=$(printf '\\x00%.0s' {1..44})
    for code in "${codes[@]}"; do
        value=$((code & 0xffffffff))
        printf -v bytes '\\x%02x\\x%02x\\x%02x\\x%02x' $((value & 255)) $((value >> 8 & 255)) \
            $((value >> 16 & 255)) $((value >> 24 & 255))
        format+=$bytes
    done
    format+='\x00\x00\x00\x00'
    # shellcheck disable=SC2059 # the format is the record, made of escapes only
    printf "$format" >"$path"
}

# e2e_expected_bars single|group <code lines...>: the eight bar values of the chart, from one line
# of codes per answer file. Single: points over all questions of the area; group: points over the
# answered questions only; both truncated to whole percent.
e2e_expected_bars() {
    local mode=$1
    shift
    printf '%s\n' "$@" | awk -v mode="$mode" -v areas="$(printf '%s\n' "${e2e_area_questions[@]}")" '
        BEGIN {
            n = split(areas, lines, "\n")
            for (a = 1; a <= n; a++) {
                count[a] = split(lines[a], qs, " ")
                for (i in qs) area[qs[i]] = a
            }
        }
        {
            for (q = 1; q <= 96; q++) {
                if ($q >= 0) { points[area[q]] += $q + 1; answered[area[q]]++ }
            }
        }
        END {
            for (a = 1; a <= 8; a++) {
                divisor = mode == "single" ? count[a] * 5 : answered[a] * 5
                printf "%s%d", (a > 1 ? " " : ""), int(points[a] * 100 / divisor)
            }
            print ""
        }'
}

# e2e_expected_gauges <area 1..8> <code lines...>: the gauge values of the area window, in gauge
# order, from one line of codes per answer file: the mean points per answer of the question times
# 20, truncated; 0 for a question nobody answered.
e2e_expected_gauges() {
    local area=$1
    shift
    printf '%s\n' "$@" | awk -v questions="${e2e_area_questions[area - 1]}" '
        { for (q = 1; q <= 96; q++) if ($q >= 0) { sum[q] += $q; answered[q]++ } }
        END {
            n = split(questions, qs, " ")
            for (i = 1; i <= n; i++) {
                q = qs[i]
                printf "%s%d", (i > 1 ? " " : ""), answered[q] ? int((sum[q] + answered[q]) * 20 / answered[q]) : 0
            }
            print ""
        }'
}

# ---- Pictures -----------------------------------------------------------------------------------

# e2e_jpeg_headers <file>: the JPEG markers up to the first scan, one a line: "jfif <units>
# <x density> <y density>" for the JFIF segment, "sof <marker> <bits> <height> <width>
# <components> <sampling factors...>" for a frame header, the marker in hex for any other.
e2e_jpeg_headers() {
    head -c 65536 "$1" | od -An -tu1 -v -w1 | awk '
        { b[n++] = $1 }
        END {
            if (b[0] != 255 || b[1] != 216) { print "kein-SOI"; exit }
            i = 2
            while (i + 3 < n) {
                if (b[i] != 255) { print "kaputt"; exit }
                m = b[i + 1]
                if (m == 255) { i++; continue }
                len = b[i + 2] * 256 + b[i + 3]
                s = i + 4
                if (m == 224 && b[s] == 74 && b[s + 1] == 70 && b[s + 2] == 73 && b[s + 3] == 70 && b[s + 4] == 0)
                    printf "jfif %d %d %d\n", b[s + 7], b[s + 8] * 256 + b[s + 9], b[s + 10] * 256 + b[s + 11]
                else if (m >= 192 && m <= 207 && m != 196 && m != 200 && m != 204) {
                    printf "sof %x %d %d %d %d", m, b[s], b[s + 1] * 256 + b[s + 2], b[s + 3] * 256 + b[s + 4], b[s + 5]
                    for (c = 0; c < b[s + 5]; c++) printf " %d", b[s + 7 + 3 * c]
                    print ""
                } else
                    printf "%x\n", m
                if (m == 218) exit
                i += 2 + len
            }
        }'
}

# e2e_check_jpeg <file> <width> <height>: the file is a JFIF picture of that size, 8-bit YCbCr
# with the luminance sampled 2 x 2, in one sequential baseline scan without restart markers, and
# decodes without a warning. Leaves the decoded pixels in <file>.ppm in the scratch folder.
e2e_check_jpeg() {
    local file=$1 width=$2 height=$3 name headers
    name=$(basename "$file")
    [ -f "$file" ] || e2e_fail "Bild $name fehlt"
    headers=$(e2e_jpeg_headers "$file")
    [ "$(head -n 1 <<<"$headers")" = "jfif 0 1 1" ] ||
        e2e_fail "$name: kein JFIF-Kopf mit Dichte 1:1 am Anfang: $headers"
    [ "$(grep '^sof' <<<"$headers")" = "sof c0 8 $height $width 3 34 17 17" ] ||
        e2e_fail "$name: nicht ${width}x$height als Baseline mit 2x2-Luminanz: $headers"
    ! grep -qx dd <<<"$headers" || e2e_fail "$name: Restart-Marker"
    [ "$(grep -c '^da$' <<<"$headers")" -eq 1 ] || e2e_fail "$name: kein Scan: $headers"
    djpeg -pnm "$file" >"$e2e_tmp/$name.ppm" 2>"$e2e_tmp/djpeg.log" ||
        e2e_fail "$name lässt sich nicht dekodieren: $(cat "$e2e_tmp/djpeg.log")"
    [ ! -s "$e2e_tmp/djpeg.log" ] || e2e_fail "$name: $(cat "$e2e_tmp/djpeg.log")"
}

# e2e_pixels <ppm>: the pixels of a binary PPM as djpeg writes it, one "r g b" a line, row by row;
# the width is in the file's second line.
e2e_pixels() {
    local header
    header=$(head -c 64 "$1" | head -n 3 | wc -c)
    od -An -tu1 -v -w3 -j "$header" "$1"
}

e2e_ppm_width() {
    head -n 2 "$1" | tail -n 1 | cut -d ' ' -f 1
}

# e2e_bar_heights <ppm>: the heights of the navy bars of a chart, left to right: per pixel column
# the longest run of navy pixels; neighbouring columns with a run of at least 25 pixels (taller
# than any navy text) form one bar, whose height is the median of its columns.
e2e_bar_heights() {
    e2e_pixels "$1" | awk -v width="$(e2e_ppm_width "$1")" '
        {
            x = (NR - 1) % width
            if ($1 < 70 && $2 < 70 && $3 > 90 && $3 < 180) {
                run[x] = (last[x] == NR - width) ? run[x] + 1 : 1
                last[x] = NR
                if (run[x] > best[x]) best[x] = run[x]
            }
        }
        END {
            for (x = 0; x <= width; x++) {
                if (x < width && best[x] >= 25) { bar[++k] = best[x]; continue }
                if (k >= 5) {
                    # insertion sort of the columns of this bar, then the median
                    for (i = 2; i <= k; i++) { v = bar[i]; for (j = i - 1; j >= 1 && bar[j] > v; j--) bar[j + 1] = bar[j]; bar[j + 1] = v }
                    out = out (out == "" ? "" : " ") bar[int((k + 1) / 2)]
                }
                k = 0
            }
            print out
        }'
}

# e2e_compare_values <what> <picture> <measured> <expected> [ratio]: the measured values match
# the expected ones, one for one, within 2 percentage points; with "ratio" the measured values are
# pixel heights, scaled to percent first so that their sum is that of the expected values.
e2e_compare_values() {
    awk -v what="$1" -v name="$2" -v measured="$3" -v values="$4" -v ratio="${5:-}" 'BEGIN {
        n = split(measured, g, " "); m = split(values, v, " ")
        if (n != m) { printf "%s: %d %s statt %d (gemessen: %s)\n", name, n, what, m, measured > "/dev/stderr"; exit 1 }
        scale = 1
        if (ratio != "") { for (i = 1; i <= n; i++) { sg += g[i]; sv += v[i] }; scale = sg / sv }
        for (i = 1; i <= n; i++) {
            d = g[i] / scale - v[i]
            if (d > 2 || d < -2) {
                printf "%s: %s Nr. %d zeigt %.1f %% statt %d %% (gemessen %s, erwartet %s)\n", name, what, i, g[i] / scale, v[i], measured, values > "/dev/stderr"
                exit 1
            }
        }
    }' || e2e_fail "$1 im Bild $2 falsch"
}

# e2e_check_bars <jpeg> <expected values...>: the chart in the picture has one navy bar per value,
# and their heights stand in the ratio of the values, within 2 percentage points.
e2e_check_bars() {
    local name
    name=$(basename "$1")
    shift
    e2e_compare_values Balken "$name" "$(e2e_bar_heights "$e2e_tmp/$name.ppm")" "$*" ratio
}

# e2e_gauge_values <ppm>: the values of the gauges of an area window picture taken without a
# window manager, top to bottom, for the gauges that show more than 0: a gauge's red fill starts
# at x = 537, inside the left border of the gauges at 536, and is 158 pixels long at 100 %; its
# length is taken in the gauge's rows that the inverted text does not cross, from x = 539 on,
# where the colours of the border no longer blur into it.
e2e_gauge_values() {
    e2e_pixels "$1" | awk -v width="$(e2e_ppm_width "$1")" '
        function red() { return $1 > 150 && $2 < 90 && $3 < 90 }
        function emit() { out = out (out == "" ? "" : " ") int((best + 2) * 100 / 158 + 0.5) }
        {
            x = (NR - 1) % width
            if (x == 539) {
                counting = red()
                run = 0
                if (!counting && in_gauge) { emit(); in_gauge = 0 }
                if (counting && !in_gauge) { in_gauge = 1; best = 0 }
            }
            if (x >= 539 && counting) {
                if (red()) run++; else counting = 0
                if (run > best) best = run
            }
        }
        END { if (in_gauge) emit(); print out }'
}

# e2e_check_gauges <jpeg> <expected values...>: the gauges of the area picture show the values
# given, within 2 percentage points; gauges of 0 show no fill and are left out of the comparison.
e2e_check_gauges() {
    local name value values=()
    name=$(basename "$1")
    shift
    for value; do
        [ "$value" -eq 0 ] || values+=("$value")
    done
    e2e_compare_values Anzeigen "$name" "$(e2e_gauge_values "$e2e_tmp/$name.ppm")" "${values[*]}"
}

# e2e_red_pixels <ppm>: how many pixels of the picture are red, as the text of the group
# chart's notice.
e2e_red_pixels() {
    e2e_pixels "$1" | awk '$1 > 180 && $2 < 120 && $3 < 120 { n++ } END { print n + 0 }'
}

# e2e_check_area_pictures <folder> <base name> <code lines...>: the eight area pictures in the
# folder are baseline JPEGs of the window's width and the designed heights, and their gauges show
# the answers of the code lines, one per answer file.
e2e_check_area_pictures() {
    local folder=$1 base=$2 area picture
    shift 2
    for area in 1 2 3 4 5 6 7 8; do
        picture="$folder/$base${e2e_area_suffixes[area - 1]}.jpg"
        e2e_check_jpeg "$picture" 752 "${e2e_area_picture_heights[area - 1]}"
        # shellcheck disable=SC2046 # one value per gauge
        e2e_check_gauges "$picture" $(e2e_expected_gauges "$area" "$@")
    done
}
