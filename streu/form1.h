// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The window of streu: the full-screen plot of the direction of the light
// leaving a drop, and the scroll bar for the number of reflections.
#pragma once

#include "common/widgets/form.h"
#include "streu/scatter_table.h"

#include <optional>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace rb::streu {

class Form1 : public Form {
    Q_OBJECT
public:
    Form1();

    void Form_Load();
    void HScroll1_Change();
    void Picture1_Paint();
    bool ShowsValues() const;

    std::int16_t reflCount = 1;
    float piValue = 0;
    double refrIndex = 0;

    Picture *Picture1;
    QScrollBar *HScroll1;
    QLineEdit *Text1;
    QLabel *Label11; // under the bar
    // The captions of the plot's axes, on Picture1.
    QLabel *Label1; // "0°", the direction axis
    QLabel *Label2; // "90°"
    QLabel *Label3; // "180°"
    QLabel *Label4; // "270°"
    QLabel *Label5; // "360°"
    QLabel *Label6; // "0.0", the impact-parameter axis
    QLabel *Label7; // "0.5"
    QLabel *Label8; // "1.0"
    QLabel *Label9; // "Stoßparameter"
    // "Werte": the turning point's direction on the plot, and its label.
    QCheckBox *Check1;
    QLabel *Label10;

protected:
    void LayOut() override;

private:
    void PlacePlotLabels();
    // The plot told in words for screen readers: the number of reflections
    // and the curve's turning point, the rainbow angle.
    void DescribePlot();
    void MakeValuesBox();
    // The turning point ringed and labelled when "Werte" is on.
    void DrawValues();
    std::optional<TurningPoint> MarkedTurningPoint() const;
    static QString TurningText(const TurningPoint &t);
};

} // namespace rb::streu
