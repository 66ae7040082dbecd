// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Saving a window's picture or table from the command line, with no display:
// the settings come as the numbers the window's scroll bars show, the file's
// extension chooses the format, and the window is drawn off screen.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace rb {

// The scroll-bar value whose shown number, value / divisor, is written in
// text: digits, and where the divisor (a power of ten) makes steps finer
// than 1, an optional '.' with at most as many decimals as the step has;
// nothing else. Nothing when the text is no such number or the value lies
// outside min … max.
std::optional<int> ScrollBarValue(const QString &text, int min, int max, int divisor = 1);

// Why a --save file name cannot be written, or empty when it can name a
// file (atomic_write.h: FileNameProblem) and its extension names a format
// (.png, .svg, .csv).
QString SaveNameProblem(const QString &path);

// Before the application object exists: draw on the off-screen platform,
// whatever display there is or is not.
void PrepareDrawingWithoutDisplay();

// Lays the window out and draws it off screen, then saves its content in
// the format of the extension. Returns the exit status: 0, or 1 after one
// line on stderr when the file cannot be written.
int SaveWithoutDisplay(QWidget *window, const QString &path, const QString &program);

} // namespace rb
