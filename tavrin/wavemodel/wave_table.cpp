// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/wave_table.h"

#include "common/canvas/csv.h"

#include <QCoreApplication>

namespace rb::tavrin {

namespace {
const char *const kContext = "rb::tavrin::Form5";

std::string Text(const char *text) { return QCoreApplication::translate(kContext, text).toStdString(); }

std::string ColourName(Color c)
{
    if (c == RGB(255, 0, 0)) return Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "rot"));
    if (c == RGB(0, 255, 0)) return Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "grün"));
    if (c == RGB(0, 0, 255)) return Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "blau"));
    return std::string();
}

void Add(CsvTable &table, const std::string &series, double angle, double amplitude, Color colour,
         int diameter, const QString &model)
{
    table.Row({CsvTable::Text(series), CsvTable::Text(model.toStdString()), CsvTable::Number(angle),
               CsvTable::Number(amplitude), CsvTable::Text(ColourName(colour)),
               CsvTable::Number(static_cast<long long>(diameter))});
}
} // namespace

QString RayFanModelName() { return QCoreApplication::translate(kContext, "321 Strahlen"); }

QByteArray WaveCsv(const std::vector<WaveBar> &bars, const std::vector<WaveCurvePoint> &theory)
{
    CsvTable table({Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Reihe")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Modell")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Winkel (°)")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Amplitude")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Farbe")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Tropfendurchmesser (µm)"))});
    const std::string bar = Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Balken"));
    const std::string curve = Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Theorie"));
    for (const WaveBar &b : bars) Add(table, bar, b.angle, b.amplitude, b.colour, b.diameter, b.model);
    for (const WaveCurvePoint &p : theory) Add(table, curve, p.angle, p.amplitude, p.colour, p.diameter, p.model);
    return QByteArray::fromStdString(table.Str());
}

} // namespace rb::tavrin
