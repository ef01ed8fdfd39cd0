#pragma once

#include <QString>

// The build time as the about box shows it, "yyyy-MM-dd hh:mm:ss", from the
// compiler's date ("Nov 17 2025", a day below 10 padded with a space) and
// time ("10:24:45"); "" when they cannot be read.
QString buildTimeText(const QString& date, const QString& time);
