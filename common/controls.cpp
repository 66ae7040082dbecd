#include "controls.h"

#include "fonts.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace rb {

namespace {
void SetBackground(QWidget *w, Color c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

// Width and height the text of a label needs at the label's width.
QSize LabelNeed(const QLabel *l)
{
    const QRect cr = l->contentsRect();
    const QFontMetrics fm(l->font());
    const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect need = fm.boundingRect(QRect(0, 0, std::max(1, cr.width()), 100000), flags, l->text());
    return need.size();
}

int GroupTitleWidth(const QGroupBox *g)
{
    const QFontMetrics fm(g->font());
    return fm.horizontalAdvance(g->title()) + 2 * fm.averageCharWidth();
}
} // namespace

QLabel *MakeLabel(QWidget *parent, const QString &text, FontSpec font, Color back)
{
    auto *l = new QLabel(text, parent);
    l->setFont(UiFont(font.points, font.bold));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 0, 0, 0);
    SetBackground(l, back);
    return l;
}

QLabel *MakeClearLabel(QWidget *parent, const QString &text, FontSpec font)
{
    auto *l = new QLabel(text, parent);
    l->setFont(UiFont(font.points, font.bold));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 0, 0, 0);
    l->setAutoFillBackground(false);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

QPushButton *MakeButton(QWidget *parent, const QString &text, FontSpec font)
{
    auto *b = new QPushButton(text, parent);
    b->setFont(UiFont(font.points, font.bold));
    return b;
}

QRadioButton *MakeOption(QWidget *parent, const QString &text, FontSpec font, bool selected)
{
    auto *o = new QRadioButton(text, parent);
    o->setFont(UiFont(font.points, font.bold));
    o->setChecked(selected);
    return o;
}

QGroupBox *MakeFrame(QWidget *parent, const QString &title, FontSpec font)
{
    auto *g = new QGroupBox(title, parent);
    g->setFont(UiFont(font.points, font.bold));
    return g;
}

QLineEdit *MakeTextBox(QWidget *parent, const QString &text, FontSpec font)
{
    auto *t = new QLineEdit(text, parent);
    t->setFont(UiFont(font.points, font.bold));
    t->setTextMargins(1, 0, 1, 0);
    return t;
}

QScrollBar *MakeScrollBar(QWidget *parent, Qt::Orientation o, int min, int max, int smallChange,
                          int largeChange, int value)
{
    auto *s = new QScrollBar(o, parent);
    s->setRange(min, max);
    s->setSingleStep(smallChange);
    s->setPageStep(largeChange);
    s->setValue(value);
    s->setTracking(false);
    // Arrow keys move the thumb the way they point.
    s->setInvertedControls(o == Qt::Vertical);
    return s;
}

void FitText(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w)) {
        if (!l->wordWrap()) {
            const QSize need = LabelNeed(l);
            l->resize(std::max(l->width(), need.width()), std::max(l->height(), need.height()));
            return;
        }
        // Widen only as far as the longest word needs, then let it wrap.
        const QFontMetrics fm(l->font());
        int longest = 0;
        for (const QString &word : l->text().split(QRegularExpression(QStringLiteral("\\s+"))))
            longest = std::max(longest, fm.horizontalAdvance(word));
        if (longest > l->contentsRect().width()) l->resize(longest + 1, l->height());
        const QSize need = LabelNeed(l);
        if (need.height() > l->contentsRect().height()) l->resize(l->width(), need.height());
        return;
    }
    if (auto *g = qobject_cast<QGroupBox *>(w)) {
        const int need = GroupTitleWidth(g);
        if (need > g->width()) g->resize(need, g->height());
        return;
    }
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        const QSize hint = b->sizeHint();
        b->resize(std::max(b->width(), hint.width()), std::max(b->height(), hint.height()));
        return;
    }
    if (auto *t = qobject_cast<QLineEdit *>(w)) {
        const QFontMetrics fm(t->font());
        const int need = fm.horizontalAdvance(t->text()) + 8;
        const int needH = fm.height() + 2;
        t->resize(std::max(t->width(), need), std::max(t->height(), needH));
    }
}

bool TextFits(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        const QSize need = LabelNeed(l);
        const QRect cr = l->contentsRect();
        return need.width() <= cr.width() && need.height() <= cr.height();
    }
    if (auto *g = qobject_cast<const QGroupBox *>(w)) return GroupTitleWidth(g) <= g->width();
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) {
        const QSize hint = b->sizeHint();
        const QFontMetrics fm(b->font());
        return hint.width() <= b->width() && fm.height() <= b->height();
    }
    if (auto *t = qobject_cast<const QLineEdit *>(w)) {
        const QFontMetrics fm(t->font());
        return fm.horizontalAdvance(t->text()) + 6 <= t->width() && fm.height() <= t->height();
    }
    return true;
}

} // namespace rb
