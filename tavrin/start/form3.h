// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The start window of tavrin: the ray model on the left, the wave model on
// the right, each with its illustration, a description and a "Start"
// button, and "End" between them. It is the hub between the two models.
#pragma once

#include "common/widgets/form.h"
#include "common/widgets/queued_call.h"
#include "tavrin/start/model/start_illustrations.h"

class QLabel;
class QPushButton;

namespace rb::tavrin {

class Form3 : public Form {
    Q_OBJECT
public:
    Form3();

    void Form_Load();
    // Draws both illustrations over what the pictures show.
    void Form_Paint();
    // Five more rays on the wave model's picture.
    void Form_Click();
    void Command4_Click(); // "Start": the ray model
    void Command3_Click(); // "Start": the wave model
    void Command1_Click(); // "End"
    void Form_Unload();

    // The window-level values of the illustrations (piValue, dropRadius,
    // refrIndex and the trace's working variables).
    StartIllustrations illustrations;

    QLabel *Label2;    // "Strahlenmodell"
    QLabel *Label3;    // "Wellenmodell"
    QLabel *Label5;    // description of the wave model
    QLabel *Label6;    // description of the ray model
    Picture *Picture1; // the wave model's illustration
    Picture *Picture2; // the ray model's illustration
    QLabel *Label7;    // "A", on Picture1
    QLabel *Label8;    // "B", on Picture1
    QPushButton *Command4;
    QPushButton *Command1;
    QPushButton *Command3;

signals:
    // The user asked for a model's window; the hub itself stays or goes as
    // the button says.
    void RayModelRequested();
    void WaveModelRequested();

protected:
    void LayOut() override;
    // The program's zoom times the factor the window's design is laid out at.
    double OwnZoom() const override;

private:
    // Every control at a fraction of its design place, size and font.
    void PlaceControls(double zoom);
    void ScaleIllustration(Picture *p);
    // The window and both pictures ask for a paint when first shown or
    // rebuilt; one drawing of the illustrations serves them all.
    QueuedCall illustrationsPaint_{this, [this] { Form_Paint(); }};
    double zoom_ = 1.0;
};

} // namespace rb::tavrin
