// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/sun_options.h"

#include "common/export/headless_save.h"
#include "tavrin/sunlight/sun_form.h"

#include <QCoreApplication>
#include <QRadioButton>

namespace rb::tavrin {

void AddSunlightOptions(CommandLine &commandLine, SunlightOptions &o)
{
    commandLine.AddOption(
        QStringLiteral("diameter"), QStringLiteral("µm"),
        {"tavrin", QT_TRANSLATE_NOOP("tavrin", "Tropfendurchmesser im Sonnenlicht, 10 bis 2000 µm")},
        [&o](const QString &v) {
            o.tenthsOfMicrons = ScrollBarValue(v, 100, 20000, 10);
            return o.tenthsOfMicrons ? QString()
                                     : QCoreApplication::translate(
                                           "tavrin", "eine Zahl von 10 bis 2000 mit höchstens einer Nachkommastelle, mit Punkt");
        });
    commandLine.AddOption(
        QStringLiteral("spread"), QStringLiteral("%"),
        {"tavrin", QT_TRANSLATE_NOOP("tavrin", "Streuung der Tropfengrößen in Prozent, 0 bis 30")},
        [&o](const QString &v) {
            o.spreadPercent = ScrollBarValue(v, 0, 30);
            return o.spreadPercent ? QString() : QCoreApplication::translate("tavrin", "eine ganze Zahl von 0 bis 30");
        });
    commandLine.AddOption(
        QStringLiteral("model"), QStringLiteral("mie|airy|phasors"),
        {"tavrin", QT_TRANSLATE_NOOP("tavrin", "Theorie im Sonnenlicht: mie (exakt), airy oder phasors (Zeiger des ganzen Tropfens)")},
        [&o](const QString &v) {
            static const QLatin1String kNames[] = {QLatin1String("mie"), QLatin1String("airy"), QLatin1String("phasors")};
            for (int i = 0; i < 3; ++i)
                if (v == kNames[i]) {
                    o.model = i;
                    return QString();
                }
            return QCoreApplication::translate("tavrin", "mie, airy oder phasors");
        });
}

void ApplySunlightOptions(SunForm &form, const SunlightOptions &o)
{
    if (o.model) (*o.model == 0 ? form.Option1 : *o.model == 1 ? form.Option2 : form.Option6)->setChecked(true);
    if (o.spreadPercent) form.SetSpread(*o.spreadPercent);
    if (o.tenthsOfMicrons) form.SetDiameter(*o.tenthsOfMicrons / 10.0);
}

void WaitForSunlight(const SunForm &form)
{
    while (form.Computing() || form.LeeFilling())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace rb::tavrin
