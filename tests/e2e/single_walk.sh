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
e2e_press "$result" alt+e
for area in "${e2e_area_names[@]}"; do
    # Each closed area window hands the keyboard back to the menu, on the next area's button.
    e2e_press "$menu" Return
    e2e_close_with "KALMIR Velumar: $area" Return
done
e2e_close_with "$menu" Return
e2e_press "$result" alt+c
e2e_wait_program_end

pictures=(KALMIR.jpg)
for suffix in "${e2e_area_suffixes[@]}"; do
    pictures+=("KALMIR$suffix.jpg")
done
e2e_check_folder "$data" KALMIR.dat "${pictures[@]}"
e2e_check_folder "$start"

e2e_check_jpeg "$data/KALMIR.jpg" 808 529
# shellcheck disable=SC2046 # eight values
e2e_check_bars "$data/KALMIR.jpg" $(e2e_expected_bars single "$answer_codes")

heights=(449 465 497 273 409 321 417 305)
read -r -a code <<<"$answer_codes"
for area in 0 1 2 3 4 5 6 7; do
    picture="$data/KALMIR${e2e_area_suffixes[area]}.jpg"
    e2e_check_jpeg "$picture" 752 "${heights[area]}"
    gauges=()
    for question in ${e2e_area_questions[area]}; do
        value=${code[question - 1]}
        gauges+=($((value < 0 ? 0 : (value + 1) * 20)))
    done
    e2e_check_gauges "$picture" "${gauges[@]}"
done
echo "Einzelauswertung durchlaufen: neun Bilder mit Balken und Anzeigen der Antworten."
