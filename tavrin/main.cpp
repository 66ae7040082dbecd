// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// tavrin: two models of the rainbow, the ray model and the wave model, opened
// from a start window.
#include "common/app/command_line.h"
#include "common/app/run_program.h"
#include "tavrin/navigation.h"
#include "tavrin/start/form3.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    rb::CommandLine commandLine(QStringLiteral("tavrin"),
                                {"tavrin", QT_TRANSLATE_NOOP("tavrin", "Modelle zur Regenbogendeutung: das Strahlenmodell und das "
                                                            "Wellenmodell, geöffnet aus einem Startfenster.")});
    // The navigation owns the windows; it lets go of all of them once the
    // event loop has returned, while the application still exists.
    const auto openWindow = [] {
        return std::shared_ptr<QWidget>(&rb::tavrin::Navigation::Get().StartForm(),
                                        [](QWidget *) { rb::tavrin::Navigation::Get().Reset(); });
    };
    return rb::RunProgram(commandLine, argc, argv, openWindow);
}
