#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# The wave model's sweep as a user watches it on a real display: with the
# figures on it takes its time, "cls" stops it at once, and closing the
# window in the middle of it ends tavrin with status 0.
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
tavrin=$1
wave='^Regenbogen: Zeiger'

xs_open 1024x768 '^Moddelle' "$tavrin"
xs_click_widget app '^Moddelle' Start 2
xs_wait 20 xs_has_window "$wave" || xs_fail "the wave-model window did not appear"

# The sweep's readout in degrees, empty while it is hidden.
readout() {
  awk -F'\t' -v t="$wave" '$1 ~ t && $2 == "QLineEdit" && $4 == 1 && $3 ~ /°$/ { sub(/°$/, "", $3); print $3 }' \
    "$XS_TMP/app.widgets" 2>/dev/null | head -n1
}
below() { local r; r=$(readout); [ -n "$r" ] && awk -v r="$r" -v l="$1" 'BEGIN { exit !(r + 0 <= l) }'; }
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

xs_locate app "$wave" Bogensystem
xs_click "$x" "$y"
xs_wait 10 below 44.71 || xs_fail "the sweep did not start"
t0=$(now_ms)
# Ten positions further on (0.03° apart): at least 10 × 120 ms at the pace.
xs_wait 20 below 44.41 || xs_fail "the sweep did not go on"
elapsed=$(( $(now_ms) - t0 ))
[ "$elapsed" -ge 1100 ] || xs_fail "ten positions took only $elapsed ms: the sweep is not paced"

xs_click_widget app "$wave" cls
# Stopped: the readout keeps its last angle.
at_stop=$(readout)
! xs_wait 1 test "$(readout)" != "$at_stop" || xs_fail "the sweep went on after cls"

# Closing the window during a sweep ends the program with status 0.
xs_click "$x" "$y"
xs_wait 10 test "$(readout)" != "$at_stop" || xs_fail "the second sweep did not start"
xs_close_ends_cleanly "$(xs_window "$wave")" "$app" "tavrin, closed during a sweep,"
echo "wave paced: ok (ten positions in $elapsed ms)"
