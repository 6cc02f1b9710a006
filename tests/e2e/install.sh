#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: both programs, their
# menu entries, the icon and the README. Then starts the installed single program on a display of
# its own; it must run from there and open its information window.
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init 240 "$@"

prefix="$e2e_tmp/prefix"
cmake --install "$KALMIR_BIN_DIR" --prefix "$prefix" >"$e2e_tmp/install.log" 2>&1 ||
    { cat "$e2e_tmp/install.log" >&2; e2e_fail "cmake --install fehlgeschlagen"; }

for path in bin/KALMIRAuswertung bin/KALMIRAuswertungGruppe; do
    [ -x "$prefix/$path" ] || e2e_fail "$path nicht installiert"
    # The installed program must not look for libraries in the build folder.
    if readelf -d "$prefix/$path" | grep -E "R(UN)?PATH" | grep -qF "$KALMIR_BIN_DIR"; then
        e2e_fail "$path sucht Bibliotheken im Build-Ordner"
    fi
done
[ -f "$prefix/share/doc/kalmir-auswertung/README.md" ] || e2e_fail "README nicht installiert"

# Each menu entry is valid, starts an installed program and shows an installed icon.
for entry in kalmir-auswertung kalmir-auswertung-gruppe; do
    desktop="$prefix/share/applications/$entry.desktop"
    [ -f "$desktop" ] || e2e_fail "$entry.desktop nicht installiert"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || e2e_fail "$entry.desktop ungültig"
    fi
    exec_name=$(sed -n 's/^Exec=//p' "$desktop")
    [ -x "$prefix/bin/$exec_name" ] || e2e_fail "$entry.desktop startet \"$exec_name\", nicht installiert"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        e2e_fail "$entry.desktop zeigt das Symbol \"$icon\", nicht installiert"
done
grep -qx "Name=KALMIR-Auswertung" "$prefix/share/applications/kalmir-auswertung.desktop" ||
    e2e_fail "kalmir-auswertung.desktop: falscher Name"
grep -qx "Name=KALMIR-Gruppenauswertung" "$prefix/share/applications/kalmir-auswertung-gruppe.desktop" ||
    e2e_fail "kalmir-auswertung-gruppe.desktop: falscher Name"

# The installed single program starts from the prefix and opens its information window.
e2e_start_display
work="$e2e_tmp/work"
mkdir "$work"
cd "$work" || e2e_fail "$work fehlt"
e2e_start "$e2e_tmp/program.log" env QT_QPA_PLATFORM=xcb "$prefix/bin/KALMIRAuswertung"
program=$e2e_last_pid
e2e_wait_window 60 "Informationen zur KALMIR-Auswertung" "$program" "$e2e_tmp/program.log"
e2e_stop "$program"
echo "Installation in $prefix geprüft; das installierte Programm öffnet sein Informationsfenster."
