#!/usr/bin/env bash
# The chart's picture cannot be written because a folder holds its name KALMIR.jpg. On a desktop
# with a window manager: "&Ja", Alt+C brings the error box with the application title; after
# Enter the result window is still open and the program runs; Alt+C tries again with the same
# outcome. The folder is left as it was and nothing else was written, no half-written file either.
# Then, with the folder removed, closing the window through the window manager (Alt+F4) ends the
# program with status 0 and still writes no picture.
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init 240 "$@"
e2e_start_display

data="$e2e_tmp/data"
start="$e2e_tmp/start"
mkdir "$data" "$start" "$data/KALMIR.jpg"
e2e_write_answer_file "$data/KALMIR.dat" "$(e2e_answer_codes 2 1)"

result="KALMIR Velumar Dornhag"
error_box="KALMIR Auswertung Dornhag"
e2e_start_program "$KALMIR_BIN_DIR/single/KALMIRAuswertung" "$start"
e2e_close_with "Informationen zur KALMIR-Auswertung" Return
e2e_choose_file "$data/KALMIR.dat"
e2e_close_with "Bestätigung" alt+j
for attempt in 1 2; do
    e2e_press "$result" alt+c
    e2e_close_with "$error_box" Return
    e2e_window_shown "$result" || e2e_fail "Versuch $attempt: Ergebnisfenster nach der Fehlermeldung geschlossen"
    e2e_program_running
done
[ -d "$data/KALMIR.jpg" ] || e2e_fail "der Ordner KALMIR.jpg wurde ersetzt"
e2e_check_folder "$data/KALMIR.jpg"
e2e_check_folder "$data" KALMIR.dat KALMIR.jpg
# With the name free again, closing through the window manager must still save nothing.
rmdir "$data/KALMIR.jpg"
e2e_press "$result" alt+F4
e2e_wait_program_end "$error_box"
e2e_check_folder "$data" KALMIR.dat
e2e_check_folder "$start"
echo "Bild nicht schreibbar: Fehlermeldung, Fenster bleibt offen, Schließen über den Rahmen endet ohne Bild."
