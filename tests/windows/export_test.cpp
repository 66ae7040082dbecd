// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the programs' windows export: the SVG of every picture against its
// image, and the numbers of the CSV tables.
#include "prisma/form1.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "streu/form1.h"
#include "tavrin/wavemodel/form5.h"
#include "common/export/window_export.h"
#include "common/export/window_saver.h"
#include "tests/windows/tavrin_windows.h"
#include "tests/windows/wait.h"

#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <map>

using namespace rb;
using rb::testing::Settle;

namespace {

WindowSaver *SaverOf(QWidget *w) { return w->findChild<WindowSaver *>(); }

// The SVG's elements by class, after checking that it is well-formed XML.
std::map<QString, int> ClassCounts(const QByteArray &svg, QString *error)
{
    std::map<QString, int> n;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) ++n[xml.attributes().value("class").toString()];
    if (xml.hasError()) *error = xml.errorString();
    return n;
}

// Each pixel set in `a` has one set in `b` within `reach` pixels; returns
// the number that have none. On the outermost rows and columns the partner
// may lie just outside, where neither image can show it: they are skipped.
int Unmatched(const std::vector<bool> &a, const std::vector<bool> &b, int w, int h, int reach)
{
    int misses = 0;
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            if (!a[y * w + x]) continue;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx) {
                    const int u = x + dx, v = y + dy;
                    found = u >= 0 && v >= 0 && u < w && v < h && b[v * w + u];
                }
            misses += !found;
        }
    return misses;
}

std::vector<bool> Ink(const QImage &img, QRgb background)
{
    std::vector<bool> ink(size_t(img.width()) * img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            // Edge pixels the renderer blends lightly are not ink.
            const int d = std::max({std::abs(qRed(p) - qRed(background)), std::abs(qGreen(p) - qGreen(background)),
                                    std::abs(qBlue(p) - qBlue(background))});
            ink[size_t(y) * img.width() + x] = d > 64;
        }
    return ink;
}

// The picture's SVG holds its log, and rendered back it inks where the
// picture does, within 2 pixels both ways.
void ExpectSvgMatches(Picture *p, const std::string &what)
{
    SCOPED_TRACE(what);
    const DrawLog &log = p->Log();
    ASSERT_FALSE(log.Overflowed());
    const QByteArray svg = PictureSvg(*p);
    QString error;
    auto n = ClassCounts(svg, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(n[QStringLiteral("line")], int(log.Count(DrawOp::Segment)));
    EXPECT_EQ(n[QStringLiteral("dot")], int(log.Count(DrawOp::Dot)));
    EXPECT_EQ(n[QStringLiteral("circle")] + n[QStringLiteral("arc")], int(log.Count(DrawOp::Arc)));
    EXPECT_GT(log.Size(), 0u);

    const QImage &png = p->Image();
    const Color back = log.Background();
    const QRgb bg = qRgb(RedOf(back), GreenOf(back), BlueOf(back));
    QImage rendered(png.size(), QImage::Format_RGB32);
    rendered.fill(bg);
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    QPainter painter(&rendered);
    renderer.render(&painter, QRectF(0, 0, png.width(), png.height()));
    painter.end();
    const auto a = Ink(png, bg), b = Ink(rendered, bg);
    EXPECT_EQ(Unmatched(a, b, png.width(), png.height(), 2), 0) << "inked in the image, not in the SVG";
    EXPECT_EQ(Unmatched(b, a, png.width(), png.height(), 2), 0) << "inked in the SVG, not in the image";
}

struct Misses {
    int all = 0;
    int worst = 0; // in one square of kTile pixels: a control lost or added is a cluster
    QPoint at;     // that square's corner
};
constexpr int kTile = 16;

// The pixels of `a` that are like (each channel within `tol`) no pixel of
// `b` within `reach` pixels, nor a blend of them: the SVG's renderer smooths
// the edges the screen's raster draws hard, and glyphs may land a pixel apart.
// Smoothing still leaves a faint pixel here and there on a thin slanted line.
Misses Unlike(const QImage &a, const QImage &b, int reach, int tol)
{
    const int across = (a.width() + kTile - 1) / kTile;
    std::vector<int> tiles(size_t(across) * ((a.height() + kTile - 1) / kTile));
    Misses misses;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
            int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
            bool found = false;
            for (int v = std::max(0, y - reach); v <= std::min(b.height() - 1, y + reach) && !found; ++v)
                for (int u = std::max(0, x - reach); u <= std::min(b.width() - 1, x + reach) && !found; ++u) {
                    const QRgb q = b.pixel(u, v);
                    const int d[3] = {qRed(q), qGreen(q), qBlue(q)};
                    found = true;
                    for (int i = 0; i < 3; ++i) {
                        found = found && std::abs(c[i] - d[i]) <= tol;
                        lo[i] = std::min(lo[i], d[i]);
                        hi[i] = std::max(hi[i], d[i]);
                    }
                }
            bool blend = !found;
            for (int i = 0; i < 3 && blend; ++i) blend = c[i] >= lo[i] - tol && c[i] <= hi[i] + tol;
            if (found || blend) continue;
            ++misses.all;
            if (const int n = ++tiles[size_t(y / kTile) * across + x / kTile]; n > misses.worst) {
                misses.worst = n;
                misses.at = QPoint(x / kTile * kTile, y / kTile * kTile);
            }
        }
    return misses;
}

// The CSV's rows as columns of numbers, the header line checked.
std::vector<std::vector<QString>> Rows(const QByteArray &csv, const QStringList &header)
{
    QList<QByteArray> lines = csv.split('\n');
    EXPECT_EQ(QString::fromUtf8(lines.value(0)).split(QLatin1Char(',')), header);
    std::vector<std::vector<QString>> rows;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (!lines[i].isEmpty()) {
            const QStringList f = QString::fromUtf8(lines[i]).split(QLatin1Char(','));
            rows.emplace_back(f.begin(), f.end());
        }
    return rows;
}

using Export = rb::testing::TavrinWindows;

} // namespace

TEST_F(Export, EveryPictureSavesAsAnSvgThatDrawsWhatItShows)
{
    streu::Form1 streuForm;
    streuForm.Form_Load();
    streuForm.show();
    prisma::Form1 prismaForm;
    prismaForm.Form_Load();
    prismaForm.show();
    ASSERT_TRUE(Settle(&streuForm));
    ASSERT_TRUE(Settle(&prismaForm));
    ExpectSvgMatches(streuForm.Picture1, "streu");
    const std::size_t drawn = prismaForm.Picture1->Log().Size();
    prismaForm.Picture1_Paint(); // a repaint over the plot replaces, not adds
    EXPECT_EQ(prismaForm.Picture1->Log().Size(), drawn);
    ExpectSvgMatches(prismaForm.Picture1, "prisma");

    auto &windows = tavrin::Navigation::Get();
    tavrin::Form3 &start = windows.StartForm();
    start.show();
    // The illustrations are drawn on the first paint, yielding after every ray.
    ASSERT_TRUE(QTest::qWaitFor([&] { return start.Picture1->Log().Size() > 50 && start.Picture2->Log().Size() > 20; }));
    ASSERT_TRUE(Settle(&start)); // a paint queued meanwhile has drawn as well
    ExpectSvgMatches(start.Picture1, "start, wave illustration");
    ExpectSvgMatches(start.Picture2, "start, ray illustration");

    tavrin::form2 &ray = windows.RayForm();
    ray.show();
    ASSERT_TRUE(Settle(&ray));
    ray.Picture3_MouseDown(kLeftButton, 0, 0, -500);
    ray.Picture3_MouseUp(kLeftButton, 0, 0, -500);
    ray.Command7_Click();
    ExpectSvgMatches(ray.Picture1, "ray model, strip");
    ExpectSvgMatches(ray.Picture3, "ray model, scene");

    tavrin::Form5 &wave = windows.WaveForm();
    wave.show();
    ASSERT_TRUE(Settle(&wave));
    wave.Picture4_MouseDown(kLeftButton, 0, -150000, 40000);
    wave.Form_MouseDown(kLeftButton, 0, 0, 600);
    for (Picture *p : {wave.Picture2, wave.Picture3, wave.Picture4, static_cast<Picture *>(&wave)})
        ExpectSvgMatches(p, "wave model, picture " + std::to_string(p->width()) + " wide");

    // The window's drawing holds every picture and its texts.
    const QByteArray svg = WindowSvg(&ray);
    QString error;
    auto n = ClassCounts(svg, &error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(n[QStringLiteral("picture")], 4); // the window and its three pictures
    EXPECT_TRUE(svg.contains(">Material</text>"));
    EXPECT_TRUE(svg.contains(">60°</text>"));
}

// Every window's SVG, drawn at its image's size, shows what the image shows:
// pictures, texts and every control, each pixel found within 2 pixels.
TEST_F(Export, EveryWindowSavesAsAnSvgThatLooksAsItsImage)
{
    auto &windows = tavrin::Navigation::Get();
    streu::Form1 streuForm;
    streuForm.Form_Load();
    prisma::Form1 prismaForm;
    prismaForm.Form_Load();
    const std::pair<const char *, QWidget *> cases[] = {
        {"start", &windows.StartForm()}, {"ray model", &windows.RayForm()}, {"wave model", &windows.WaveForm()},
        {"prisma", &prismaForm},         {"streu", &streuForm},
    };
    windows.WaveForm().Check1->setChecked(true); // a tick to show
    for (const auto &[name, window] : cases) {
        SCOPED_TRACE(name);
        window->show();
        ASSERT_TRUE(Settle(window));
        QTest::qWait(300); // the start window's illustrations draw a ray at a time
        ASSERT_TRUE(Settle(window));
        const QImage png = WindowImage(window).convertToFormat(QImage::Format_RGB32);
        QImage svg(png.size(), QImage::Format_RGB32);
        svg.fill(Qt::magenta); // what the drawing leaves uncovered shows
        QSvgRenderer renderer(WindowSvg(window));
        ASSERT_TRUE(renderer.isValid());
        QPainter painter(&svg);
        renderer.render(&painter, QRectF(0, 0, png.width(), png.height()));
        painter.end();
        if (const QByteArray dir = qgetenv("REGENBOGEN_SVG_DUMP"); !dir.isEmpty()) {
            png.save(dir + "/" + name + ".png");
            svg.save(dir + "/" + name + ".svg.png");
        }
        const int tol = 64, reach = 2, few = 40;
        const Misses lost = Unlike(png, svg, reach, tol), added = Unlike(svg, png, reach, tol);
        std::printf("%s %dx%d: only in the image %d (%d at %d,%d), only in the SVG %d (%d at %d,%d)\n", name,
                    png.width(), png.height(), lost.all, lost.worst, lost.at.x(), lost.at.y(), added.all,
                    added.worst, added.at.x(), added.at.y());
        EXPECT_LE(lost.worst, few) << "shown in the image, not in the SVG";
        EXPECT_LE(added.worst, few) << "shown in the SVG, not in the image";
        window->hide();
    }
}

TEST_F(Export, TablesHoldTheNumbersBehindTheWindow)
{
    prisma::Form1 prismaForm;
    prismaForm.Form_Load();
    streu::Form1 streuForm;
    streuForm.Form_Load();
    struct Case {
        const char *name;
        QWidget *window;
        QStringList header;
        int x, y;               // columns of the curve
        double minX, minY, tol; // its lowest point
    } cases[] = {
        {"prisma at 60°, n = 1.5", &prismaForm,
         {"Winkel der brechenden Kante (°)", "Brechzahl", "Einfallswinkel (°)", "Ablenkwinkel (°)"}, 2, 3,
         48.59, 37.18, 0.05},
        {"streu, one reflection", &streuForm, {"Reflexionen", "Stoßparameter (Tropfenradien)", "Richtung (°)"}, 1,
         2, std::nan(""), 137.97, 0.02},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = Rows(SaverOf(c.window)->Content(SaveFormat::Csv), c.header);
        ASSERT_GT(rows.size(), 500u);
        auto lowest = std::min_element(rows.begin(), rows.end(), [&c](const auto &a, const auto &b) {
            return a[c.y].toDouble() < b[c.y].toDouble();
        });
        EXPECT_NEAR((*lowest)[c.y].toDouble(), c.minY, c.tol);
        if (!std::isnan(c.minX)) {
            EXPECT_NEAR((*lowest)[c.x].toDouble(), c.minX, c.tol);
        }
    }
    // The decimal point stays '.' under a locale with a decimal comma.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    prismaForm.HScroll2->setValue(133);
    const auto rows = Rows(SaverOf(&prismaForm)->Content(SaveFormat::Csv),
                           {"Winkel der brechenden Kante (°)", "Brechzahl", "Einfallswinkel (°)", "Ablenkwinkel (°)"});
    QLocale::setDefault(saved);
    EXPECT_EQ(rows.front()[1], QStringLiteral("1.33"));

    auto &windows = tavrin::Navigation::Get();
    tavrin::form2 &ray = windows.RayForm();
    const QStringList rayHeader{"Winkel (°)", "Farbe", "Reflexionen", "Material"};
    ray.Picture3_MouseDown(kLeftButton, 0, 0, -500);
    ray.Option5->setChecked(true);
    ray.Option14->setChecked(true);
    ray.Picture3_MouseDown(kLeftButton, 0, 0, 300);
    auto marks = Rows(SaverOf(&ray)->Content(SaveFormat::Csv), rayHeader);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0][1] + marks[0][3], QStringLiteral("rotWasser"));
    EXPECT_EQ(marks[1][1] + marks[1][2] + marks[1][3], QStringLiteral("blau1Glas BK7"));
    EXPECT_NEAR(marks[0][0].toDouble(), ray.model.stripMarks[0].scatterAngle, 1e-5);
    ray.Command3_Click();
    EXPECT_TRUE(Rows(SaverOf(&ray)->Content(SaveFormat::Csv), rayHeader).empty());

    tavrin::Form5 &wave = windows.WaveForm();
    wave.show();
    ASSERT_TRUE(Settle(&wave));
    wave.Option3D5->click(); // figures off: a quicker sweep
    wave.Command2_Click();
    const auto bars = Rows(SaverOf(&wave)->Content(SaveFormat::Csv),
                           {"Reihe", "Modell", "Winkel (°)", "Amplitude", "Farbe", "Tropfendurchmesser (µm)", "Polarisation",
                            "Außenreflexion"});
    ASSERT_EQ(bars.size(), wave.Picture1->Log().Count(DrawOp::Segment));
    auto tallest = std::max_element(bars.begin(), bars.end(),
                                    [](const auto &a, const auto &b) { return a[3].toDouble() < b[3].toDouble(); });
    EXPECT_EQ((*tallest)[0] + (*tallest)[1] + (*tallest)[4] + (*tallest)[5],
              QStringLiteral("Balken321 Strahlenrot1000"));
    EXPECT_GT((*tallest)[2].toDouble(), 40.0); // the main bow
    EXPECT_LT((*tallest)[2].toDouble(), 43.0);
    wave.Command1_Click();
    EXPECT_EQ(SaverOf(&wave)->Content(SaveFormat::Csv).count('\n'), 1);

    // The whole drop with Airy's curve: its bars carry its name, and the
    // curve's rows sit at the bars' angles.
    wave.Option3D7->click();
    wave.Check1->click();
    wave.Command2_Click();
    const auto rows2 = Rows(SaverOf(&wave)->Content(SaveFormat::Csv),
                            {"Reihe", "Modell", "Winkel (°)", "Amplitude", "Farbe", "Tropfendurchmesser (µm)", "Polarisation",
                            "Außenreflexion"});
    const auto count = [&](const QString &series, const QString &model) {
        return std::count_if(rows2.begin(), rows2.end(), [&](const auto &r) { return r[0] == series && r[1] == model; });
    };
    EXPECT_EQ(count("Balken", "ganzer Tropfen"), 191);
    EXPECT_GE(count("Theorie", "Airy-Theorie"), 191);
}
