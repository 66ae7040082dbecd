#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# Closing the ray model while a slow sweep runs and more sweeps have been
# asked for: three presses on "langsam" 150 ms apart, then the window
# manager's close (Alt+F4). The program ends at once with status 0; the
# sweeps queued behind the running one are dropped. Prints the time from the
# close to the end.
#
#   tavrin_close_during_sweep_test.sh TAVRIN
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
tavrin=$1

xs_open 1024x768 '^Moddelle' "$tavrin"
xs_click_steady app '^Moddelle' Start 1 || xs_fail "no Start for the ray model"
xs_wait 20 xs_has_window 'Strahlenmodell' || xs_fail "the ray model did not open"
win=$(xs_window 'Strahlenmodell')
xs_wait 10 xs_widget_steady app 'Strahlenmodell' langsam || xs_fail "no langsam button"
xs_locate app 'Strahlenmodell' langsam
xdotool mousemove --sync "$x" "$y"
# One slow sweep takes more than 3 s: all three presses and the close fall
# into the first.
for press in 1 2 3; do
  xdotool click 1
  [ "$press" = 3 ] || sleep 0.15
done
xs_wait 5 xs_active "$win" || xs_fail "the ray model is not the active window"
sleep 0.15
# The clock starts before the key is sent: the time includes xdotool's start
# and the window manager's round trip.
xdotool key --clearmodifiers alt+F4 &
keyer=$!
xs_exit_ms ended "$app" 1
wait "$keyer" || xs_fail "xdotool could not send Alt+F4"
[ "$ended" != running ] || xs_fail "tavrin did not end within 1 s of the close"
read -r status ms <<<"$ended"
[ "$status" = 0 ] || xs_fail "tavrin ended with status $status after the close"
echo "close during a sweep: status 0 after $ms ms"
