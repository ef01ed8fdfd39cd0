#include "update/ServerUrls.h"

#include <QByteArray>

namespace ServerUrls {

namespace {

QString overridden()
{
    QString base = QString::fromLocal8Bit(qgetenv("ZTVERSION_SERVER"));
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

QString base(const char* server)
{
    const QString mirror = overridden();
    return mirror.isEmpty() ? QString::fromLatin1(server) : mirror;
}

} // namespace

QString descriptorUrl()
{
    return base(kDownloadServer) + QStringLiteral("/Kavio/config.txt");
}

QString onHost(const QString& host, const QString& path)
{
    const QString mirror = overridden();
    return (mirror.isEmpty() ? QStringLiteral("http://") + host : mirror) + path;
}

QString documentUrl(int docKind)
{
    return docKind != 0 ? base(kDocumentServer) + QStringLiteral("/Pelmo/Tavro_New.pdf")
                        : base(kDownloadServer) + QStringLiteral("/Kavio/Tavro.pdf");
}

} // namespace ServerUrls
