#pragma once

#include <QRect>

// The dialog templates' units: a horizontal unit is a quarter, a vertical
// unit an eighth of the dialog font's average character (6 x 13 pixels).
inline QRect dialogUnits(int x, int y, int width, int height)
{
    auto horizontal = [](int units) { return units * 6 / 4; };
    auto vertical = [](int units) { return units * 13 / 8; };
    return QRect(horizontal(x), vertical(y), horizontal(width), vertical(height));
}
