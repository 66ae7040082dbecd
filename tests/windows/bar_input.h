// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Drives scroll bars as a user does: a click, Tab, keys and the wheel, all
// as events, the keys going to whatever has the keyboard focus.
#pragma once

#include <QStringList>

class QScrollBar;
class QWidget;

namespace rb::testing {

// Clicks the bar, then steps it with every key and with the wheel. Returns
// what went wrong; empty when the bar took the focus, showed it, and every
// key and wheel turn moved it as expected with one change event each.
// `page` is what Page Up/Down move, the bar's LargeChange unless given.
QStringList DriveByKeysAndWheel(QScrollBar *bar, int page = 0);

// True when pressing Tab, starting from wherever the focus is, reaches `target`.
bool TabReaches(QWidget *window, QWidget *target);

} // namespace rb::testing
