// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "streu/scatter_table.h"

#include "common/canvas/csv.h"
#include "streu/model/scatter_plot.h"

#include <QCoreApplication>

namespace rb::streu {

namespace {
std::string Header(const char *text)
{
    return QCoreApplication::translate("rb::streu::Form1", text).toStdString();
}
} // namespace

QByteArray ScatterCsv(std::int16_t reflCount, double refrIndex, float piValue, std::optional<TurningPoint> marked)
{
    std::vector<std::string> header{Header("Reflexionen"), Header("Stoßparameter (Tropfenradien)"), Header("Richtung (°)")};
    if (marked) header.push_back(Header("Markierung"));
    CsvTable table(header);
    const std::string k = CsvTable::Number(static_cast<long long>(reflCount));
    ForEachScatterPoint(reflCount, refrIndex, piValue, [&](double b, double d) {
        if (marked) table.Row({k, CsvTable::Number(b), CsvTable::Number(d), ""});
        else table.Row({k, CsvTable::Number(b), CsvTable::Number(d)});
    });
    if (marked)
        table.Row({k, CsvTable::Number(marked->impact), CsvTable::Number(marked->direction), Header("Umkehrpunkt")});
    return QByteArray::fromStdString(table.Str());
}

} // namespace rb::streu
