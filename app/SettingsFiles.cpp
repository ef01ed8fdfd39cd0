#include "app/SettingsFiles.h"

#include <QSettings>

namespace {

QString fileName(const char* name)
{
    return QString::fromLatin1(name);
}

QString positionKey(const QString& window)
{
    return QLatin1Char('/') + window + QStringLiteral("/pos");
}

QString sizeKey(const QString& window)
{
    return QLatin1Char('/') + window + QStringLiteral("/size");
}

// Columns count from 0 in the code and from 1 in the file.
QString columnKey(const QString& window, int column)
{
    return QStringLiteral("/%1/col%2").arg(window).arg(column + 1);
}

const QString kRecentKey = QStringLiteral("recentFileList");
const QString kPortKey = QStringLiteral("/MainWindow/port");
const QString kLanguageKey = QStringLiteral("/language/country");

void writeRecentFiles(const QStringList& list)
{
    QSettings settings(fileName(SettingsFiles::kRecentFile), QSettings::IniFormat);
    settings.setValue(kRecentKey, list);
}

QString appSetting(const QString& key)
{
    QSettings settings(fileName(SettingsFiles::kAppFile), QSettings::IniFormat);
    return settings.value(key).toString();
}

void saveAppSetting(const QString& key, const QString& value)
{
    QSettings settings(fileName(SettingsFiles::kAppFile), QSettings::IniFormat);
    settings.setValue(key, value);
}

} // namespace

QString portSetting()
{
    return appSetting(kPortKey);
}

void savePortSetting(const QString& name)
{
    saveAppSetting(kPortKey, name);
}

QString languageSetting()
{
    return appSetting(kLanguageKey);
}

void saveLanguageSetting(const QString& country)
{
    saveAppSetting(kLanguageKey, country);
}

QPoint storedWindowPos(const QString& name)
{
    QSettings settings(fileName(SettingsFiles::kPositionFile), QSettings::IniFormat);
    return settings.value(positionKey(name)).toPoint();
}

QSize storedWindowSize(const QString& name)
{
    QSettings settings(fileName(SettingsFiles::kPositionFile), QSettings::IniFormat);
    return settings.value(sizeKey(name)).toSize();
}

void storeWindowGeometry(const QString& name, const QPoint& pos, const QSize& size)
{
    QSettings settings(fileName(SettingsFiles::kPositionFile), QSettings::IniFormat);
    settings.setValue(positionKey(name), pos);
    settings.setValue(sizeKey(name), size);
}

int storedColumnWidth(const QString& name, int column)
{
    QSettings settings(fileName(SettingsFiles::kPositionFile), QSettings::IniFormat);
    return settings.value(columnKey(name, column)).toInt();
}

void storeColumnWidth(const QString& name, int column, int width)
{
    QSettings settings(fileName(SettingsFiles::kPositionFile), QSettings::IniFormat);
    settings.setValue(columnKey(name, column), width);
}

QStringList recentFiles()
{
    QSettings settings(fileName(SettingsFiles::kRecentFile), QSettings::IniFormat);
    return settings.value(kRecentKey).toStringList();
}

bool addRecentFile(const QString& path)
{
    QStringList list = recentFiles();
    if (list.contains(path))
        return false;
    list.prepend(path);
    while (list.size() > SettingsFiles::kMaxRecentFiles)
        list.removeLast();
    writeRecentFiles(list);
    return true;
}

bool removeRecentFile(const QString& path)
{
    QStringList list = recentFiles();
    const bool removed = list.removeAll(path) > 0;
    while (list.size() > SettingsFiles::kMaxRecentFiles)
        list.removeLast();
    writeRecentFiles(list);
    return removed;
}
