// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// streu: the direction of the light a drop sends out, against the impact
// parameter, for 1 to 15 reflections inside the drop.
#include "common/app/command_line.h"
#include "common/app/run_program.h"
#include "common/export/headless_save.h"
#include "streu/form1.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <optional>

int main(int argc, char **argv)
{
    rb::CommandLine commandLine(
        QStringLiteral("streu"),
        {"streu", QT_TRANSLATE_NOOP("streu", "Zeigt die Richtung des vom Tropfen gestreuten Lichts als Funktion des "
                                             "Stoßparameters, für 1 bis 15 Reflexionen im Tropfen.")});
    std::optional<int> reflections;
    commandLine.AddOption(QStringLiteral("reflections"), QStringLiteral("N"),
                          {"streu", QT_TRANSLATE_NOOP("streu", "Zahl der Reflexionen im Tropfen, 1 bis 15")},
                          [&](const QString &v) {
                              reflections = rb::ScrollBarValue(v, 1, 15);
                              return reflections ? QString()
                                                 : QCoreApplication::translate("streu", "eine ganze Zahl von 1 bis 15");
                          });
    const auto openWindow = [&] {
        auto form = std::make_shared<rb::streu::Form1>();
        form->Form_Load();
        if (reflections) form->HScroll1->setValue(*reflections);
        return form;
    };
    return rb::RunProgram(commandLine, argc, argv, openWindow, rb::SaveOption::Offered);
}
