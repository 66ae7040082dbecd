#include "window_export.h"

#include "picture.h"
#include "svg_writer.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
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

// Where a control's text starts: labels follow their alignment, buttons
// centre, option buttons and check boxes leave room for their indicator,
// frames put their title at the top left.
void AddTexts(std::vector<SvgText> &texts, const QWidget *w, const QRectF &r)
{
    const QString text = PlainText(w);
    if (text.trimmed().isEmpty()) return;
    const QFont f = w->font();
    const QFontMetricsF fm(f);
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    double indent = 2;
    Color colour = FromQColor(w->palette().color(w->foregroundRole()));
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        align = l->alignment();
        wrap = l->wordWrap();
    } else if (qobject_cast<const QGroupBox *>(w)) {
        align = Qt::AlignLeft | Qt::AlignTop;
        indent = 8;
    } else if (const auto *b = qobject_cast<const QAbstractButton *>(w)) {
        if (b->isCheckable() && !qobject_cast<const QPushButton *>(w)) indent = r.height() * 0.8 + 4;
        else align = Qt::AlignCenter;
    }
    const QStringList lines = WrapLines(text, fm, r.width() - 2, wrap);
    const double blockHeight = fm.height() * lines.size();
    double y = r.top() + fm.ascent();
    if (align & Qt::AlignVCenter) y = r.top() + (r.height() - blockHeight) / 2 + fm.ascent();
    else if (align & Qt::AlignBottom) y = r.bottom() - blockHeight + fm.ascent();
    for (const QString &line : lines) {
        SvgText t;
        t.text = line.toStdString();
        t.family = f.family().toStdString();
        t.pixelSize = f.pixelSize() > 0 ? f.pixelSize() : fm.height() * 0.8;
        if (f.pointSizeF() > 0) t.pixelSize = f.pointSizeF() * w->logicalDpiY() / 72.0;
        t.bold = f.bold();
        t.color = colour;
        t.y = y;
        if (align & Qt::AlignHCenter) {
            t.x = r.center().x();
            t.anchor = SvgText::Middle;
        } else if (align & Qt::AlignRight) {
            t.x = r.right() - 2;
            t.anchor = SvgText::End;
        } else {
            t.x = r.left() + indent;
        }
        texts.push_back(t);
        y += fm.height();
    }
}

// Outlines for the controls that are neither pictures nor plain labels.
void AddBox(std::vector<SvgBox> &boxes, const QWidget *w, const QRectF &r)
{
    const bool framed = qobject_cast<const QPushButton *>(w) || qobject_cast<const QLineEdit *>(w) ||
                        qobject_cast<const QScrollBar *>(w) || qobject_cast<const QGroupBox *>(w);
    if (!framed) return;
    SvgBox b;
    b.left = r.left();
    b.top = r.top();
    b.width = r.width();
    b.height = r.height();
    b.fill = FromQColor(w->palette().color(w->backgroundRole()));
    boxes.push_back(b);
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
        AddBox(doc.boxes, w, r);
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
