// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "prisma/deviation_table.h"

#include "common/canvas/csv.h"
#include "prisma/model/deviation_plot.h"

#include <QCoreApplication>
#include <cmath>
#include <vector>

namespace rb::prisma {

namespace {
std::string Header(const char *text)
{
    return QCoreApplication::translate("rb::prisma::Form1", text).toStdString();
}

struct Row {
    double incidence, deviation;
};
} // namespace

QByteArray DeviationCsv(double apexAngle, float refrIndex, double piValue, std::optional<DeviationMinimum> marked)
{
    // Rows run along the incidence axis from −90° to 90°: the negative
    // branch backwards, then the positive one. Both start at 0°, with the
    // same deviation; 0° is listed once.
    std::vector<Row> negative, positive;
    ForEachDeviationPoint(apexAngle, refrIndex, piValue, [&](DeviationBranch b, double alpha, float v) {
        if (b == DeviationBranch::Positive) positive.push_back({alpha, v});
        else if (alpha > 0.0) negative.push_back({-alpha, -double(v)});
    });
    std::vector<std::string> header{Header("Winkel der brechenden Kante (°)"), Header("Brechzahl"),
                                    Header("Einfallswinkel (°)"), Header("Ablenkwinkel (°)")};
    if (marked) header.push_back(Header("Markierung"));
    CsvTable table(header);
    const auto row = [&](const std::string &a, const std::string &n, double i, double d, const char *mark) {
        if (marked) table.Row({a, n, CsvTable::Number(i), CsvTable::Number(d), mark});
        else table.Row({a, n, CsvTable::Number(i), CsvTable::Number(d)});
    };
    const std::string apex = CsvTable::Number(std::round(apexAngle * 180.0 / piValue * 1e6) / 1e6);
    const std::string index = CsvTable::Number(double(refrIndex));
    for (auto it = negative.rbegin(); it != negative.rend(); ++it) row(apex, index, it->incidence, it->deviation, "");
    for (const Row &r : positive) row(apex, index, r.incidence, r.deviation, "");
    if (marked) row(apex, index, marked->incidence, marked->deviation, "D_min");
    return QByteArray::fromStdString(table.Str());
}

} // namespace rb::prisma
