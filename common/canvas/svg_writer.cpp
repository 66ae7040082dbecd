// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/canvas/svg_writer.h"

#include "common/canvas/clip.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace rb {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Two decimals of a logical pixel: finer than any screen shows at 4x.
std::string Num(double v)
{
    // to_chars ignores the C locale, which the toolkit sets from the user's.
    char buf[48];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    std::string s(buf, r.ptr);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string Escaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A point of an arc, counter-clockwise from +x as seen on a y-down screen.
void ArcPoint(const DrawOp &o, double angle, double &x, double &y)
{
    x = o.x1 + o.r * std::cos(angle);
    y = o.y1 - o.r * std::sin(angle);
}

// Whether a point lies in the picture widened by half the pen.
bool InPicture(double x, double y, double m, double width, double height)
{
    return x >= -m && y >= -m && x <= width + m && y <= height + m;
}

// The arc as a path of its pieces inside the picture (widened by half the
// pen): the drawing stays inside its picture also where a viewer ignores
// clip paths, as lines do. The pieces are found to a quarter pixel.
std::string ArcPath(const DrawOp &o, double width, double height)
{
    double span = o.full ? 2 * kPi : o.end - o.start;
    if (span < 0) span += 2 * kPi;
    const double m = o.width / 2.0;
    const int n = std::max(8, int(std::ceil(span * o.r / 0.25)));
    std::ostringstream d;
    double x, y;
    ArcPoint(o, o.start, x, y);
    d << "M" << Num(x) << "," << Num(y);
    const auto piece = [&](double from, double to) {
        ArcPoint(o, o.start + from, x, y);
        d << " M" << Num(x) << "," << Num(y);
        // An arc command between equal points draws nothing, one over half
        // a turn is ambiguous: pieces of under half a turn each.
        const int parts = int(std::ceil((to - from) / (0.9 * kPi)));
        for (int i = 1; i <= parts; ++i) {
            ArcPoint(o, o.start + from + (to - from) * i / parts, x, y);
            // sweep-flag 0: counter-clockwise as seen.
            d << " A" << Num(o.r) << "," << Num(o.r) << " 0 0 0 " << Num(x) << "," << Num(y);
        }
    };
    int first = -1; // the first step of the piece being followed
    for (int i = 0; i <= n; ++i) {
        ArcPoint(o, o.start + span * i / n, x, y);
        const bool inside = InPicture(x, y, m, width, height);
        if (inside && first < 0) first = i;
        if ((!inside || i == n) && first >= 0) {
            const int last = inside ? i : i - 1;
            if (last > first) piece(span * first / n, span * last / n);
            first = -1;
        }
    }
    return d.str();
}

// Lines are cut at the picture's edge (widened by half the pen), so that
// the drawing stays inside its picture also where a viewer ignores clip
// paths. A line that runs only along the edge outside stays as it is.
DrawOp CutToPicture(DrawOp o, double width, double height)
{
    const double m = o.width / 2.0;
    double x1 = o.x1, y1 = o.y1, x2 = o.x2, y2 = o.y2;
    if (ClipSegment(x1, y1, x2, y2, -m, -m, width + m, height + m)) {
        o.x1 = x1;
        o.y1 = y1;
        o.x2 = x2;
        o.y2 = y2;
    }
    return o;
}

// The raster fills, for a pen of n pixels at the coordinate c, the n pixels
// from floor(c - n/2 + 1/2) on: the drawing puts its line on the middle of
// those pixels, so that it covers them and not halves of their neighbours.
double OnRaster(double c, double pen, double pixel)
{
    return (std::floor(c / pixel - pen / 2 + 0.5) + pen / 2) * pixel;
}

DrawOp OnRaster(DrawOp o, double pixel)
{
    const double pen = double(std::max(1L, std::lround(o.width / pixel)));
    if (o.kind != DrawOp::Segment) {
        o.x1 = OnRaster(o.x1, pen, pixel);
        o.y1 = OnRaster(o.y1, pen, pixel);
        return o;
    }
    // Along its length the raster fills the pixels from the one holding
    // the first end to the one holding the second, both included.
    const bool xMajor = std::fabs(o.x2 - o.x1) >= std::fabs(o.y2 - o.y1);
    double &a1 = xMajor ? o.x1 : o.y1, &a2 = xMajor ? o.x2 : o.y2;
    double &b1 = xMajor ? o.y1 : o.x1, &b2 = xMajor ? o.y2 : o.x2;
    const bool forward = a1 <= a2;
    const double lo = std::floor(std::min(a1, a2) / pixel) * pixel;
    const double hi = (std::floor(std::max(a1, a2) / pixel) + 1) * pixel;
    a1 = forward ? lo : hi;
    a2 = forward ? hi : lo;
    b1 = OnRaster(b1, pen, pixel);
    b2 = OnRaster(b2, pen, pixel);
    return o;
}

void WriteOp(std::ostream &s, const DrawOp &op, double width, double height, double pixel)
{
    // Arcs are laid on the pixels by the toolkit's own painter, around the
    // coordinate as the drawing has them.
    const DrawOp o = op.kind == DrawOp::Arc ? op
                     : OnRaster(op.kind == DrawOp::Segment ? CutToPicture(op, width, height) : op, pixel);
    const std::string c = SvgColor(o.color);
    const double w = o.width;
    switch (o.kind) {
    case DrawOp::Segment:
        // The ends lie on the edges of the raster's first and last pixel.
        s << "<line class=\"line\" x1=\"" << Num(o.x1) << "\" y1=\"" << Num(o.y1) << "\" x2=\""
          << Num(o.x2) << "\" y2=\"" << Num(o.y2) << "\" stroke=\"" << c << "\" stroke-width=\""
          << Num(w) << "\" stroke-linecap=\"butt\"/>\n";
        break;
    case DrawOp::Dot:
        // Thin dots are small squares of the pen's size, thick ones discs.
        if (o.width <= 2)
            s << "<rect class=\"dot\" x=\"" << Num(o.x1 - w / 2) << "\" y=\"" << Num(o.y1 - w / 2)
              << "\" width=\"" << Num(w) << "\" height=\"" << Num(w) << "\" fill=\"" << c << "\"/>\n";
        else
            s << "<circle class=\"dot\" cx=\"" << Num(o.x1) << "\" cy=\"" << Num(o.y1) << "\" r=\""
              << Num(w / 2) << "\" fill=\"" << c << "\"/>\n";
        break;
    case DrawOp::Arc:
        if (o.full && InPicture(o.x1 - o.r, o.y1 - o.r, 0, width, height) &&
            InPicture(o.x1 + o.r, o.y1 + o.r, 0, width, height))
            s << "<circle class=\"circle\" cx=\"" << Num(o.x1) << "\" cy=\"" << Num(o.y1) << "\" r=\""
              << Num(o.r) << "\" fill=\"none\" stroke=\"" << c << "\" stroke-width=\"" << Num(w)
              << "\"/>\n";
        else
            s << "<path class=\"arc\" d=\"" << ArcPath(o, width, height) << "\" fill=\"none\" stroke=\"" << c
              << "\" stroke-width=\"" << Num(w) << "\"/>\n";
        break;
    case DrawOp::Clear:
        break;
    }
}

void WritePicture(std::ostream &s, const SvgPicture &p, int id)
{
    // In <defs>: a renderer that knows no clip paths must not draw the
    // clip rectangle itself.
    s << "<defs><clipPath id=\"clip" << id << "\"><rect x=\"0\" y=\"0\" width=\"" << Num(p.width)
      << "\" height=\"" << Num(p.height) << "\"/></clipPath></defs>\n";
    s << "<g class=\"picture\" transform=\"translate(" << Num(p.left) << "," << Num(p.top)
      << ")\" clip-path=\"url(#clip" << id << ")\">\n";
    const Color back = p.log ? p.log->Background() : RGB(255, 255, 255);
    s << "<rect class=\"background\" x=\"0\" y=\"0\" width=\"" << Num(p.width) << "\" height=\""
      << Num(p.height) << "\" fill=\"" << SvgColor(back) << "\"/>\n";
    if (p.log && p.log->Overflowed()) {
        s << "<image x=\"0\" y=\"0\" width=\"" << Num(p.width) << "\" height=\"" << Num(p.height)
          << "\" xlink:href=\"data:image/png;base64," << p.fallbackPng << "\"/>\n";
    } else if (p.log) {
        for (const DrawOp &o : p.log->Ops()) WriteOp(s, o, p.width, p.height, p.devicePixel);
    }
    s << "</g>\n";
}

void WriteBox(std::ostream &s, const SvgBox &b)
{
    const std::string paint = "\" fill=\"" + (b.hollow ? std::string("none") : SvgColor(b.fill)) + "\" stroke=\"" + SvgColor(b.stroke) +
                              "\" stroke-width=\"1\"/>\n";
    if (!b.outlined) {
        s << "<rect class=\"control\" x=\"" << Num(b.left) << "\" y=\"" << Num(b.top) << "\" width=\""
          << Num(b.width) << "\" height=\"" << Num(b.height) << "\" fill=\"" << SvgColor(b.fill) << "\"/>\n";
        return;
    }
    if (!b.round) {
        s << "<rect class=\"control\" x=\"" << Num(b.left + 0.5) << "\" y=\"" << Num(b.top + 0.5)
          << "\" width=\"" << Num(b.width - 1) << "\" height=\"" << Num(b.height - 1) << paint;
        if (b.arrow != SvgBox::NoArrow) {
            // A small solid triangle in the middle, pointing the button's way.
            const double cx = b.left + b.width / 2, cy = b.top + b.height / 2;
            const double a = std::max(2.0, std::min(b.width, b.height) / 6);
            const bool across = b.arrow == SvgBox::Left || b.arrow == SvgBox::Right;
            const double sgn = b.arrow == SvgBox::Left || b.arrow == SvgBox::Up ? -1 : 1;
            const auto pt = [&](double along, double side) {
                return across ? Num(cx + sgn * along) + "," + Num(cy + side)
                              : Num(cx + side) + "," + Num(cy + sgn * along);
            };
            s << "<polygon class=\"control\" points=\"" << pt(a / 2, 0) << " " << pt(-a / 2, -a) << " "
              << pt(-a / 2, a) << "\" fill=\"" << SvgColor(b.ink) << "\"/>\n";
        }
        if (b.ticked) {
            // A tick from the left middle down to the lower third and up to
            // the upper right corner, in the ink of the box's edge.
            const auto at = [&b](double fx, double fy) {
                return Num(b.left + fx * b.width) + "," + Num(b.top + fy * b.height);
            };
            s << "<polyline class=\"control\" points=\"" << at(0.22, 0.5) << " " << at(0.42, 0.72) << " "
              << at(0.78, 0.28) << "\" fill=\"none\" stroke=\"" << SvgColor(b.ink)
              << "\" stroke-width=\"" << Num(std::max(1.5, b.width / 8)) << "\"/>\n";
        }
        return;
    }
    const double cx = b.left + b.width / 2, cy = b.top + b.height / 2, r = std::min(b.width, b.height) / 2 - 0.5;
    s << "<circle class=\"control\" cx=\"" << Num(cx) << "\" cy=\"" << Num(cy) << "\" r=\"" << Num(r) << paint;
    if (b.marked)
        s << "<circle class=\"control\" cx=\"" << Num(cx) << "\" cy=\"" << Num(cy) << "\" r=\"" << Num(r * 0.45)
          << "\" fill=\"" << SvgColor(b.ink) << "\"/>\n";
}

void WriteText(std::ostream &s, const SvgText &t)
{
    static const char *const anchors[] = {"start", "middle", "end"};
    s << "<text x=\"" << Num(t.x) << "\" y=\"" << Num(t.y) << "\" font-family=\""
      << Escaped(t.family) << "\" font-size=\"" << Num(t.pixelSize) << "\" font-weight=\""
      << (t.bold ? "bold" : "normal") << "\" fill=\"" << SvgColor(t.color) << "\" text-anchor=\""
      << anchors[t.anchor] << "\" xml:space=\"preserve\">" << Escaped(t.text) << "</text>\n";
}

} // namespace

std::string SvgColor(Color c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return buf;
}

std::string WriteSvg(const SvgDocument &doc)
{
    std::ostringstream s;
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
         "version=\"1.1\" width=\""
      << Num(doc.width) << "\" height=\"" << Num(doc.height) << "\" viewBox=\"0 0 " << Num(doc.width)
      << " " << Num(doc.height) << "\">\n";
    s << "<rect x=\"0\" y=\"0\" width=\"" << Num(doc.width) << "\" height=\"" << Num(doc.height)
      << "\" fill=\"" << SvgColor(doc.background) << "\"/>\n";
    int id = 0;
    for (const SvgItem &item : doc.items) {
        if (const auto *p = std::get_if<SvgPicture>(&item)) WritePicture(s, *p, id++);
        if (const auto *b = std::get_if<SvgBox>(&item)) WriteBox(s, *b);
        if (const auto *t = std::get_if<SvgText>(&item)) WriteText(s, *t);
    }
    s << "</svg>\n";
    return s.str();
}

} // namespace rb
