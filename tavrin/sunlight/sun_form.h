// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The window "Regenbogen im Sonnenlicht": the two bows as a photograph with
// a fixed exposure shows them, computed from sunlight's spectrum, and the
// spectrum behind that picture. On the left the drop's diameter, the theory,
// the sun's disc and a polarising filter; on the right the sky (Picture1),
// the arcs of the bows around the antisolar point on the horizon, and under
// it the intensity against the angle from the antisolar point for a few
// wavelengths and the luminance (Picture2). Under both Lee's diagram
// (Picture3): the same angles across, every drop size from 10 to 2000 µm up,
// filled in row by row once the chosen size's picture is done; a click or
// the arrow keys there choose the drop size.
#pragma once

#include "common/widgets/form.h"
#include "tavrin/sunlight/model/lee_diagram.h"
#include "tavrin/sunlight/model/sun_bow.h"
#include "tavrin/sunlight/sun_job.h"

#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QScrollBar;

namespace rb::tavrin {

class SunForm : public Form {
    Q_OBJECT
public:
    SunForm();
    ~SunForm() override;

    void Form_Load();
    // The settings the controls show, as the model takes them.
    SunBowRequest Request() const;
    // The latest picture, once one is done.
    const std::optional<SunBow> &Shown() const { return shown_; }
    bool Computing() const { return job_.Running(); }
    // Lee's diagram: rows done of kLeeRows, and whether more are to come.
    int LeeRowsDone() const;
    bool LeeFilling() const { return LeeRowsDone() < kLeeRows; }
    const std::vector<std::optional<LeeRow>> &LeeRows() const { return leeRows_; }
    QByteArray Csv() const;
    // Sets the drop size and the spread (a fraction) as the controls would.
    void SetDiameter(double microns);
    void SetSpread(int percent);

    // The diameters the bar steps through, µm: about six to a factor of ten.
    static const std::vector<double> &Diameters();

    QLabel *Label1;         // "Tropfendurchmesser"
    QScrollBar *HScroll1;   // the diameter, logarithmic
    QLineEdit *Text1;       // the diameter, shown and typed
    QGroupBox *Frame1;      // the theory
    QRadioButton *Option1, *Option2, *Option6; // Mie, Airy, the whole drop's phasors
    QCheckBox *Check1;      // the sun's disc
    QGroupBox *Frame2;      // the filter
    QRadioButton *Option3, *Option4, *Option5; // none, s, p
    QLabel *Label2;         // what was summed, or that it computes
    QProgressBar *Busy;     // moves while it computes
    QLabel *Label3;         // the exposure rule
    QLabel *Label4, *Label5; // the pictures' captions
    Picture *Picture1;      // the sky
    Picture *Picture2;      // the spectrum
    std::vector<QLabel *> degreeLabels; // under the spectrum
    QLabel *Label6;         // the spectrum's legend
    QLabel *Label7;         // "Streuung der Größen in %"
    QScrollBar *HScroll2;   // the spread, 0–30 %
    QLineEdit *Text2;       // the spread, shown
    QLabel *Label8;         // Lee's diagram's caption
    Picture *Picture3;      // Lee's diagram
    std::vector<QLabel *> diameterLabels; // beside it
    std::vector<QLabel *> leeDegreeLabels; // under it
    QLabel *Label9;         // how far the diagram has come
    QProgressBar *Busy2;    // the same as a bar

protected:
    void LayOut() override;
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Recompute();
    static QString SummaryText(BowTheory theory, int wavelengths, long long summed, long long angles, int sizes);
    void Finished(const SunBow &bow);
    void TextTyped();
    void BarMoved();
    void DrawSky();
    void DrawSpectrum();
    void Describe();
    void PlaceDegreeLabels();
    void PlaceDiameterLabels();
    int AnglePixels() const;

    // Lee's diagram (sun_form_lee.cpp).
    void SpreadMoved();
    void ResetLeeIfSettingsChanged();
    void StartLeeRow();
    void LeeRowDone(const SunBow &bow);
    void DrawLee();
    void DrawLeeRows(int from, int to);
    void DrawLeeMark();
    void ShowLeeProgress();
    void DescribeLee();
    void Picture3_MouseDown(int button, int shift, double x, double y);
    void Picture3_KeyDown(int key, int shift);
    void ChooseDiameter(double d);

    double diameter_ = 1000;
    int spreadPercent_ = 0;
    std::optional<SunBow> shown_;
    bool stale_ = true;
    SunJob job_{this};
    // The rows so far, the settings they were made with, their angles.
    std::vector<std::optional<LeeRow>> leeRows_ = std::vector<std::optional<LeeRow>>(kLeeRows);
    SunBowRequest leeSettings_;
    std::vector<double> leeAngles_;
    int leeMarkRow_ = -1;
    SunJob leeJob_{this};
};

} // namespace rb::tavrin
