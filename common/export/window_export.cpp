// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/window_export.h"

#include "common/canvas/svg_writer.h"
#include "common/export/control_boxes.h"
#include "common/widgets/frame_title.h"
#include "common/widgets/picture.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QTextLayout>

namespace rb {

namespace {


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
    layer.devicePixel = 1 / p.devicePixelRatioF();
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
    if (const auto *c = qobject_cast<const QComboBox *>(w)) return c->currentText();
    return QString();
}

// Breaks text into the lines the toolkit shows at this width when it
// wraps words: the same layout engine decides where each line ends.
QStringList WrapLines(const QString &text, const QFont &font, double width, bool wrap)
{
    QStringList out;
    for (const QString &para : text.split(QLatin1Char('\n'))) {
        if (!wrap || para.isEmpty()) {
            out << para;
            continue;
        }
        QTextLayout layout(para, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            out << para.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return out;
}

bool TitleWraps(const QGroupBox *g) { return FrameTitleRect(g).height() > QFontMetrics(g->font()).height(); }

// The text's box and alignment inside a control, as the style lays it out.
QRectF TextRect(const QWidget *w, const QRectF &r, Qt::Alignment &align)
{
    const QPointF origin = r.topLeft();
    if (const auto *g = qobject_cast<const QGroupBox *>(w)) {
        const QStyleOptionGroupBox opt = FrameOption(g, g->width());
        const QRectF title = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        // A title on more lines than one starts at the top of its box.
        align = Qt::AlignLeft | (TitleWraps(g) ? Qt::AlignTop : Qt::AlignVCenter);
        return title.translated(origin);
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
        return QRectF(b->style()->subElementRect(element, &opt, b)).translated(origin);
    }
    if (const auto *c = qobject_cast<const QComboBox *>(w)) {
        const QStyleOptionComboBox opt = ComboOption(c);
        align = Qt::AlignLeft | Qt::AlignVCenter;
        return QRectF(c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c))
            .translated(origin);
    }
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        align = l->alignment();
        const int m = l->margin() + (l->frameWidth() > 0 ? l->frameWidth() : 0);
        return r.adjusted(m, m, -m, -m);
    }
    align = Qt::AlignLeft | Qt::AlignVCenter;
    return r.adjusted(3, 0, -3, 0);
}

void AddTexts(std::vector<SvgItem> &items, const QWidget *w, const QRectF &widgetRect)
{
    const QString text = PlainText(w);
    if (text.trimmed().isEmpty()) return;
    const QFont f = w->font();
    const QFontMetricsF fm(f);
    Qt::Alignment align;
    const QRectF r = TextRect(w, widgetRect, align);
    const auto *label = qobject_cast<const QLabel *>(w);
    const auto *frame = qobject_cast<const QGroupBox *>(w);
    const bool wrap = (label && label->wordWrap()) || (frame && TitleWraps(frame));
    const QStringList lines = WrapLines(text, f, r.width(), wrap);
    const double blockHeight = fm.lineSpacing() * (lines.size() - 1) + fm.height();
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
        items.push_back(t);
        y += fm.lineSpacing();
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
        doc.items.push_back(PictureLayer(*own, QRectF(window->rect())));
    }
    // findChildren lists parents before their children: what lies on a
    // control comes after it.
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!ShownIn(w, window) || w->isWindow()) continue;
        const QRectF r(w->mapTo(window, QPoint(0, 0)), QSizeF(w->size()));
        if (const auto *p = qobject_cast<const Picture *>(w)) {
            doc.items.push_back(PictureLayer(*p, r));
            continue;
        }
        AddControlBoxes(doc.items, w, r);
        AddTexts(doc.items, w, r);
    }
    return QByteArray::fromStdString(WriteSvg(doc));
}

QByteArray PictureSvg(const Picture &picture)
{
    SvgDocument doc;
    doc.width = picture.width();
    doc.height = picture.height();
    doc.background = picture.Log().Background();
    doc.items.push_back(PictureLayer(picture, QRectF(picture.rect())));
    return QByteArray::fromStdString(WriteSvg(doc));
}

} // namespace rb
