// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The numbers behind Bild III as a CSV table. Every row is one point of a
// series: a bar of the sweep, or a point of a theory curve drawn beside the
// bars. The series and the model that computed it are columns of their own,
// so tables of several models and curves read alike.
#pragma once

#include "common/canvas/color.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace rb::tavrin {

// A bar as drawn, with the settings it was computed for.
struct WaveBar {
    double angle;     // degrees, as the angle scale reads the bar's place
    double amplitude; // of the phasor sum
    Color colour;
    int diameter;     // drop diameter in micrometres
    QString model;    // the model that computed it
    QString polarisation; // the polarisation option's text
    bool outerReflection = false;
    // Where it stands in Bild III, in its units: the x of its place (not a
    // column; the angle above is read from it) and the height of its top.
    double x = 0, top = 0;
};

// A point of a theory curve over the same angle scale.
// Its colour is that of the light, as a bar's, not the darker one the
// curve is drawn in.
struct WaveCurvePoint {
    double angle;
    double amplitude;
    Color colour;
    int diameter;
    QString model;
    QString polarisation;
    bool outerReflection = false;
    QString scaledTo; // the phasor model whose bars it was scaled to; not a column
    bool mie = false; // a curve of Lorenz–Mie theory, in the series "Mie"; its model is the choice of paths
};

// A bar marked with its value on Bild III: its index among the bars and
// what it is, as the "Markierung" column names it.
struct WaveMark {
    std::size_t bar;
    QString name;
};

// The name of the phasor sum over the fan of rays.
QString RayFanModelName();

// With marks, the table has a "Markierung" column, empty but in the marked
// bars' own rows, which follow the others again.
QByteArray WaveCsv(const std::vector<WaveBar> &bars, const std::vector<WaveCurvePoint> &theory = {},
                   const std::vector<WaveMark> &marks = {});

} // namespace rb::tavrin
