// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// tavrin: two models of the rainbow, the ray model and the wave model, opened
// from a start window; --save writes the rainbow in sunlight to a file.
#include "common/app/command_line.h"
#include "common/app/run_program.h"
#include "tavrin/navigation.h"
#include "tavrin/start/form3.h"
#include "tavrin/sunlight/sun_form.h"
#include "tavrin/sunlight/sun_options.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    rb::CommandLine commandLine(QStringLiteral("tavrin"),
                                {"tavrin", QT_TRANSLATE_NOOP("tavrin", "Modelle zur Regenbogendeutung: das Strahlenmodell und das "
                                                            "Wellenmodell, geöffnet aus einem Startfenster.")});
    rb::tavrin::SunlightOptions sunlight;
    rb::tavrin::AddSunlightOptions(commandLine, sunlight);
    // The navigation owns the windows; it lets go of all of them once the
    // event loop has returned, while the application still exists.
    const auto release = [](QWidget *) { rb::tavrin::Navigation::Get().Reset(); };
    const auto openWindow = [&] {
        auto &windows = rb::tavrin::Navigation::Get();
        if (sunlight.Any()) {
            rb::tavrin::ApplySunlightOptions(windows.SunlightForm(), sunlight);
            windows.SunlightForm().show();
        }
        return std::shared_ptr<QWidget>(&windows.StartForm(), release);
    };
    // The sunlight window, saved once its picture and Lee's diagram are done.
    const auto openSaved = [&] {
        rb::tavrin::SunForm &form = rb::tavrin::Navigation::Get().SunlightForm();
        rb::tavrin::ApplySunlightOptions(form, sunlight);
        form.show();
        rb::tavrin::WaitForSunlight(form);
        return std::shared_ptr<QWidget>(&form, release);
    };
    return rb::RunProgram(commandLine, argc, argv, openWindow, rb::SaveOption::Offered, openSaved);
}
