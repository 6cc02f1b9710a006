#!/usr/bin/env bash
# The group program on a team folder of three answer files and one file too short to read, on a
# display without a window manager and by keyboard alone: the information window, "&Ja", one of
# the folder's files typed into the file dialog, one message for the short file, the chart, Alt+C.
# The picture KALMIR-Gruppe.jpg lies in the team folder, a baseline JPEG of 808 x 529 whose bars
# stand in the ratio of the group's points over its answered questions, with the red notice of
# unanswered questions. A second run on the same folder skips that picture: again one message, and
# a picture with the same pixels.
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init 240 "$@"
e2e_start_bare_display

team="$e2e_tmp/Team"
start="$e2e_tmp/start"
mkdir "$team" "$start"
# Brandt left three questions open, so the chart carries the red notice; the bars stay below it.
members=(
    "$(e2e_answer_codes 1 0)"
    "$(e2e_answer_codes 2 3 12 40 77)"
    "$(e2e_answer_codes 4 2)"
)
e2e_write_answer_file "$team/Ahrens.dat" "${members[0]}"
e2e_write_answer_file "$team/Brandt.dat" "${members[1]}"
e2e_write_answer_file "$team/Celik.dat" "${members[2]}"
head -c 431 "$team/Celik.dat" >"$team/Kaputt.dat"

result="KALMIR Velumar: Gruppenauswertung Dornhag"
message="KALMIR Auswertung Gruppe Dornhag"

# evaluate <picture copy>: one run of the program on the team folder, up to the picture, which is
# kept under the name given.
evaluate() {
    e2e_start_program "$KALMIR_BIN_DIR/group/KALMIRAuswertungGruppe" "$start"
    e2e_close_with "Informationen zur KALMIR-Gruppenauswertung" Return
    e2e_close_with "Bestätigung" alt+j
    e2e_choose_file "$team/Brandt.dat"
    # The one message for the short file; the chart takes the keyboard only after it.
    e2e_close_with "$message" Return
    e2e_press "$result" alt+c
    e2e_wait_program_end "$message"
    cp "$team/KALMIR-Gruppe.jpg" "$1"
}

evaluate "$e2e_tmp/first.jpg"
files=(Ahrens.dat Brandt.dat Celik.dat KALMIR-Gruppe.jpg Kaputt.dat)
e2e_check_folder "$team" "${files[@]}"
e2e_check_folder "$start"
e2e_check_jpeg "$e2e_tmp/first.jpg" 808 529
# shellcheck disable=SC2046 # eight values
e2e_check_bars "$e2e_tmp/first.jpg" $(e2e_expected_bars group "${members[@]}")
[ "$(e2e_red_pixels "$e2e_tmp/first.jpg.ppm")" -gt 500 ] || e2e_fail "kein Hinweis im Diagramm"

# The picture of the first run is in the folder now; the second run must not pool it.
evaluate "$e2e_tmp/second.jpg"
e2e_check_folder "$team" "${files[@]}"
e2e_check_jpeg "$e2e_tmp/second.jpg" 808 529
cmp -s "$e2e_tmp/first.jpg.ppm" "$e2e_tmp/second.jpg.ppm" ||
    e2e_fail "der zweite Lauf zeigt ein anderes Diagramm als der erste"
echo "Gruppenauswertung zweimal durchlaufen: eine Meldung, gleiches Diagramm."
