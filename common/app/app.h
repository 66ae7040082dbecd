// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A program's start: whether a display is there, the process environment,
// and the application's defaults once it exists.
#pragma once

#include "common/app/language.h"

#include <QString>
#include <optional>

class QApplication;

namespace rb {

// Whether the windows can be opened: without a display the toolkit would
// abort. Returns nothing when they can; otherwise says so in one line on
// stderr, with how to start the program on a virtual screen, and returns the
// status to exit with. program is the command as the user typed it; platform
// and display, those given on the command line (-platform, -display), which
// go before the environment's.
std::optional<int> RequireDisplay(const char *program, const QString &platform = {}, const QString &display = {});

// Prepares the process before the QApplication exists: when no runtime
// folder is set, or one the toolkit would refuse, a fresh private one
// (removed at exit) in the temporary folder, /tmp or the user's cache
// folder, never at the root; so headless runs stay quiet and share nothing
// with other users; and a write past a
// file-size limit fails with a reason instead of a signal ending the program.
void PrepareEnvironment();
// Fonts, the interface language and other defaults once the QApplication
// exists. Call it right after the QApplication is made: it lets go of the
// display RequireDisplay found. Without a language given, the user's locale
// decides the interface language.
void InitApplication(QApplication &app, std::optional<Language> language = std::nullopt);

} // namespace rb
