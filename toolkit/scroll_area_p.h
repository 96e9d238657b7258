#pragma once
// What the text boxes share: scroll bars and a background colour on a Qt
// scroll area.

#include <QAbstractScrollArea>

#include "toolkit/graphics.h"
#include "toolkit/stdctrls.h"

inline void ApplyScrollBars(QAbstractScrollArea& area, TScrollStyle style) {
    bool vertical = style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
    bool horizontal = style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
    area.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

inline void ApplyBackground(QAbstractScrollArea& area, TColor color) {
    TColor rgb = ColorToRGB(color);
    QPalette palette = area.palette();
    palette.setColor(QPalette::Base, QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    area.setPalette(palette);
}
