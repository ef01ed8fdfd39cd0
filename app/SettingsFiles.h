#pragma once

#include <QPoint>
#include <QSize>
#include <QStringList>

// The small INI files beside the program. Each access opens the file by its
// relative name in the current directory (the program directory); nothing is
// cached, so every window sees what another one wrote.
namespace SettingsFiles {
inline const char* const kAppFile = "Segmo.ini";
inline const char* const kPositionFile = "LedPos.ini";
inline const char* const kRecentFile = "MruFile.ini";
constexpr int kMaxRecentFiles = 10;
} // namespace SettingsFiles

// "/MainWindow/port" of Segmo.ini: the serial port the user chose.
QString portSetting();
void savePortSetting(const QString& name);

// "/language/country" of Segmo.ini: "chinese", "english" or empty.
QString languageSetting();
void saveLanguageSetting(const QString& country);

// The stored geometry of window N in LedPos.ini; a missing key gives a null
// point or an invalid size.
QPoint storedWindowPos(const QString& name);
QSize storedWindowSize(const QString& name);
void storeWindowGeometry(const QString& name, const QPoint& pos, const QSize& size);
// "/N/col<k>" of LedPos.ini for column k - 1; 0 when missing.
int storedColumnWidth(const QString& name, int column);
void storeColumnWidth(const QString& name, int column, int width);

// The recent projects of MruFile.ini, newest first, at most ten.
QStringList recentFiles();
// Puts a path in front unless it is listed already; true when the list changed.
bool addRecentFile(const QString& path);
// Removes every entry equal to the path (after a failed open); true when the list changed.
bool removeRecentFile(const QString& path);
