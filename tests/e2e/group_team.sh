#!/usr/bin/env bash
# The group program on a team folder of three answer files and one file too short to read, on a
# display without a window manager and by keyboard alone: the information window, "&Ja", one of
# the folder's files typed into the file dialog, one message for the short file, the chart, Enter
# through all eight areas, Alt+C. The nine pictures lie in the team folder: the chart, 808 x 529,
# with bars in the ratio of the group's points over its answered questions and the red notice of
# unanswered questions; the area pictures with the group's mean per question. A second run on the
# same folder, straight from the chart to Alt+C, skips the nine pictures: again one message, and a
# chart picture with the same pixels.
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

# evaluate <chart picture copy> [walk]: one run of the program on the team folder, through all
# areas with "walk"; the chart picture is kept under the name given.
evaluate() {
    e2e_start_program "$KALMIR_BIN_DIR/group/KALMIRAuswertungGruppe" "$start"
    e2e_close_with "Informationen zur KALMIR-Gruppenauswertung" Return
    e2e_close_with "Bestätigung" alt+j
    e2e_choose_file "$team/Brandt.dat"
    # The one message for the short file; the chart takes the keyboard only after it.
    e2e_close_with "$message" Return
    [ -z "${2:-}" ] || e2e_walk_areas "$result" "KALMIR Einzelauswertung Dornhag"
    e2e_press "$result" alt+c
    e2e_wait_program_end "$message"
    cp "$team/KALMIR-Gruppe.jpg" "$1"
}

evaluate "$e2e_tmp/first.jpg" walk
mapfile -t pictures < <(e2e_picture_names KALMIR-Gruppe)
files=(Ahrens.dat Brandt.dat Celik.dat Kaputt.dat "${pictures[@]}")
e2e_check_folder "$team" "${files[@]}"
e2e_check_folder "$start"
e2e_check_jpeg "$e2e_tmp/first.jpg" 808 529
# shellcheck disable=SC2046 # eight values
e2e_check_bars "$e2e_tmp/first.jpg" $(e2e_expected_bars group "${members[@]}")
[ "$(e2e_red_pixels "$e2e_tmp/first.jpg.ppm")" -gt 500 ] || e2e_fail "kein Hinweis im Diagramm"
e2e_check_area_pictures "$team" KALMIR-Gruppe "${members[@]}"

# The pictures of the first run are in the folder now; the second run must not pool them.
evaluate "$e2e_tmp/second.jpg"
e2e_check_folder "$team" "${files[@]}"
e2e_check_jpeg "$e2e_tmp/second.jpg" 808 529
cmp -s "$e2e_tmp/first.jpg.ppm" "$e2e_tmp/second.jpg.ppm" ||
    e2e_fail "der zweite Lauf zeigt ein anderes Diagramm als der erste"
echo "Gruppenauswertung zweimal durchlaufen: eine Meldung, neun Bilder, gleiches Diagramm."
