// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "prisma/form1.h"

#include "common/export/window_saver.h"
#include "common/widgets/bar_text.h"
#include "common/widgets/controls.h"
#include "common/widgets/event_loop.h"
#include "common/widgets/fonts.h"
#include "common/widgets/number_text.h"
#include "common/widgets/units.h"
#include "prisma/deviation_table.h"
#include "prisma/model/deviation_plot.h"
#include "prisma/model/minimum_deviation.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace rb::prisma {

namespace {
constexpr FontSpec kTextFont{9.75, true};
constexpr FontSpec kCaptionFont{12, true};
// The design width of the window's client area, in 1/1440 inch.
constexpr double kDesignClientWidth = 14115;

// Axis captions on the plot: the window's label, its text and size, left,
// top and width in plot units, height in 1/1440 inch. The title of the
// deviation axis keeps its place from the design, in 1/1440 inch from the
// plot's corner (left < -1e9 marks it).
struct PlotLabel {
    QLabel *Form1::*label;
    const char *caption;
    double points;
    double left, top, width, height;
};
constexpr double kDesignPlace = -1e10;
constexpr PlotLabel kPlotLabels[] = {
    {&Form1::Label1, QT_TRANSLATE_NOOP("rb::prisma::Form1", "0°"), 12, -960, 980, 50, 255},
    {&Form1::Label2, QT_TRANSLATE_NOOP("rb::prisma::Form1", "90°"), 12, -960, 90, 50, 375},
    {&Form1::Label3, QT_TRANSLATE_NOOP("rb::prisma::Form1", "0°"), 9.75, 0, 1015, 50, 375},
    {&Form1::Label4, QT_TRANSLATE_NOOP("rb::prisma::Form1", "90°"), 12, 890, 1015, 50, 255},
    {&Form1::Label5, QT_TRANSLATE_NOOP("rb::prisma::Form1", "-90°"), 12, -940, 1015, 50, 375},
    {&Form1::Label6, QT_TRANSLATE_NOOP("rb::prisma::Form1", "Einfallswinkel"), 12, -150, 1050, 400, 375},
    {&Form1::Label9, QT_TRANSLATE_NOOP("rb::prisma::Form1", "Ablenkwinkel"), 12, kDesignPlace, 0, 1695, 375},
};
} // namespace

Form1::Form1()
{
    setWindowTitle(tr("Minimum der Ablenkung bei einem Prisma"));
    SetBackColor(RGB(192, 192, 192));
    setFont(UiFont(8.25, true));

    Picture1 = new Picture(this);
    for (const PlotLabel &p : kPlotLabels) {
        this->*p.label = MakeClearLabel(Picture1, tr(p.caption), {p.points, true});
        (this->*p.label)->setWordWrap(false);
    }
    Label10 = MakeLabel(Picture1, tr("Kein Strahl tritt durch das Prisma."), kCaptionFont, RGB(255, 255, 255));
    Label10->setWordWrap(false);
    Label10->hide();
    HScroll1 = MakeScrollBar(this, Qt::Horizontal, 1, 180, 1, 10, 60);
    HScroll2 = MakeScrollBar(this, Qt::Horizontal, 50, 200, 1, 10, 150);
    Text1 = MakeTextBox(this, QString(), kTextFont);
    Text2 = MakeTextBox(this, QString(), kTextFont);
    Label7 = MakeLabel(this, tr("Winkel der brech.Kante des Prismas"), kCaptionFont, RGB(192, 192, 192));
    Label8 = MakeLabel(this, tr("Brechzahl"), kCaptionFont, RGB(192, 192, 192));
    MakeValuesBox();

    // Each bar and its text box are named by the caption under the bar.
    for (QWidget *w : {static_cast<QWidget *>(HScroll1), static_cast<QWidget *>(Text1)})
        w->setAccessibleName(Label7->text());
    for (QWidget *w : {static_cast<QWidget *>(HScroll2), static_cast<QWidget *>(Text2)})
        w->setAccessibleName(Label8->text());
    Picture1->setAccessibleName(tr("Diagramm"));
    // Tab in reading order: each bar, then the value beside it.
    setTabOrder(HScroll1, Text1);
    setTabOrder(Text1, HScroll2);
    setTabOrder(HScroll2, Text2);
    setTabOrder(Text2, Check1);

    // Typed values move the bars; the curve follows a dragged thumb.
    new BarText(Text1, HScroll1, 1, [](int v) { return QString::number(v); });
    new BarText(Text2, HScroll2, 100, [](int v) { return NumberText(static_cast<float>(v / 100.0)); });
    HScroll1->setTracking(true);
    HScroll2->setTracking(true);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(Picture1, &Picture::Paint, this, &Form1::Picture1_Paint);
    connect(this, &Form::Unload, this, [] { End(); });
    new WindowSaver(this, QStringLiteral("prisma"),
                    [this] { return DeviationCsv(apexAngle, refrIndex, piValue, MarkedMinimum()); });
}

void Form1::Form_Load()
{
    LayOut();
    piValue = 4.0 * std::atan(1.0);
    apexAngle = piValue * 60 / 180;
    Text1->setText(QStringLiteral("60"));
    refrIndex = 1.5f;
    Text2->setText(NumberText(refrIndex));
    DescribePlot();
}

// The window keeps its design width where the screen has room for it, and
// takes 95 % of the screen's height with its frame, in the top-left corner.
void Form1::LayOut()
{
    const double frameWidth = OuterWidthTwips() - WidthTwips();
    const double outerWidth = std::min(kDesignClientWidth + frameWidth, ScreenWidthTwips());
    SetOuterGeometryTwips(1, 1, outerWidth, 0.95 * ScreenHeightTwips());
    const double W = WidthTwips(), H = HeightTwips();
    Place(Picture1, 0.01 * W, 0.01 * H, 0.95 * W, 0.8 * H);
    Picture1->Scale(kPlotScaleLeft, kPlotScaleTop, kPlotScaleWidth, kPlotScaleHeight);

    const double barLeft = ChildLeft(Picture1);
    const double barTop = ChildTop(Picture1) + ChildHeight(Picture1) + 0.02 * H;
    const double barHeight = 0.05 * H, barWidth = 0.4 * ChildWidth(Picture1);
    Place(HScroll1, barLeft, barTop, barWidth, barHeight);
    Place(Text1, barLeft + barWidth, barTop, 0.04 * W, barHeight);
    const double bar2Left = barLeft + barWidth + 0.04 * W + 0.03 * W;
    Place(HScroll2, bar2Left, barTop, barWidth, barHeight);
    Place(Text2, bar2Left + barWidth, barTop, 0.04 * W, barHeight);
    // "Werte" right of the index's box, level with the bars.
    const double boxLeft = bar2Left + barWidth + 0.04 * W + 0.01 * W;
    Place(Check1, boxLeft, barTop, ChildWidth(Check1), barHeight);
    PlacePlotLabels();
    Place(Label7, barLeft, barTop + barHeight + 10, barWidth, 375);
    Place(Label8, bar2Left, barTop + barHeight + 10, barWidth, 375);
    FitText(Label7);
    FitText(Label8);
    FreezeSize();
}

void Form1::DescribePlot()
{
    const double apexDegrees = std::round(apexAngle * 180 / piValue);
    QString text =
        tr("Ablenkwinkel gegen Einfallswinkel für A = %1°, n = %2").arg(NumberText(apexDegrees), NumberText(refrIndex));
    const auto minimum = MinimumDeviation(apexAngle, refrIndex, piValue);
    if (minimum) {
        text += tr("; Minimum %1° bei %2°").arg(HundredthsText(minimum->deviation), HundredthsText(minimum->incidence));
        if (ShowsValues()) text += tr("; auf dem Diagramm markiert: %1").arg(MinimumText(*minimum));
    }
    else
        text += tr("; kein Strahl geht durch das Prisma");
    Picture1->setAccessibleDescription(text);
    ShowNoRay(!minimum);
}

// A ray that passes on the far side of the normal passes at normal
// incidence too, so "no minimum" means that no ray at all gets through.
void Form1::ShowNoRay(bool none)
{
    Label10->setVisible(none);
    if (!none) return;
    // Centred between the axes, over the grid's middle line.
    constexpr double kCentreX = 0, kCentreY = 550;
    Label10->adjustSize();
    const ScaleMap m = Picture1->Map();
    Label10->move(int(std::lround(m.ToPixelX(kCentreX))) - Label10->width() / 2,
                  int(std::lround(m.ToPixelY(kCentreY))) - Label10->height() / 2);
}

void Form1::PlacePlotLabels()
{
    for (const PlotLabel &p : kPlotLabels) {
        QLabel *l = this->*p.label;
        const int h = int(std::lround(TwipsToPixels(p.height)));
        if (p.left == kDesignPlace) {
            l->setGeometry(int(std::lround(TwipsToPixels(480))), int(std::lround(TwipsToPixels(120))),
                           int(std::lround(TwipsToPixels(p.width))), h);
        } else {
            Picture1->Move(l, p.left, p.top);
            const double w = p.width * std::fabs(Picture1->Map().PixelsPerUnitX());
            l->resize(std::max(1, int(std::lround(w))), h);
        }
        // The design widths were made for a narrower face; let no caption be cut.
        FitText(l);
    }
}

void Form1::HScroll1_Change()
{
    Picture1->Cls();
    apexAngle = HScroll1->value();
    Text1->setText(QString::number(HScroll1->value()));
    apexAngle = piValue * apexAngle / 180;
    DrawPlot();
    DescribePlot();
}

void Form1::HScroll2_Change()
{
    refrIndex = static_cast<float>(HScroll2->value() / 100.0);
    Text2->setText(NumberText(refrIndex));
    Picture1->Cls();
    DrawPlot();
    DescribePlot();
}

void Form1::Picture1_Paint() { DrawPlot(); }

} // namespace rb::prisma
