// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The programs the robustness driver can open: each opens its windows as
// its own main does and returns the window whose close ends the program.
#pragma once

#include "tests/robustness/press_stream.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace rb::robustness {

struct Program {
    QString name;
    // Opens the windows; input the program queues for itself follows seed.
    std::function<QWidget *(unsigned seed)> open;
    // Controls the random stream leaves alone, so that it runs its full
    // length: a program's own "End" button would cut most runs short.
    std::function<bool(const QWidget *)> spare = {};
    // A button that starts a long run. On a real display the stream ends by
    // pressing it and closing the window through the window manager while
    // the run goes on.
    std::function<QWidget *()> busy = {};
    // Instead of the random stream, this place is pressed many times in a
    // row while the runs it starts go on (press_stream.h).
    std::function<PressTarget()> presses = {};
};

std::vector<Program> Programs();
// Destroys the windows the programs opened, before the application goes.
void CloseAll();

} // namespace rb::robustness
