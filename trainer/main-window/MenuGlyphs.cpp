#include "trainer/main-window/MenuGlyphs.h"

#include <QAction>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int GlyphSize = 16;

using Drawing = void (*)(QPainter &);

void target(QPainter &p)
{
    p.setPen(QPen(Qt::darkRed, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
    p.setBrush(Qt::darkRed);
    p.drawEllipse(QRectF(7, 7, 2, 2));
}

void page(QPainter &p)
{
    p.setPen(Qt::darkBlue);
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 10, 14);
}

void questionList(QPainter &p)
{
    page(p);
    p.setPen(Qt::darkGray);
    for (int y = 4; y <= 12; y += 2)
        p.drawLine(5, y, 11, y);
}

void lawText(QPainter &p)
{
    page(p);
    p.setPen(QPen(Qt::darkRed, 1.2));
    p.drawText(QRect(3, 1, 10, 14), Qt::AlignCenter, QStringLiteral("§"));
}

void questionBank(QPainter &p)
{
    p.setPen(Qt::darkGreen);
    p.setBrush(QColor(0xC0, 0xE0, 0xC0));
    p.drawRect(2, 3, 12, 11);
    p.drawEllipse(QRectF(2, 1, 12, 4));
    p.drawLine(2, 8, 14, 8);
}

void arrowOver(QPainter &p, bool down)
{
    questionBank(p);
    p.setPen(QPen(Qt::blue, 2));
    const int tip = down ? 15 : 1;
    const int tail = down ? 6 : 10;
    p.drawLine(12, tail, 12, tip);
    p.drawLine(9, tip + (down ? -3 : 3), 12, tip);
    p.drawLine(15, tip + (down ? -3 : 3), 12, tip);
}

void backup(QPainter &p) { arrowOver(p, true); }
void restore(QPainter &p) { arrowOver(p, false); }

QIcon glyph(Drawing draw)
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

struct ItemGlyph
{
    const char *item;
    Drawing draw;
};

// Items of the submenus only: an item on the bar itself would show its glyph
// in place of its caption.
const ItemGlyph Glyphs[] = {
    {"SimulaceTestovchotzek1", target}, {"Tiskyotzek1", questionList},       {"Zakon288", lawText},
    {"Vyhlaska_1", lawText},            {"Vyhlaska_2", lawText},             {"Vyhlaska_3", lawText},
    {"Zakon119", lawText},              {"Priloha119", lawText},             {"Centrlnsprvaotzek1", questionBank},
    {"Zlohadatabz1", backup},           {"Obnovadatabz1", restore},
};

} // namespace

void MenuGlyphs::apply(QMenuBar &bar)
{
    for (const ItemGlyph &entry : Glyphs) {
        if (auto *action = bar.findChild<QAction *>(QString::fromLatin1(entry.item)))
            action->setIcon(glyph(entry.draw));
    }
}
