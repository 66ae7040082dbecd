#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# "Start" and "Menu" bring the window they name to the user whichever way it
# was left: behind another window, minimised or hidden. Judged by what the
# window manager says: not minimised, active, top of the stacking order.
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
tavrin=$1

START='^Moddelle' RAY='^Regenbogen: Strahlen' WAVE='^Regenbogen: Zeiger'

# expect_in_front TITLE WHAT: the window must come to the front in time.
expect_in_front() {
  local win
  xs_wait 10 xs_has_window "$1" || xs_fail "$2: the window '$1' is not on screen"
  win=$(xs_window "$1")
  xs_wait 5 xs_restored_on_top "$win" ||
    xs_fail "$2: '$1' is not in front (minimised: $(xs_minimised "$win" && echo yes || echo no)," \
      "active: $(xs_active "$win" && echo yes || echo no), on top: $(xs_on_top "$win" && echo yes || echo no))"
}

xs_open 1024x768 "$START" "$tavrin"
expect_in_front "$START" "at start"

# Behind another window: the wave model left behind the start window.
xs_click_widget app "$START" Start 2
expect_in_front "$WAVE" "the wave model's Start"
xs_click_widget app "$WAVE" Menu
expect_in_front "$START" "the wave model's Menu"
xs_click_widget app "$START" Start 2
expect_in_front "$WAVE" "Start again for the wave model, which was behind the start window"

# Minimised: the ray model minimised, then back through the wave model's Menu.
xs_click_widget app "$WAVE" Menu
expect_in_front "$START" "the wave model's Menu"
xs_click_widget app "$START" Start 1
expect_in_front "$RAY" "the ray model's Start"
xs_minimise "$(xs_window "$RAY")"
xs_wait 5 xs_minimised "$(xs_window_any "$RAY")" || xs_fail "the ray model did not minimise"
xs_click_widget app "$WAVE" Menu
expect_in_front "$START" "the wave model's Menu with the ray model minimised"
xs_click_widget app "$START" Start 1
expect_in_front "$RAY" "Start again for the minimised ray model"
xs_wait 5 bash -c "! xdotool search --onlyvisible --name '$START' | grep -q ." ||
  xs_fail "the start window stays on screen after the ray model's Start"

# Hidden, and the start window minimised meanwhile: "Menu" restores it.
xs_click_widget app "$RAY" Menu
expect_in_front "$START" "the ray model's Menu"
xs_minimise "$(xs_window "$START")"
xs_wait 5 xs_minimised "$(xs_window_any "$START")" || xs_fail "the start window did not minimise"
xs_click_widget app "$WAVE" Menu
expect_in_front "$START" "the wave model's Menu with the start window minimised"
xs_click_widget app "$START" Start 1
expect_in_front "$RAY" "Start again for the ray model, hidden by its Menu"
echo "raise: ok"
