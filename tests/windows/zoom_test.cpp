// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The presentation zoom on the screen the test runs on: every window at the
// zoom it reaches keeps on the screen with nothing clipped or covered, the
// start window is as large as it can be, pens widen in the drawing itself,
// and zoom 1 after a zoom is the layout of zoom 1.
#include "common/widgets/form.h"
#include "common/widgets/zoom.h"
#include "prisma/form1.h"
#include "streu/form1.h"
#include "tavrin/navigation.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/sunlight/sun_form.h"
#include "tavrin/wavemodel/form5.h"
#include "tests/windows/tavrin_windows.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wait.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

#include <initializer_list>

using namespace rb;
using namespace rb::testing;

namespace {

class Zoomed : public TavrinWindows, public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override
    {
        TavrinWindows::SetUp();
        Form::SetProgramZoom(GetParam());
    }
    void TearDown() override
    {
        TavrinWindows::TearDown();
        Form::SetProgramZoom(kMinZoom);
    }

    // Shown, on the screen, not above the zoom asked for, nothing clipped
    // or covered but what the design lays on top.
    static void CheckWindow(Form &f, const std::vector<Overlap> &designed = {})
    {
        f.show();
        ASSERT_TRUE(Settle(&f));
        const QString name = f.windowTitle();
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(f.frameGeometry()))
            << name.toStdString();
        EXPECT_GE(f.WindowZoom(), kMinZoom);
        EXPECT_LE(f.WindowZoom(), RequestedZoom() + 1e-9);
        EXPECT_EQ(name.contains(QStringLiteral("Zoom")), f.WindowZoom() < RequestedZoom() - 0.005)
            << name.toStdString();
        EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(u'\n').toStdString();
        EXPECT_TRUE(OverlappingControls(&f, designed).isEmpty())
            << OverlappingControls(&f, designed).join(u'\n').toStdString();
    }
};

TEST_P(Zoomed, EveryWindowKeepsOnItsScreenWithNothingClippedOrCovered)
{
    tavrin::Navigation &windows = tavrin::Navigation::Get();
    tavrin::Form3 &start = windows.StartForm();
    CheckWindow(start);
    // The start window has a fixed design: it is as large as the zoom
    // asked for, or as large as fits, touching an edge of the screen.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const bool touches = start.frameGeometry().height() >= area.height() - 2 ||
                         start.frameGeometry().width() >= area.width() - 2;
    EXPECT_TRUE(start.WindowZoom() >= GetParam() - 0.005 || touches) << start.WindowZoom();
    EXPECT_NEAR(start.width(), 693 * start.WindowZoom(), 2);

    tavrin::form2 &ray = windows.RayForm();
    CheckWindow(ray, {{ray.Picture2, ray.Picture3}});
    tavrin::Form5 &wave = windows.WaveForm();
    CheckWindow(wave, {{wave.Picture1, wave.Picture2}});
    wave.Command4->click();
    ASSERT_NE(windows.LoadedSunlightForm(), nullptr);
    CheckWindow(*windows.LoadedSunlightForm());

    prisma::Form1 prism;
    prism.Form_Load();
    CheckWindow(prism);
    streu::Form1 scatter;
    scatter.Form_Load();
    CheckWindow(scatter);
}

INSTANTIATE_TEST_SUITE_P(AskedFor, Zoomed, ::testing::Values(1.0, 1.5, 2.0));

// Geometry and font of every control of a window.
QStringList Layout(const QWidget &window)
{
    QStringList rows;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (w->window() != &window) continue; // popups are laid out when they open
        rows << QStringLiteral("%1 %2,%3 %4x%5 %6px")
                    .arg(QString::fromLatin1(w->metaObject()->className()))
                    .arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())
                    .arg(QFontInfo(w->font()).pixelSize());
    }
    rows << QStringLiteral("window %1x%2").arg(window.width()).arg(window.height());
    return rows;
}

TEST_F(TavrinWindows, ZoomOneAfterAZoomIsTheLayoutOfZoomOne)
{
    tavrin::Form3 &start = tavrin::Navigation::Get().StartForm();
    tavrin::form2 &ray = tavrin::Navigation::Get().RayForm();
    tavrin::Form5 &wave = tavrin::Navigation::Get().WaveForm();
    for (Form *f : std::initializer_list<Form *>{&start, &ray, &wave}) f->show();
    ASSERT_TRUE(Settle(&wave));
    const QStringList startBefore = Layout(start), rayBefore = Layout(ray), waveBefore = Layout(wave);
    Form::StepZoom(+1);
    Form::StepZoom(+1);
    ASSERT_TRUE(Settle(&wave));
    EXPECT_NE(Layout(start), startBefore);
    // Zoomed while open, the controls placed once when the window was made
    // keep their place in the design.
    EXPECT_TRUE(ClippedTexts(&wave).isEmpty()) << ClippedTexts(&wave).join(u'\n').toStdString();
    EXPECT_TRUE(OverlappingControls(&wave, {{wave.Picture1, wave.Picture2}}).isEmpty())
        << OverlappingControls(&wave, {{wave.Picture1, wave.Picture2}}).join(u'\n').toStdString();
    Form::StepZoom(0);
    ASSERT_TRUE(Settle(&wave));
    EXPECT_EQ(Layout(start).join(u'\n').toStdString(), startBefore.join(u'\n').toStdString());
    EXPECT_EQ(Layout(ray).join(u'\n').toStdString(), rayBefore.join(u'\n').toStdString());
    EXPECT_EQ(Layout(wave).join(u'\n').toStdString(), waveBefore.join(u'\n').toStdString());
    EXPECT_EQ(start.windowTitle(), QStringLiteral("Moddelle zur Regenbogendeutung"));
}

// Pens widen in the image, not by blowing up pixels; lines set apart keep a
// gap of background between them however wide they would grow.
TEST(ZoomedPens, WidenInTheDrawingAndKeepLinesApart)
{
    Form f;
    f.resize(200, 100);
    Picture p(&f);
    p.setGeometry(0, 0, 200, 100);
    p.Scale(0, 0, 200, 100);
    const auto inkedAcross = [&p](double apart) {
        p.SetZoomedLinesApart(apart);
        p.Cls();
        p.Line(100, 10, 100, 90, RGB(0, 0, 0));
        const QImage &img = p.Image();
        int n = 0;
        for (int x = 0; x < img.width(); ++x) n += qGray(img.pixel(x, img.height() / 2)) < 128;
        return n / img.devicePixelRatio();
    };
    EXPECT_EQ(inkedAcross(0), 1);
    Form::SetProgramZoom(kMaxZoom);
    p.RefreshZoom();
    const double z = f.WindowZoom();
    if (z < 1.4) GTEST_SKIP() << "the screen allows no zoom";
    EXPECT_GT(inkedAcross(0), 1);
    EXPECT_LE(inkedAcross(0), z + 1);
    // Lines 2 units (pixels) apart leave a device pixel between them.
    EXPECT_LT(inkedAcross(2), 2);
    Form::SetProgramZoom(kMinZoom);
}

// A zoom while a window is open keeps what its pictures show: drawn again at
// the new size as a fresh drawing there would be, and back at zoom 1 exactly
// as it was. One picture counts in a user scale, one in inches.
TEST(ZoomedPictures, KeepTheirDrawingAndComeBackUnchanged)
{
    const auto draw = [](Picture &p, bool user) {
        if (user) p.Scale(0, 0, 200, 100);
        const double u = user ? 1.0 : 15.0; // 15 twips: a logical pixel at 96 dpi
        p.Line(10 * u, 10 * u, 190 * u, 87.5 * u, RGB(200, 0, 0));
        p.SetDrawWidth(2);
        p.Line(20 * u, 90 * u, 180 * u, 20.25 * u, RGB(0, 0, 200));
        p.SetDrawWidth(1);
        for (int i = 0; i < 40; ++i) p.PSet((5 + 4.5 * i) * u, (50 + 0.7 * i) * u, RGB(0, 120, 0));
        p.SetDrawWidth(4);
        p.PSet(100 * u, 30 * u, RGB(90, 0, 90));
        p.SetDrawWidth(1);
        p.Circle(60 * u, 60 * u, 25 * u, RGB(0, 0, 0));
    };
    Form f;
    f.resize(420, 120);
    Picture scaled(&f), inches(&f);
    scaled.setGeometry(0, 0, 200, 100);
    inches.setGeometry(210, 0, 200, 100);
    f.show();
    ASSERT_TRUE(Settle(&f));
    draw(scaled, true);
    draw(inches, false);
    const QImage scaledAt1 = scaled.Image().copy(), inchesAt1 = inches.Image().copy();

    Form::StepZoom(+1);
    Form::StepZoom(+1);
    ASSERT_TRUE(Settle(&f));
    if (f.WindowZoom() < 1.4) GTEST_SKIP() << "the screen allows no zoom";
    for (Picture *p : {&scaled, &inches}) {
        Form g;
        g.resize(f.size());
        Picture fresh(&g);
        fresh.setGeometry(p->geometry());
        g.show();
        ASSERT_TRUE(Settle(&g));
        draw(fresh, p == &scaled);
        // Equal but where a point falls on a pixel's edge and the two ways
        // of reaching it round apart.
        const QImage &zoomed = p->Image(), &drawn = fresh.Image();
        ASSERT_EQ(zoomed.size(), drawn.size());
        const QRgb back = drawn.pixel(0, 0);
        int inked = 0, apart = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                inked += drawn.pixel(x, y) != back;
                apart += zoomed.pixel(x, y) != drawn.pixel(x, y);
            }
        EXPECT_GT(inked, 500);
        EXPECT_LT(apart, inked / 20);
    }

    Form::StepZoom(0);
    ASSERT_TRUE(Settle(&f));
    EXPECT_EQ(scaled.Image(), scaledAt1);
    EXPECT_EQ(inches.Image(), inchesAt1);
}

} // namespace
