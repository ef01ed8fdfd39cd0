#include "app/BuildTime.h"

#include <QDateTime>
#include <QLocale>

QString buildTimeText(const QString& date, const QString& time)
{
    QString joined = date + time;
    joined.replace(QLatin1String("  "), QLatin1String(" "));
    // The compiler pads a one-digit day with a space, which "dd" would refuse.
    const QLocale english(QLocale::English);
    QDateTime parsed = english.toDateTime(joined, QStringLiteral("MMM dd yyyyhh:mm:ss"));
    if (!parsed.isValid())
        parsed = english.toDateTime(joined, QStringLiteral("MMM d yyyyhh:mm:ss"));
    return parsed.isValid() ? parsed.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : QString();
}
