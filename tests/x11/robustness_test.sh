#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Regenbogen authors
# The random stream on a real display: the robustness driver opens a
# program's windows on a private X server with a window manager and sends
# its input through the X server (clicks, double clicks, drags, wheel, keys),
# then closes through the window manager. The driver itself fails on a
# crash, a hang, or a close that does not end the program in time.
#
#   robustness_test.sh DRIVER PROGRAM EVENTS [SEED]
set -euo pipefail
source "$(dirname "$0")/xsession.bash"
driver=$1 program=$2 events=$3 seed=${4:-20261207}

xs_start 1280x1024
xs_launch run "$driver" --x11 "$program" "$events" "$seed"
status=$(xs_exit_status "$run" $((120 + events / 5)))
cat "$XS_TMP/run.log"
[ "$status" = 0 ] || xs_fail "the stream on the display ended with '$status' ($program, seed $seed)"
