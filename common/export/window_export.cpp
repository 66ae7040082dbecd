// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/window_export.h"

#include "common/canvas/svg_writer.h"
#include "common/widgets/frame_title.h"
#include "common/widgets/picture.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>

namespace rb {

namespace {

Color FromQColor(const QColor &c) { return RGB(c.red(), c.green(), c.blue()); }

std::string Base64Png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toBase64().toStdString();
}

SvgPicture PictureLayer(const Picture &p, const QRectF &place)
{
    SvgPicture layer;
    layer.left = place.left();
    layer.top = place.top();
    layer.width = place.width();
    layer.height = place.height();
    layer.log = &p.Log();
    if (p.Log().Overflowed()) layer.fallbackPng = Base64Png(const_cast<Picture &>(p).Image());
    return layer;
}

// The visible text of a control, with rich text reduced to plain.
QString PlainText(const QWidget *w)
{
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        if (l->textFormat() == Qt::PlainText || !Qt::mightBeRichText(l->text())) return l->text();
        QTextDocument d;
        d.setHtml(l->text());
        return d.toPlainText();
    }
    if (const auto *b = qobject_cast<const QAbstractButton *>(w)) return b->text().remove(QLatin1Char('&'));
    if (const auto *e = qobject_cast<const QLineEdit *>(w)) return e->text();
    if (const auto *g = qobject_cast<const QGroupBox *>(w)) return g->title().remove(QLatin1Char('&'));
    return QString();
}

// Breaks text into the lines a word-wrapping label shows at this width.
QStringList WrapLines(const QString &text, const QFontMetricsF &fm, double width, bool wrap)
{
    QStringList out;
    for (const QString &para : text.split(QLatin1Char('\n'))) {
        if (!wrap) {
            out << para;
            continue;
        }
        QString line;
        for (const QString &word : para.split(QLatin1Char(' '))) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
                out << line;
                line = word;
            } else {
                line = candidate;
            }
        }
        out << line;
    }
    return out;
}

// The text's box and alignment inside a control, as the style lays it out.
QRectF TextRect(const QWidget *w, const QRectF &r, Qt::Alignment &align)
{
    const QPointF origin = r.topLeft();
    if (const auto *g = qobject_cast<const QGroupBox *>(w)) {
        const QStyleOptionGroupBox opt = FrameOption(g, g->width());
        align = Qt::AlignLeft | Qt::AlignVCenter;
        return QRectF(g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g))
            .translated(origin);
    }
    if (const auto *b = qobject_cast<const QAbstractButton *>(w)) {
        if (qobject_cast<const QPushButton *>(w)) {
            align = Qt::AlignCenter;
            return r;
        }
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        align = Qt::AlignLeft | Qt::AlignVCenter;
        const auto element =
            qobject_cast<const QRadioButton *>(w) ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents;
        return QRectF(b->style()->subElementRect(element, &opt, b)).translated(origin).adjusted(2, 0, 0, 0);
    }
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        align = l->alignment();
        const int m = l->margin() + (l->frameWidth() > 0 ? l->frameWidth() : 0);
        return r.adjusted(m, m, -m, -m);
    }
    align = Qt::AlignLeft | Qt::AlignVCenter;
    return r.adjusted(3, 0, -3, 0);
}

void AddTexts(std::vector<SvgText> &texts, const QWidget *w, const QRectF &widgetRect)
{
    const QString text = PlainText(w);
    if (text.trimmed().isEmpty()) return;
    const QFont f = w->font();
    const QFontMetricsF fm(f);
    Qt::Alignment align;
    const QRectF r = TextRect(w, widgetRect, align);
    const auto *label = qobject_cast<const QLabel *>(w);
    const QStringList lines = WrapLines(text, fm, r.width(), label && label->wordWrap());
    const double blockHeight = fm.height() * lines.size();
    double y = r.top() + fm.ascent();
    if (align & Qt::AlignVCenter)
        y = r.top() + (r.height() - blockHeight) / 2 + fm.ascent();
    else if (align & Qt::AlignBottom)
        y = r.bottom() - blockHeight + fm.ascent();
    for (const QString &line : lines) {
        SvgText t;
        t.text = line.toStdString();
        t.family = f.family().toStdString();
        t.pixelSize = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * w->logicalDpiY() / 72.0;
        t.bold = f.bold();
        t.color = FromQColor(w->palette().color(w->foregroundRole()));
        t.y = y;
        if (align & Qt::AlignHCenter) {
            t.x = r.center().x();
            t.anchor = SvgText::Middle;
        } else if (align & Qt::AlignRight) {
            t.x = r.right();
            t.anchor = SvgText::End;
        } else {
            t.x = r.left();
        }
        texts.push_back(t);
        y += fm.height();
    }
}

SvgBox Box(const QRectF &r, Color fill, Color stroke)
{
    SvgBox b;
    b.left = r.left();
    b.top = r.top();
    b.width = r.width();
    b.height = r.height();
    b.fill = fill;
    b.stroke = stroke;
    return b;
}

// Outlines for the controls that are not pictures: buttons, text boxes,
// scroll bars, frames, option rings, and labels that fill their background.
void AddBoxes(std::vector<SvgBox> &boxes, const QWidget *w, const QRectF &r)
{
    const Color back = FromQColor(w->palette().color(w->backgroundRole()));
    const Color ink = FromQColor(w->palette().color(w->foregroundRole()));
    constexpr Color kEdge = RGB(128, 128, 128);
    if (const auto *g = qobject_cast<const QGroupBox *>(w)) {
        const QStyleOptionGroupBox opt = FrameOption(g, g->width());
        const QRectF frame = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxFrame, g);
        boxes.push_back(Box(frame.translated(r.topLeft()), back, kEdge));
    } else if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QLineEdit *>(w) ||
               qobject_cast<const QScrollBar *>(w)) {
        boxes.push_back(Box(r, back, kEdge));
    } else if (const auto *o = qobject_cast<const QRadioButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(o);
        const QRectF ring = o->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, o);
        SvgBox b = Box(ring.translated(r.topLeft()), RGB(255, 255, 255), ink);
        b.round = true;
        b.marked = o->isChecked();
        boxes.push_back(b);
    } else if (w->autoFillBackground()) {
        boxes.push_back(Box(r, back, back));
    }
}

bool ShownIn(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w; p && p != window; p = p->parentWidget())
        if (p->isHidden()) return false;
    return true;
}

} // namespace

QImage WindowImage(QWidget *window) { return window->grab().toImage(); }

QByteArray WindowSvg(QWidget *window)
{
    SvgDocument doc;
    doc.width = window->width();
    doc.height = window->height();
    doc.background = FromQColor(window->palette().color(window->backgroundRole()));
    if (const auto *own = qobject_cast<const Picture *>(window)) {
        doc.background = own->Log().Background();
        doc.pictures.push_back(PictureLayer(*own, QRectF(window->rect())));
    }
    // findChildren lists parents before their children: what lies on a
    // control comes after it.
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!ShownIn(w, window) || w->isWindow()) continue;
        const QRectF r(w->mapTo(window, QPoint(0, 0)), QSizeF(w->size()));
        if (const auto *p = qobject_cast<const Picture *>(w)) {
            doc.pictures.push_back(PictureLayer(*p, r));
            continue;
        }
        AddBoxes(doc.boxes, w, r);
        AddTexts(doc.texts, w, r);
    }
    return QByteArray::fromStdString(WriteSvg(doc));
}

QByteArray PictureSvg(const Picture &picture)
{
    SvgDocument doc;
    doc.width = picture.width();
    doc.height = picture.height();
    doc.background = picture.Log().Background();
    doc.pictures.push_back(PictureLayer(picture, QRectF(picture.rect())));
    return QByteArray::fromStdString(WriteSvg(doc));
}

} // namespace rb
