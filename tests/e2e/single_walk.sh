#!/usr/bin/env bash
# The single program from start to end, on a display without a window manager and by keyboard
# alone: the information window, the answer file typed into the file dialog, "&Ja", the chart,
# Alt+E, Enter through all eight areas, Enter on the menu's close button, Alt+C. Afterwards the
# nine pictures lie beside the answer file (not in the folder the program was started in), each a
# baseline JPEG of the designed size, the chart with its bars and each area with its gauges in the
# ratio of the answers, and the program has ended.
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init 240 "$@"
e2e_start_bare_display

# A dot in the folder's name plays no part in the pictures' names.
data="$e2e_tmp/Daten.A"
start="$e2e_tmp/start"
mkdir "$data" "$start"
answer_codes=$(e2e_answer_codes 3 1 5 17)
e2e_write_answer_file "$data/KALMIR.dat" "$answer_codes"

result="KALMIR Velumar Dornhag"
menu="KALMIR Einzelauswertung Dornhag"
e2e_start_program "$KALMIR_BIN_DIR/single/KALMIRAuswertung" "$start"
e2e_close_with "Informationen zur KALMIR-Auswertung" Return
e2e_choose_file "$data/KALMIR.dat"
e2e_close_with "Bestätigung" alt+j
e2e_walk_areas "$result" "$menu"
e2e_press "$result" alt+c
e2e_wait_program_end

mapfile -t pictures < <(e2e_picture_names KALMIR)
e2e_check_folder "$data" KALMIR.dat "${pictures[@]}"
e2e_check_folder "$start"

e2e_check_jpeg "$data/KALMIR.jpg" 808 529
# shellcheck disable=SC2046 # eight values
e2e_check_bars "$data/KALMIR.jpg" $(e2e_expected_bars single "$answer_codes")

e2e_check_area_pictures "$data" KALMIR "$answer_codes"
echo "Einzelauswertung durchlaufen: neun Bilder mit Balken und Anzeigen der Antworten."
