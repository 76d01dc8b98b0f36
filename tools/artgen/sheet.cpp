// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Contact sheet: every picture at 1x and as drawn for 3x (the icons and the
// pointer blown up nearest neighbour), labelled with a tiny built-in pixel font so
// the sheet renders the same with or without fonts installed.
#include "art.h"

#include <QPainter>

#include <map>

namespace artgen {
namespace {

constexpr int kGlyphScale = 2;
constexpr int kGap = 8;
constexpr int kSheetWidth = 2016; // eight shuttle cells a row
const QColor kGridColour(48, 52, 64);
const QColor kLabelColour(200, 210, 230);

// 3x5 glyphs, rows top to bottom, '#' = lit.
const std::map<QChar, const char*>& glyphs()
{
    static const std::map<QChar, const char*> table = {
        {'0', "####.##.##.####"}, {'1', ".#.##..#..#.###"}, {'2', "###..#####..###"}, {'3', "###..####..####"},
        {'4', "#.##.####..#..#"}, {'5', "####..###..####"}, {'6', "####..####.####"}, {'7', "###..#..#..#..#"},
        {'8', "####.#####.####"}, {'9', "####.####..####"}, {'-', "......###......"}, {'i', ".#.....#..#..#."},
        {'c', "......####..###"}, {'o', "......####.####"}, {'n', "......##.#.##.#"}, {'h', "#..#..###.##.##"},
        {'a', ".......###.#.##"}, {'d', "..#..#####.####"},
    };
    return table;
}

void drawLabel(QPainter& p, QPoint at, const QString& text)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kLabelColour);
    int x = at.x();
    for (const QChar ch : text) {
        const auto it = glyphs().find(ch);
        if (it != glyphs().end()) {
            for (int i = 0; i < 15; ++i)
                if (it->second[i] == '#')
                    p.drawRect(x + (i % 3) * kGlyphScale, at.y() + (i / 3) * kGlyphScale, kGlyphScale, kGlyphScale);
        }
        x += 4 * kGlyphScale;
    }
}

int labelHeight()
{
    return 5 * kGlyphScale + 6;
}

// Large icons are only for the desktop; 3x of those would just be blurry filler.
int zoomFor(const Picture& pic)
{
    return pic.size.width() > 57 ? 1 : 3;
}

QSize cellSize(const Picture& pic)
{
    const int zoom = zoomFor(pic);
    const int w = pic.size.width() * (zoom == 1 ? 1 : 1 + zoom) + kGap * (zoom == 1 ? 2 : 3);
    const int h = pic.size.height() * zoom + labelHeight() + kGap * 2;
    return {w, h};
}

// Row-major placement with wrapping; returns each cell's rectangle.
std::vector<QRect> layout(const std::vector<Picture>& pics, int& height)
{
    std::vector<QRect> cells;
    int x = 0, y = 0, rowHeight = 0;
    QString lastGroup;
    for (const Picture& pic : pics) {
        const QSize s = cellSize(pic);
        // Engines off, engines on, sprites and desktop icons each start a row.
        const int w = pic.size.width();
        const QString group = w == 57 ? (pic.name.toInt() > 20 ? "on" : "off") : w > 57 ? "desktop" : "sprite";
        if (x > 0 && (x + s.width() > kSheetWidth || group != lastGroup)) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        cells.emplace_back(QPoint(x, y), s);
        x += s.width();
        rowHeight = std::max(rowHeight, s.height());
        lastGroup = group;
    }
    height = y + rowHeight;
    return cells;
}

void drawCell(QPainter& p, const QRect& cell, const Picture& pic)
{
    const QImage img = pic.render(1);
    p.setPen(kGridColour);
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    drawLabel(p, cell.topLeft() + QPoint(kGap, kGap / 2), pic.name);
    const int top = cell.top() + labelHeight() + kGap / 2;
    const QPoint one(cell.left() + kGap, top);
    const bool pointer = img.hasAlphaChannel();
    const int zoom = zoomFor(pic);
    const QSize big = img.size() * zoom;
    const QPoint three(one.x() + img.width() + kGap, top);
    if (pointer) { // show the pointer over a mid tone so its outline is visible
        p.fillRect(QRect(one, img.size()), QColor(90, 100, 120));
        p.fillRect(QRect(three, big), QColor(90, 100, 120));
    }
    p.drawImage(one, img);
    // Game pictures show the set drawn for that scale; the rest are blown up.
    if (zoom > 1 && pic.sets && zoom <= kLargestSet)
        p.drawImage(three, pic.render(zoom));
    else if (zoom > 1)
        p.drawImage(QRect(three, big), img.scaled(big, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

} // namespace

QImage contactSheet()
{
    const std::vector<Picture> pics = catalogue();
    int height = 0;
    const std::vector<QRect> cells = layout(pics, height);
    QImage sheet(kSheetWidth, height, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    for (std::size_t i = 0; i < pics.size(); ++i)
        drawCell(p, cells[i], pics[i]);
    p.end();
    return sheet;
}

} // namespace artgen
