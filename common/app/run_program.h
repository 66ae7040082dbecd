// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The start of a program with one first window, written once for all three:
// the command line, the display (or none, when the window is saved from the
// command line), the process environment, the application, then the window
// shown until the user ends the program, or saved without a display.
//
//     rb::CommandLine commandLine(QStringLiteral("streu"), summary);
//     commandLine.AddOption(...);   // the program's own options
//     return rb::RunProgram(commandLine, argc, argv, [&] { ...; return window; }, rb::SaveOption::Offered);
#pragma once

#include "common/app/command_line.h"

#include <functional>
#include <memory>

class QWidget;

namespace rb {

// Whether the command line offers --save DATEI: the window's content is then
// written to the file, off screen, instead of the window being shown.
enum class SaveOption { None, Offered };

// Makes and loads the program's first window once the application exists,
// with the program's options applied, and hands it over. RunProgram lets go
// of it before the application goes; a window that belongs to someone else
// comes with a deleter that gives it back.
using OpenWindow = std::function<std::shared_ptr<QWidget>()>;

// Adds --save (when offered) and --lang to the program's own options, parses
// argc/argv and runs the program. Returns the exit status: the one of help,
// version, a wrong command line or a missing display before anything else
// starts; else that of the save, or of the event loop. A program whose
// saved window is not its first one names it in openSaved; it is made, with
// its content complete, only when --save is given.
int RunProgram(CommandLine &commandLine, int argc, char **argv, const OpenWindow &openWindow,
               SaveOption save = SaveOption::None, const OpenWindow &openSaved = {});

} // namespace rb
