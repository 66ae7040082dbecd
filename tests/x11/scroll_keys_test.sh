#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# A scroll bar driven as a user does on a real display: a click gives it the
# focus, the keys move it, and the wheel turned down moves a horizontal bar
# to the right. streu's text box shows each value.
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
streu=$1

xs_open 1024x768 '^Richtung' "$streu"
xs_wait 10 xs_active "$win" || xs_fail "streu's window is not active"
xs_locate app '^Richtung' '@QScrollBar'
shows() { grep -q $'QLineEdit\t'"$1"$'\t' "$XS_TMP/app.widgets"; }

xs_click $((x + 100)) "$y"
xs_wait 10 shows 2 || xs_fail "a click on the bar did not step it"
for step in End:15 Home:1 Right:2 Down:3 Left:2 Next:3 Prior:2; do
  xdotool key "${step%%:*}"
  xs_wait 10 shows "${step##*:}" || xs_fail "key ${step%%:*} did not give ${step##*:}"
done
xs_click "$x" "$y" 5
xs_wait 10 shows 3 || xs_fail "wheel down did not move the bar to the right"
xs_click "$x" "$y" 4
xs_wait 10 shows 2 || xs_fail "wheel up did not move the bar to the left"
xs_close_ends_cleanly "$win" "$app" streu
echo "scroll keys: ok"
