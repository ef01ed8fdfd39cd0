#pragma once

#include "app/SettingsFiles.h"

// Window geometry in LedPos.ini under "/N/pos" and "/N/size". Templates, so
// that the core needs no widget library: any window with pos(), size(),
// move() and resize() will do.

// Moves the window only when both stored coordinates are non-zero and resizes
// it only when both stored extents are positive; missing keys change nothing.
template <typename Window> void restoreWindowGeometry(Window* window, const QString& name)
{
    const QPoint pos = storedWindowPos(name);
    const QSize size = storedWindowSize(name);
    if (pos.x() != 0 && pos.y() != 0)
        window->move(pos);
    if (size.width() > 0 && size.height() > 0)
        window->resize(size);
}

template <typename Window> void saveWindowGeometry(const Window* window, const QString& name)
{
    storeWindowGeometry(name, window->pos(), window->size());
}
