#include "update/TransferTexts.h"

#include "update/UpdateState.h"

namespace TransferTexts {

namespace {
QString pick(const char* chinese, const char* english)
{
    return updateState().chinese.load() != 0 ? QString::fromUtf8(chinese)
                                             : QString::fromUtf8(english);
}
} // namespace

QString connecting()
{
    return pick("正在连接服务器...", "Connecting...");
}

QString fileSize(qint64 kilobytes)
{
    return pick("文件大小: %1 KB", "Size: %1 KB").arg(kilobytes);
}

QString downloading()
{
    return pick("开始下载...", "Downloading...");
}

QString cancelled()
{
    return pick("已取消", "Cancelled");
}

QString completed()
{
    return pick("下载完成", "Downloaded");
}

QString checksumFailed()
{
    return pick("校验失败", "Check failed");
}

QString progress(int percent, double kilobytesPerSecond)
{
    const int whole = int(kilobytesPerSecond);
    if (whole < 1024)
        return QStringLiteral("%1% %2KB/s").arg(percent).arg(whole);
    // The panel software has always shown this figure divided by 800.
    return QStringLiteral("%1% %2MB/s").arg(percent).arg(kilobytesPerSecond / 800.0, 0, 'f', 1);
}

QString messageCaption()
{
    return pick("提示", "Tips");
}

QString cannotDelete(const QString& path)
{
    return pick("无法删除旧文件，请关闭正在使用它的程序: %1",
                "Cannot delete the old file, please close the program that uses it: %1")
        .arg(path);
}

QString cannotCreate(const QString& path)
{
    return pick("无法创建文件: %1", "Cannot create the file: %1").arg(path);
}

QString installerRejected(const QString& path)
{
    return pick("下载的安装程序校验失败，已删除，未运行: %1",
                "The downloaded installer failed its check; it was deleted and not started: %1")
        .arg(path);
}

} // namespace TransferTexts
