#pragma once

#include "app/SettingsFiles.h"

#include <initializer_list>

// Window geometry in LedPos.ini under "/N/pos" and "/N/size", and table
// column widths under "/N/col<k>". Templates, so that the core needs no
// widget library: any window with pos(), size(), move() and resize(), and
// any table with columnWidth() and setColumnWidth(), will do.

// Moves the window only when both coordinates are non-zero and resizes it
// only when both extents are positive; missing keys change nothing.
template <typename Window>
void applyWindowGeometry(Window* window, const QPoint& pos, const QSize& size)
{
    if (pos.x() != 0 && pos.y() != 0)
        window->move(pos);
    if (size.width() > 0 && size.height() > 0)
        window->resize(size);
}

template <typename Window> void restoreWindowGeometry(Window* window, const QString& name)
{
    applyWindowGeometry(window, storedWindowPos(name), storedWindowSize(name));
}

template <typename Window> void saveWindowGeometry(const Window* window, const QString& name)
{
    storeWindowGeometry(name, window->pos(), window->size());
}

// A missing or non-positive stored width falls back to the column's default.
template <typename Table>
void restoreColumnWidths(Table* table, const QString& name, std::initializer_list<int> defaults)
{
    int column = 0;
    for (const int fallback : defaults) {
        const int width = storedColumnWidth(name, column);
        table->setColumnWidth(column, width < 1 ? fallback : width);
        ++column;
    }
}

template <typename Table>
void saveColumnWidths(const Table* table, const QString& name, int columns)
{
    for (int column = 0; column < columns; ++column)
        storeColumnWidth(name, column, table->columnWidth(column));
}
