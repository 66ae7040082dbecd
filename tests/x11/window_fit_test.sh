#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# Every window of the three programs fits the screen with the window
# manager's frame, and every control of it can be reached with the mouse:
# window_fit_test.sh WIDTHxHEIGHT SCALE tavrin prisma streu
# The windows sized from the screen keep their share of it, frame included:
# 95 % for the two models and prisma's height, all of it for streu.
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
size=$1 scale=$2 tavrin=$3 prisma=$4 streu=$5
W=${size%x*} H=${size#*x}

START='^Moddelle' RAY='^Regenbogen: Strahlen' WAVE='^Regenbogen: Zeiger'
PRISMA='^Minimum' STREU='^Richtung'
failures=()

# check_frame TITLE [W_SHARE H_SHARE]: the outer frame lies on the screen;
# with shares (in per cent, "-" for none) it has that size, to 3 pixels.
check_frame() {
  local x y w h
  read -r x y w h <<<"$(xs_frame "$(xs_window "$1")")"
  if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt "$W" ] || [ $((y + h)) -gt "$H" ]; then
    failures+=("'$1' has its frame at $x $y ${w}x$h, not within ${W}x$H")
  fi
  if [ $# -ge 3 ]; then
    share_of "$w" "$W" "$2" && share_of "$h" "$H" "$3" ||
      failures+=("'$1' has an outer size of ${w}x$h, not $2 % x $3 % of ${W}x$H")
  fi
}
# share_of SIZE WHOLE PER_CENT: SIZE is that share of WHOLE, to 3 pixels.
share_of() {
  [ "$3" = - ] && return 0
  local want=$(( ($2 * $3 + 50) / 100 ))
  [ $(( $1 - want )) -le 3 ] && [ $(( want - $1 )) -le 3 ]
}

# check_controls VAR: no visible control lies off the screen or its window.
check_controls() {
  local off
  off=$(xs_controls_off "$1" "$W" "$H")
  [ -z "$off" ] || failures+=("controls out of reach:"$'\n'"$off")
}

report() {
  [ ${#failures[@]} -eq 0 ] && return
  echo "FAIL at $size, scale $scale:" >&2
  printf '  %s\n' "${failures[@]}" >&2
  exit 1
}

xs_start "$size"
export QT_SCALE_FACTOR=$scale

# prisma and streu side by side; then tavrin alone, so that no other window
# lies over the buttons it is driven by.
xs_launch pri "$prisma"
xs_launch str "$streu"
for t in "$PRISMA" "$STREU"; do
  xs_wait 20 xs_has_window "$t" || xs_fail "no window '$t'"
done
xs_wait 10 xs_has_widget pri "$PRISMA" @QScrollBar 2 || xs_fail "prisma's map is missing"
xs_wait 10 xs_has_widget str "$STREU" @QScrollBar || xs_fail "streu's map is missing"
check_frame "$PRISMA" - 95
check_frame "$STREU" 100 100
check_controls pri
check_controls str
# Both found before either goes: a search that meets a window being
# destroyed finds nothing.
pri_win=$(xs_window "$PRISMA") str_win=$(xs_window "$STREU")
xs_wm_close "$pri_win"
xs_wm_close "$str_win"
[ "$(xs_exit_status "$pri" 10)" = 0 ] && [ "$(xs_exit_status "$str" 10)" = 0 ] ||
  xs_fail "prisma and streu did not end when closed"

xs_launch tav "$tavrin"
xs_wait 20 xs_has_window "$START" || xs_fail "no window '$START'"
xs_wait 10 xs_has_widget tav "$START" Start 2 || xs_fail "the start window's map has no second Start"
check_frame "$START"
check_controls tav
report

xs_click_widget tav "$START" Start 2
xs_wait 10 xs_has_window "$WAVE" || xs_fail "the wave model did not open"
xs_wait 10 xs_has_widget tav "$WAVE" Bogensystem || xs_fail "the wave model's map is missing"
check_frame "$WAVE" 95 95
check_controls tav
xs_click_widget tav "$WAVE" Menu
xs_wait 10 xs_restored_on_top "$(xs_window "$START")" || xs_fail "Menu did not bring the start window"
xs_click_widget tav "$START" Start 1
xs_wait 10 xs_has_window "$RAY" || xs_fail "the ray model did not open"
xs_wait 10 xs_has_widget tav "$RAY" langsam || xs_fail "the ray model's map is missing"
check_frame "$RAY" 95 95
check_controls tav
report
echo "window fit ${size} x$scale: ok"
