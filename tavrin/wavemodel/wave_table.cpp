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

template <typename Point> void Add(CsvTable &table, const std::string &series, const Point &p)
{
    const std::string outer = p.outerReflection ? Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "ja"))
                                                : Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "nein"));
    table.Row({CsvTable::Text(series), CsvTable::Text(p.model.toStdString()), CsvTable::Number(p.angle),
               CsvTable::Number(p.amplitude), CsvTable::Text(ColourName(p.colour)),
               CsvTable::Number(static_cast<long long>(p.diameter)), CsvTable::Text(p.polarisation.toStdString()),
               CsvTable::Text(outer)});
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
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Tropfendurchmesser (µm)")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Polarisation")),
                    Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Außenreflexion"))});
    const std::string bar = Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Balken"));
    const std::string curve = Text(QT_TRANSLATE_NOOP("rb::tavrin::Form5", "Theorie"));
    for (const WaveBar &b : bars) Add(table, bar, b);
    for (const WaveCurvePoint &p : theory) Add(table, p.mie ? std::string("Mie") : curve, p);
    return QByteArray::fromStdString(table.Str());
}

} // namespace rb::tavrin
