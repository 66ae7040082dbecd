// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/raymodel/strip_table.h"

#include "common/canvas/csv.h"

#include <QCoreApplication>

namespace rb::tavrin {

namespace {
std::string Text(const char *text) { return QCoreApplication::translate("rb::tavrin::form2", text).toStdString(); }

std::string ColourName(std::int16_t index)
{
    switch (index) {
    case 1: return Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "rot"));
    case 2: return Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "grün"));
    case 3: return Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "blau"));
    default: return std::string();
    }
}

std::string MaterialName(std::int16_t material)
{
    return material == 1 ? Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "Glas BK7"))
                         : Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "Wasser"));
}
} // namespace

QByteArray StripMarksCsv(const std::vector<StripMark> &marks, std::optional<StripMark> descartes)
{
    std::vector<std::string> header{Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "Winkel (°)")),
                                    Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "Farbe")),
                                    Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "Reflexionen")),
                                    Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "Material"))};
    if (descartes) header.push_back(Text(QT_TRANSLATE_NOOP("rb::tavrin::form2", "Markierung")));
    CsvTable table(header);
    const auto row = [&](const StripMark &m, const std::string &mark) {
        const std::string w = CsvTable::Number(m.scatterAngle), colour = CsvTable::Text(ColourName(m.colourIndex));
        const std::string k = CsvTable::Number(static_cast<long long>(m.reflCount));
        const std::string material = CsvTable::Text(MaterialName(m.material));
        if (descartes) table.Row({w, colour, k, material, mark});
        else table.Row({w, colour, k, material});
    };
    for (const StripMark &m : marks) row(m, std::string());
    if (descartes) row(*descartes, "Descartes");
    return QByteArray::fromStdString(table.Str());
}

} // namespace rb::tavrin
