// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Pixel checks of the line rasteriser and the picture on tiny images.
#include "common/widgets/raster.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace rb;

namespace {
QImage Blank(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    return img;
}

int Count(const QImage &img, QRgb c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == c;
    return n;
}

const QRgb kInk = qRgb(0, 0, 0);
} // namespace

TEST(RasterLine, CoversEveryPixelAlongTheMajorAxisOnce)
{
    struct Case {
        double x1, y1, x2, y2;
        int thickness, pixels;
    };
    const Case cases[] = {
        {0.5, 3.5, 9.5, 3.5, 1, 10},   // horizontal, both ends inclusive
        {9.5, 3.5, 0.5, 3.5, 1, 10},   // drawn backwards
        {2.5, 0.5, 2.5, 7.5, 1, 8},    // vertical
        {0.5, 0.5, 7.5, 7.5, 1, 8},    // diagonal
        {0.5, 4.5, 9.5, 4.5, 3, 30},   // three pixels thick
        {0.5, 1.5, 9.5, 6.5, 2, 20},   // slanted, two thick
        {-50, 5.5, 50, 5.5, 1, 10},    // ends outside are cut at the edge
        {3.2, 3.7, 3.2, 3.7, 1, 1},    // a point
    };
    for (const Case &c : cases) {
        QImage img = Blank(10, 10);
        RasterLine(img, c.x1, c.y1, c.x2, c.y2, kInk, c.thickness);
        EXPECT_EQ(Count(img, kInk), c.pixels) << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
    }
}

TEST(RasterLine, FollowsTheExactLine)
{
    QImage img = Blank(20, 20);
    RasterLine(img, 0.5, 0.5, 19.5, 10.0, kInk, 1); // slope 0.5
    for (int x = 0; x < 20; ++x) {
        const double y = 0.5 + (x + 0.5 - 0.5) * (9.5 / 19.0);
        EXPECT_EQ(img.pixel(x, int(std::floor(y))), kInk) << x;
    }
}
