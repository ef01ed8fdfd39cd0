#include "update/HostEnvironment.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <cstdlib>

namespace HostEnvironment {

namespace {
const QString kAutoKey = QStringLiteral("update/auto");
constexpr int kOpened = 42;
constexpr int kFileNotFound = 2;
constexpr int kNotOpened = 31;

bool haveGui()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}
} // namespace

QString hostFolder()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

QString settingsPath()
{
    return hostFolder() + QStringLiteral("/ZtVersion.ini");
}

int readAutoPreference()
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    return settings.value(kAutoKey).toString().toInt();
}

bool writeAutoPreference(int value)
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(kAutoKey, QString::number(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

int shellOpen(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return kFileNotFound;
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath())
                   ? kOpened
                   : kNotOpened;
    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (!haveGui())
        return kNotOpened;
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        return QDesktopServices::openUrl(url) ? kOpened : kNotOpened;
    // A worker never waits for the GUI thread, which may be waiting for it.
    postToGuiThread([url] { QDesktopServices::openUrl(url); });
    return kOpened;
}

int screenDotsPerInch()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || !QGuiApplication::primaryScreen())
        return 96;
    return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
}

bool runOnGuiThread(const std::function<void()>& fn)
{
    if (!haveGui())
        return false;
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        fn();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), fn, Qt::BlockingQueuedConnection);
    return true;
}

void postToGuiThread(const std::function<void()>& fn)
{
    if (QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), fn, Qt::QueuedConnection);
}

void endHost(int exitCode)
{
    if (!QCoreApplication::instance())
        std::_Exit(exitCode);
    postToGuiThread([exitCode] { QCoreApplication::exit(exitCode); });
}

} // namespace HostEnvironment
