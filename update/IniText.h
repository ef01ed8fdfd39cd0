#pragma once

#include <QString>

// Reads one value of an INI file the way the descriptor is read: section and
// key matched case-insensitively, the value trimmed, surrounding quotes
// removed, at most 254 characters. Empty when the file or key is missing.
QString readIniValue(const QString& path, const QString& section, const QString& key);
