#!/usr/bin/env bash
# The single program's ways to end without a picture, each a run of its own on one display without
# a window manager:
#   - an answer file of 431 bytes, after "&Ja": the message "Datei lässt sich nicht öffnen" in a
#     box with the application title, Enter, the program ends;
#   - the file dialog cancelled with Escape: the program ends at once, without the save question;
#   - "&Nein": the chart, Alt+C, the program ends.
# None of them writes a file, and each program ends with status 0.
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init 240 "$@"
e2e_start_bare_display

data="$e2e_tmp/data"
start="$e2e_tmp/start"
mkdir "$data" "$start"
e2e_write_answer_file "$data/KALMIR.dat" "$(e2e_answer_codes 1 2)"
head -c 431 "$data/KALMIR.dat" >"$data/Kurz.dat"

info="Informationen zur KALMIR-Auswertung"
single="$KALMIR_BIN_DIR/single/KALMIRAuswertung"

# no_file_written: the folders hold what they held before the run.
no_file_written() {
    e2e_check_folder "$data" KALMIR.dat Kurz.dat
    e2e_check_folder "$start"
}

# The short file: the picture that "&Ja" asked for is never written.
e2e_start_program "$single" "$start"
e2e_close_with "$info" Return
e2e_choose_file "$data/Kurz.dat"
e2e_close_with "Bestätigung" alt+j
e2e_close_with "KALMIR Auswertung Dornhag" Return
e2e_wait_program_end
no_file_written

# Escape in the file dialog ends the program, and no question comes up meanwhile.
e2e_start_program "$single" "$start"
e2e_close_with "$info" Return
e2e_press "Öffnen" Escape
e2e_wait_program_end "Bestätigung"
no_file_written

# "&Nein": the close button closes without a picture.
e2e_start_program "$single" "$start"
e2e_close_with "$info" Return
e2e_choose_file "$data/KALMIR.dat"
e2e_close_with "Bestätigung" alt+n
e2e_press "KALMIR Velumar Dornhag" alt+c
e2e_wait_program_end
no_file_written
echo "Einzelauswertung: kurze Datei, abgebrochene Dateiauswahl und \"Nein\" enden ohne Bild."
