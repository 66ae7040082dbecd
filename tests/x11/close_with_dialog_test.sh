#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# The window manager's close of a main window ends the program at once also
# while the save dialog (Ctrl+S), the question before replacing a file, or
# the message of a failed save is open: the close of the window's frame, or
# Alt+F4 with the main window active. Prints the time from the close to the
# end.
#
#   close_with_dialog_test.sh PROGRAM TITLE_REGEX dialog|question|failure wm|alt-f4
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
program=$1 title=$2 state=$3 way=$4

# The dialog opens in the pictures folder with the window's own name chosen
# (streu.png, prisma.png, regenbogen.png): there already, it is asked about;
# a link into a missing folder makes the save fail.
home="$XS_TMP/home"
mkdir -p "$home/Pictures"
for name in streu prisma regenbogen; do
  case $state in
    question) echo earlier >"$home/Pictures/$name.png" ;;
    failure) ln -s "missing/$name.png" "$home/Pictures/$name.png" ;;
  esac
done

xs_open 1024x768 "$title" env HOME="$home" "$program"
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
xs_wait 10 xs_active "$win" || xs_fail "the window is not the active one"
xdotool key --clearmodifiers ctrl+s
xs_wait 10 xs_has_window '^Speichern unter$' || xs_fail "Ctrl+S opened no save dialog"
dialog=$(xs_window '^Speichern unter$')
if [ "$state" != dialog ]; then
  xs_wait 10 xs_active "$dialog" || xs_fail "the save dialog is not the active window"
  xdotool key --clearmodifiers Return
  case $state in
    question) box='^Datei ersetzen$' ;;
    failure) box='^Speichern fehlgeschlagen$' ;;
  esac
  xs_wait 10 xs_has_window "$box" || xs_fail "no window '$box' after Return"
fi

if [ "$way" = alt-f4 ]; then
  xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
  xs_wait 10 xs_active "$win" || xs_fail "the main window cannot be made active"
  xdotool key --clearmodifiers alt+F4 &
else
  xs_wm_close "$win" &
fi
closer=$!
# The clock starts as the close is sent: the time includes the start of
# xdotool or wmctrl and the window manager's round trip.
xs_exit_ms ended "$app" 5
wait "$closer" || xs_fail "the close could not be sent"
[ "$ended" != running ] || xs_fail "$program still runs 5 s after the close ($state open, $way)"
read -r status ms <<<"$ended"
[ "$status" = 0 ] || xs_fail "$program ended with status $status: $(cat "$XS_TMP/app.log")"
# A loaded machine may delay any step; the program itself takes a few ms.
[ "$ms" -le 2000 ] || xs_fail "$program took $ms ms to end after the close"
echo "close with the $state open ($way): status 0 after $ms ms"
