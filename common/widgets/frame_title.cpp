// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/frame_title.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <limits>

namespace rb {

QStyleOptionGroupBox FrameOption(const QGroupBox *frame, int width)
{
    QStyleOptionGroupBox o;
    o.initFrom(frame);
    o.rect.setWidth(width);
    o.text = frame->title();
    o.lineWidth = 1;
    o.midLineWidth = 0;
    o.textAlignment = Qt::Alignment(frame->alignment());
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (frame->isFlat()) o.features |= QStyleOptionFrame::Flat;
    return o;
}

namespace {

// The title keeps this distance from the frame's right border.
constexpr int kTitleClearance = 2;
// A title wraps inside a text rectangle this tall at most.
constexpr int kTallest = 10000;

constexpr int kWrap = Qt::TextWordWrap;

QRect WrappedRect(const QFontMetrics &fm, int width, const QString &text)
{
    return fm.boundingRect(QRect(0, 0, std::max(1, width), kTallest), kWrap | Qt::TextShowMnemonic, text);
}

// Gives a title that does not fit on one line as many lines as it needs,
// left-aligned under each other; the frame's border is left open there.
class WrappedTitleStyle : public QProxyStyle {
public:
    explicit WrappedTitleStyle(const QString &base) : QProxyStyle(base) {}

    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex *opt, SubControl sc,
                         const QWidget *w) const override
    {
        QRect r = QProxyStyle::subControlRect(cc, opt, sc, w);
        if (cc != CC_GroupBox || sc != SC_GroupBoxLabel) return r;
        const auto *g = qstyleoption_cast<const QStyleOptionGroupBox *>(opt);
        const int right = opt->rect.right() - kTitleClearance;
        if (!g || r.right() <= right) return r;
        const QRect need = WrappedRect(g->fontMetrics, right - r.left() + 1, g->text);
        return QRect(r.left(), r.top(), need.width(), std::max(r.height(), need.height()));
    }

    // The frame as the style draws it, the title by hand: the style would
    // centre the lines of a title that wraps.
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex *opt, QPainter *p,
                            const QWidget *w) const override
    {
        const auto *g = qstyleoption_cast<const QStyleOptionGroupBox *>(opt);
        if (cc != CC_GroupBox || !g || !(g->subControls & SC_GroupBoxLabel))
            return QProxyStyle::drawComplexControl(cc, opt, p, w);
        QStyleOptionGroupBox frameOnly = *g;
        frameOnly.subControls &= ~SC_GroupBoxLabel;
        QProxyStyle::drawComplexControl(cc, &frameOnly, p, w);
        const QRect r = subControlRect(cc, opt, SC_GroupBoxLabel, w);
        drawItemText(p, r, Qt::AlignLeft | Qt::AlignTop | kWrap | Qt::TextShowMnemonic, g->palette,
                     g->state & State_Enabled, g->text, QPalette::WindowText);
    }
};

} // namespace

QRect FrameTitleRect(const QGroupBox *frame)
{
    const QStyleOptionGroupBox o = FrameOption(frame, frame->width());
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, frame);
}

int FrameTitleWidth(const QGroupBox *frame)
{
    const QStyleOptionGroupBox o = FrameOption(frame, std::numeric_limits<short>::max());
    const QRect r = frame->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, frame);
    return r.left() + r.width() + kTitleClearance;
}

void WrapFrameTitle(QGroupBox *frame)
{
    if (frame->title().isEmpty() || FrameTitleWidth(frame) <= frame->width()) return;
    if (dynamic_cast<const WrappedTitleStyle *>(frame->style())) return; // laid out again
    auto *style = new WrappedTitleStyle(frame->style()->name());
    style->setParent(frame);
    frame->setStyle(style);
}

bool FrameTitleFits(const QGroupBox *frame)
{
    if (frame->title().isEmpty()) return true;
    const QRect r = FrameTitleRect(frame);
    if (r.left() < 0 || r.right() > frame->width() - 1 - kTitleClearance || r.bottom() >= frame->height()) return false;
    const QFontMetrics fm(frame->font());
    const bool wraps = r.height() > fm.height();
    const QRect need = wraps ? WrappedRect(fm, r.width(), frame->title())
                             : fm.boundingRect(QRect(0, 0, r.width(), kTallest), Qt::TextShowMnemonic, frame->title());
    return need.width() <= r.width() && (wraps ? need.height() : fm.height()) <= r.height();
}

} // namespace rb
