// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// prisma: the deviation of a ray by a prism against its angle of incidence;
// the lowest point of the curve is the minimum deviation.
#include "common/app/command_line.h"
#include "common/app/run_program.h"
#include "common/export/headless_save.h"
#include "prisma/form1.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <optional>

int main(int argc, char **argv)
{
    rb::CommandLine commandLine(
        QStringLiteral("prisma"),
        {"prisma", QT_TRANSLATE_NOOP("prisma", "Zeigt die Ablenkung eines Strahls durch ein Prisma gegen den "
                                              "Einfallswinkel; der tiefste Punkt der Kurve ist das Minimum der "
                                              "Ablenkung.")});
    // The values the two scroll bars take: the apex in whole degrees, the
    // index in hundredths.
    std::optional<int> apex, index;
    commandLine.AddOption(QStringLiteral("apex"), {"prisma", QT_TRANSLATE_NOOP("prisma", "GRAD")},
                          {"prisma", QT_TRANSLATE_NOOP("prisma", "Winkel der brechenden Kante, 1 bis 180")},
                          [&](const QString &v) {
                              apex = rb::ScrollBarValue(v, 1, 180);
                              return apex ? QString()
                                          : QCoreApplication::translate("prisma", "eine ganze Zahl von 1 bis 180");
                          });
    commandLine.AddOption(QStringLiteral("index"), QStringLiteral("N"),
                          {"prisma", QT_TRANSLATE_NOOP("prisma", "Brechzahl, 0.5 bis 2 in Schritten von 0.01")},
                          [&](const QString &v) {
                              index = rb::ScrollBarValue(v, 50, 200, 100);
                              return index ? QString()
                                           : QCoreApplication::translate(
                                                 "prisma", "eine Zahl von 0.5 bis 2 in Schritten von 0.01, mit Punkt");
                          });
    const auto openWindow = [&] {
        auto form = std::make_shared<rb::prisma::Form1>();
        form->Form_Load();
        if (apex) form->HScroll1->setValue(*apex);
        if (index) form->HScroll2->setValue(*index);
        return form;
    };
    return rb::RunProgram(commandLine, argc, argv, openWindow, rb::SaveOption::Offered);
}
