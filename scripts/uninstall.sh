#!/usr/bin/env bash
# Removes what install.sh put in place and the log-on entry the program writes. The user's settings
# and to-do items are kept unless PURGE=1: they are the user's data, not the program's.
set -euo pipefail
prefix=${MARVANE_PREFIX:-$HOME/.local/opt/marvane}
apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications
autostart=${XDG_CONFIG_HOME:-$HOME/.config}/autostart/Marvane.desktop
units=${XDG_CONFIG_HOME:-$HOME/.config}/systemd/user

# The user's own wallpaper back first, while the program that kept it is still here.
restored=0
if [ -x "$prefix/pendrel" ] && said=$("$prefix/pendrel" --restore-wallpaper 2>/dev/null); then
  case $said in *"is back"*) restored=1 ;; esac
  rm -f "$prefix/state.ini"
fi

# The midnight timer and the path unit: stopped first when a user manager runs, then their units
# and links go.
timer=0
[ -e "$units/marvane-refresh.timer" ] || [ -e "$units/marvane-refresh.path" ] && command -v systemctl >/dev/null && timer=1
[ $timer = 1 ] && { systemctl --user stop marvane-refresh.timer marvane-refresh.path 2>/dev/null || true; }
rm -f "$apps/marvane.desktop" "$apps/org.marvane.Marvane.desktop" "$autostart" "$units/timers.target.wants/marvane-refresh.timer" \
      "$units/paths.target.wants/marvane-refresh.path" "$units/marvane-refresh.path" \
      "$units/marvane-refresh.timer" "$units/marvane-refresh.service"
[ $timer = 1 ] && { systemctl --user daemon-reload 2>/dev/null || true; }
# The copies of calendar addresses and what large calendars expanded to: the program's, not the user's.
rm -rf "${XDG_CACHE_HOME:-$HOME/.cache}/marvane"
command -v update-desktop-database >/dev/null && [ -d "$apps" ] && update-desktop-database -q "$apps" 2>/dev/null || true
if [ -d "$prefix" ]; then
  # The program, the pictures it painted with their copies (.bmp and .png) and any temporary file
  # a killed save left (and the lock files of earlier versions).
  rm -f "$prefix/pendrel" "$prefix/pendrel-calendars.so" "$prefix/pendrel-fetch.so" "$prefix/help.htm" "$prefix"/help_*.htm "$prefix/marvane.png" "$prefix/temp.bmp" \
        "$prefix"/.temp-wallpaper-*.bmp "$prefix"/.temp-wallpaper-*.png "$prefix"/.temp.bmp.?????? \
        "$prefix"/.options.ini.?????? "$prefix"/.todolist.ini.?????? "$prefix"/.*.lock
  if [ "${PURGE:-0}" = 1 ]; then
    rm -f "$prefix/options.ini" "$prefix/todolist.ini" "$prefix/state.ini"
  fi
  if ! rmdir "$prefix" 2>/dev/null; then
    kept=()
    for f in options.ini todolist.ini; do [ -e "$prefix/$f" ] && kept+=("$f"); done
    if [ ${#kept[@]} -gt 0 ]; then
      echo "uninstall: kept ${kept[*]} in $prefix"
    else
      echo "uninstall: kept $prefix, which holds files of your own:"
    fi
    ls -A "$prefix" | sed 's/^/  /'
    echo "uninstall: delete that folder, or run 'make uninstall PURGE=1', to remove them too"
  fi
fi
echo "uninstall: removed the program, its menu entry, its log-on entry and its midnight timer"
if [ $restored = 1 ]; then
  echo "uninstall: the wallpaper your desktop showed before Marvane is back"
else
  echo "uninstall: choose another wallpaper in your desktop's background settings"
fi
