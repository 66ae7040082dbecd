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

template <typename Point>
void Add(CsvTable &table, const std::string &series, const Point &p, bool marked, const QString &mark = {})
{
    const std::string outer = p.outerReflection ? Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "ja"))
                                                : Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "nein"));
    const std::string seriesText = CsvTable::Text(series), model = CsvTable::Text(p.model.toStdString());
    const std::string angle = CsvTable::Number(p.angle), amplitude = CsvTable::Number(p.amplitude);
    const std::string colour = CsvTable::Text(ColourName(p.colour));
    const std::string diameter = CsvTable::Number(static_cast<long long>(p.diameter));
    const std::string polarisation = CsvTable::Text(p.polarisation.toStdString()), outerText = CsvTable::Text(outer);
    if (marked)
        table.Row({seriesText, model, angle, amplitude, colour, diameter, polarisation, outerText,
                   CsvTable::Text(mark.toStdString())});
    else table.Row({seriesText, model, angle, amplitude, colour, diameter, polarisation, outerText});
}
} // namespace

QString RayFanModelName() { return QCoreApplication::translate(kContext, "321 Strahlen"); }

QByteArray WaveCsv(const std::vector<WaveBar> &bars, const std::vector<WaveCurvePoint> &theory,
                   const std::vector<WaveMark> &marks)
{
    std::vector<std::string> header{Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Reihe")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Modell")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Winkel (°)")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Amplitude")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Farbe")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Tropfendurchmesser (µm)")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Polarisation")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Außenreflexion"))};
    const bool marked = !marks.empty();
    if (marked) header.push_back(Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Markierung")));
    CsvTable table(header);
    const std::string bar = Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Balken"));
    const std::string curve = Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Theorie"));
    for (const WaveBar &b : bars) Add(table, bar, b, marked);
    for (const WaveCurvePoint &p : theory) Add(table, p.mie ? std::string("Mie") : curve, p, marked);
    for (const WaveMark &m : marks)
        if (m.bar < bars.size()) Add(table, bar, bars[m.bar], marked, m.name);
    return QByteArray::fromStdString(table.Str());
}

} // namespace rb::tavrin
