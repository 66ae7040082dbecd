#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# tavrin when its display goes away: the X server dies under it while it sits
# idle, in the middle of a slow ray-model sweep, or while the wave model
# sweeps. The toolkit then ends the program with status 1, as it does
# prisma and streu; tavrin must not die of a signal on the way out.
#
#   tavrin_lost_display_test.sh TAVRIN idle|ray-sweep|wave-sweep
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
tavrin=$1 moment=$2

xs_open 1024x768 '^Moddelle' "$tavrin"
xs_wait 10 xs_has_widget app '^Moddelle' Start || xs_fail "the start window shows no Start button"

case $moment in
idle) ;;
ray-sweep)
  xs_click_steady app '^Moddelle' Start 1 || xs_fail "no Start for the ray model"
  xs_wait 20 xs_has_window 'Strahlenmodell' || xs_fail "the ray model did not open"
  before=$(xs_cpu_ticks "$app")
  # The slow sweep: 134 rays, more than 3 s.
  xs_click_steady app 'Strahlenmodell' langsam || xs_fail "no langsam button"
  xs_wait 3 xs_busy "$app" 3 "$before" || xs_fail "the slow sweep did not start"
  ;;
wave-sweep)
  xs_click_steady app '^Moddelle' Start 2 || xs_fail "no Start for the wave model"
  xs_wait 20 xs_has_window 'Zeigerformalismus' || xs_fail "the wave model did not open"
  xs_wait 10 xs_widget_steady app 'Zeigerformalismus' Bogensystem || xs_fail "no Bogensystem button"
  before=$(xs_cpu_ticks "$app")
  # A sweep may be over in a fraction of a second: keep asking for new ones,
  # so that the server dies while one runs.
  xs_locate app 'Zeigerformalismus' Bogensystem
  xdotool mousemove --sync "$x" "$y" click --repeat 200 --delay 20 1 >/dev/null 2>&1 &
  xs_wait 5 xs_busy "$app" 10 "$before" || xs_fail "the wave model did not sweep"
  ;;
*) xs_fail "unknown moment '$moment'" ;;
esac

xs_kill_server
status=$(xs_exit_status "$app" 20)
[ "$status" = 1 ] || xs_fail "tavrin ended with '$status' when its display went away ($moment)"
echo "lost display, $moment: status 1"
