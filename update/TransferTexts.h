#pragma once

#include <QString>

// The texts the library shows, in Chinese or English by the `chinese` flag.
namespace TransferTexts {
QString connecting();
QString fileSize(qint64 kilobytes);
QString downloading();
QString cancelled();
QString completed();
QString checksumFailed();
// "<percent>% <speed>KB/s", or from 1024 KB/s up "<percent>% <speed / 800>MB/s".
QString progress(int percent, double kilobytesPerSecond);
QString messageCaption();
QString cannotDelete(const QString& path);
QString cannotCreate(const QString& path);
QString installerRejected(const QString& path);
} // namespace TransferTexts
