#!/usr/bin/env bash
# Installs Marvane for the current user: the program, its help page and icon into a folder of the
# user's own (where it can write its settings beside itself), and a menu entry.
set -euo pipefail
bin=${1:?usage: install.sh BUILD_BIN_DIR}
prefix=${MARVANE_PREFIX:-$HOME/.local/opt/marvane}
apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications

mkdir -p "$prefix" "$apps"
install -m 755 "$bin/pendrel" "$prefix/pendrel"
for module in pendrel-calendars.so pendrel-fetch.so; do install -m 644 "$bin/$module" "$prefix/$module"; done
for page in "$bin"/help.htm "$bin"/help_*.htm; do install -m 644 "$page" "$prefix/"; done
"$bin/marvane-assets" icon "$prefix/marvane.png"

# Desktop Entry quoting: the path in double quotes, with ", `, $ and \ escaped.
exec_path=$(printf '%s' "$prefix/pendrel" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
entry="$apps/org.marvane.Marvane.desktop"
rm -f "$apps/marvane.desktop" # the name of earlier versions
cat >"$entry.tmp" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Marvane
Comment=Paints this month's calendar and today's to-do items onto the desktop wallpaper
Comment[de]=Malt den Kalender des Monats und die heutigen Aufgaben auf das Hintergrundbild
Comment[fr]=Dessine le calendrier du mois et les tâches du jour sur le fond d'écran
Comment[es]=Dibuja el calendario del mes y las tareas de hoy en el fondo de escritorio
Comment[it]=Disegna il calendario del mese e le attività di oggi sullo sfondo del desktop
Comment[pt_BR]=Desenha o calendário do mês e as tarefas de hoje no papel de parede
Comment[pl]=Rysuje kalendarz miesiąca i dzisiejsze zadania na tapecie pulpitu
Exec="$exec_path"
Icon=$prefix/marvane.png
Terminal=false
Categories=Utility;Calendar;
DESKTOP
mv "$entry.tmp" "$entry"
command -v update-desktop-database >/dev/null && update-desktop-database -q "$apps" 2>/dev/null || true

echo "install: Marvane is in $prefix; menu entry $entry"
