#include "drawing.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace paint {

namespace {

void withPainter(QImage& image, const QColor& colour, const auto& draw) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 0));
    draw(painter);
}

} // namespace

void drawLine(QImage& image, QPoint from, QPoint to, const QColor& colour) {
    withPainter(image, colour, [&](QPainter& painter) {
        painter.drawLine(from, to);
        painter.drawPoint(to);
    });
}

void drawRectangle(QImage& image, QPoint corner, QPoint opposite, const QColor& colour,
                   bool filled) {
    const QRect box(QPoint(std::min(corner.x(), opposite.x()), std::min(corner.y(), opposite.y())),
                    QPoint(std::max(corner.x(), opposite.x()), std::max(corner.y(), opposite.y())));
    if (filled) {
        QPainter(&image).fillRect(box, colour);
        return;
    }
    withPainter(image, colour, [&](QPainter& painter) {
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        if (box.width() == 1 || box.height() == 1)
            painter.fillRect(box, colour);
    });
}

void erase(QImage& image, QPoint from, QPoint to) {
    const QPoint half(EraserSize / 2, EraserSize / 2);
    QPainter painter(&image);
    const int steps = std::max({std::abs(to.x() - from.x()), std::abs(to.y() - from.y()), 1});
    for (int i = 0; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        painter.fillRect(QRect(at - half, QSize(EraserSize, EraserSize)), EraserColour);
    }
}

void floodFill(QImage& image, QPoint start, const QColor& colour) {
    if (!image.rect().contains(start))
        return;
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb old = image.pixel(start);
    const QRgb fill = colour.rgb();
    if (old == fill)
        return;
    std::vector<QPoint> pending{start};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!image.rect().contains(p) || image.pixel(p) != old)
            continue;
        // Fill the run of the old colour along the row, then look above and below it.
        int left = p.x();
        while (left > 0 && image.pixel(left - 1, p.y()) == old)
            --left;
        int right = p.x();
        while (right + 1 < image.width() && image.pixel(right + 1, p.y()) == old)
            ++right;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(p.y()));
        for (int x = left; x <= right; ++x) {
            row[x] = fill;
            pending.push_back({x, p.y() - 1});
            pending.push_back({x, p.y() + 1});
        }
    }
}

void applyTool(QImage& image, Tool tool, QPoint start, QPoint previous, QPoint now,
               const QColor& colour) {
    switch (tool) {
    case Tool::Pencil:
        drawLine(image, previous, now, colour);
        break;
    case Tool::Line:
        drawLine(image, start, now, colour);
        break;
    case Tool::Rectangle:
        drawRectangle(image, start, now, colour, false);
        break;
    case Tool::FilledRectangle:
        drawRectangle(image, start, now, colour, true);
        break;
    case Tool::Fill:
        floodFill(image, now, colour);
        break;
    case Tool::Eraser:
        erase(image, previous, now);
        break;
    }
}

} // namespace paint
