// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The window of prisma: the deviation plot of a prism, with scroll bars for
// its apex angle and its refractive index.
#pragma once

#include "common/widgets/form.h"

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

protected:
    void LayOut() override;

private:
    void PlacePlotLabels();
    // The plot told in words for screen readers: what it shows and its
    // lowest point.
    void DescribePlot();
};

} // namespace rb::prisma
