// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The window of prisma: the deviation plot of a prism, with scroll bars for
// its apex angle and its refractive index.
#pragma once

#include "common/widgets/form.h"
#include "prisma/model/minimum_deviation.h"

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace rb::prisma {

class Form1 : public Form {
    Q_OBJECT
public:
    Form1();

    void Form_Load();
    void HScroll1_Change();
    void HScroll2_Change();
    void Picture1_Paint();
    void Check1_Click(); // "Werte"
    bool ShowsValues() const;

    double piValue = 0;
    double apexAngle = 0;
    float refrIndex = 0;

    Picture *Picture1;
    QScrollBar *HScroll1;
    QScrollBar *HScroll2;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLabel *Label7; // under the apex bar
    QLabel *Label8; // under the index bar
    // The captions of the plot's axes, on Picture1.
    QLabel *Label1; // "0°", the deviation axis
    QLabel *Label2; // "90°", the deviation axis
    QLabel *Label3; // "0°", the incidence axis
    QLabel *Label4; // "90°", the incidence axis
    QLabel *Label5; // "-90°", the incidence axis
    QLabel *Label6; // "Einfallswinkel"
    QLabel *Label9; // "Ablenkwinkel"
    // In the plot when no ray gets through the prism and the curve is empty.
    QLabel *Label10;
    // "Werte": the minimum's numbers on the plot, and their label there.
    QCheckBox *Check1;
    QLabel *Label11;

protected:
    void LayOut() override;

private:
    void PlacePlotLabels();
    // The plot told in words for screen readers: what it shows and its
    // lowest point.
    void DescribePlot();
    // Shows Label10, centred on the plot, when no ray gets through.
    void ShowNoRay(bool none);
    void MakeValuesBox();
    // The plot, with the minimum marked when "Werte" is on.
    void DrawPlot();
    std::optional<DeviationMinimum> MarkedMinimum() const;
    static QString MinimumText(const DeviationMinimum &m);
};

} // namespace rb::prisma
