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

std::string ArcPath(const DrawOp &o)
{
    double span = o.end - o.start;
    if (span < 0) span += 2 * kPi;
    // An arc whose ends meet is drawn as two halves: a single arc command
    // between equal points draws nothing.
    const int pieces = span > kPi ? 2 : 1;
    std::ostringstream d;
    double x, y;
    ArcPoint(o, o.start, x, y);
    d << "M" << Num(x) << "," << Num(y);
    for (int i = 1; i <= pieces; ++i) {
        ArcPoint(o, o.start + span * i / pieces, x, y);
        // sweep-flag 0: counter-clockwise as seen.
        d << " A" << Num(o.r) << "," << Num(o.r) << " 0 0 0 " << Num(x) << "," << Num(y);
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

void WriteOp(std::ostream &s, const DrawOp &op, double width, double height)
{
    const DrawOp o = op.kind == DrawOp::Segment ? CutToPicture(op, width, height) : op;
    const std::string c = SvgColor(o.color);
    const double w = o.width;
    switch (o.kind) {
    case DrawOp::Segment:
        // A line ends where its end points are, as on the screen; only a
        // line of no length gets square caps, so it shows as the dot the
        // screen draws for it.
        s << "<line class=\"line\" x1=\"" << Num(o.x1) << "\" y1=\"" << Num(o.y1) << "\" x2=\""
          << Num(o.x2) << "\" y2=\"" << Num(o.y2) << "\" stroke=\"" << c << "\" stroke-width=\""
          << Num(w) << "\" stroke-linecap=\"" << (o.x1 == o.x2 && o.y1 == o.y2 ? "square" : "butt")
          << "\"/>\n";
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
        if (o.full)
            s << "<circle class=\"circle\" cx=\"" << Num(o.x1) << "\" cy=\"" << Num(o.y1) << "\" r=\""
              << Num(o.r) << "\" fill=\"none\" stroke=\"" << c << "\" stroke-width=\"" << Num(w)
              << "\"/>\n";
        else
            s << "<path class=\"arc\" d=\"" << ArcPath(o) << "\" fill=\"none\" stroke=\"" << c
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
        for (const DrawOp &o : p.log->Ops()) WriteOp(s, o, p.width, p.height);
    }
    s << "</g>\n";
}

void WriteBox(std::ostream &s, const SvgBox &b)
{
    const std::string paint = "\" fill=\"" + SvgColor(b.fill) + "\" stroke=\"" + SvgColor(b.stroke) +
                              "\" stroke-width=\"1\"/>\n";
    if (!b.round) {
        s << "<rect class=\"control\" x=\"" << Num(b.left + 0.5) << "\" y=\"" << Num(b.top + 0.5)
          << "\" width=\"" << Num(b.width - 1) << "\" height=\"" << Num(b.height - 1) << paint;
        return;
    }
    const double cx = b.left + b.width / 2, cy = b.top + b.height / 2, r = std::min(b.width, b.height) / 2 - 0.5;
    s << "<circle class=\"control\" cx=\"" << Num(cx) << "\" cy=\"" << Num(cy) << "\" r=\"" << Num(r) << paint;
    if (b.marked)
        s << "<circle class=\"control\" cx=\"" << Num(cx) << "\" cy=\"" << Num(cy) << "\" r=\"" << Num(r * 0.45)
          << "\" fill=\"" << SvgColor(b.stroke) << "\"/>\n";
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
    for (const SvgPicture &p : doc.pictures) WritePicture(s, p, id++);
    for (const SvgBox &b : doc.boxes) WriteBox(s, b);
    for (const SvgText &t : doc.texts) WriteText(s, t);
    s << "</svg>\n";
    return s.str();
}

} // namespace rb
