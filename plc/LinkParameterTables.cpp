#include "plc/LinkParameterTables.h"

namespace LinkParameterTables {

namespace {

QStringList padded(const QStringList& values)
{
    QStringList table = values;
    while (table.size() < kSlots)
        table.append(QString());
    return table;
}

struct Tables
{
    QStringList baudRates =
        padded({QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                QStringLiteral("57600"), QStringLiteral("115200")});
    QStringList dataBits = padded(
        {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")});
    QStringList stopBits =
        padded({QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")});
    QStringList parity =
        padded({QStringLiteral("NO"), QStringLiteral("EVEN"), QStringLiteral("ODD"),
                QStringLiteral("SPACE"), QStringLiteral("MARK")});
    QStringList lineTypes =
        padded({QStringLiteral("RS232"), QStringLiteral("RS422"), QStringLiteral("RS485")});
};

const Tables& tables()
{
    static const Tables instance;
    return instance;
}

} // namespace

const QStringList& tableSlots(Table table)
{
    const Tables& t = tables();
    switch (table) {
    case BaudRates:
        return t.baudRates;
    case DataBits:
        return t.dataBits;
    case StopBits:
        return t.stopBits;
    case Parity:
        return t.parity;
    case LineTypes:
        break;
    }
    return t.lineTypes;
}

int entryCount(Table table)
{
    const QStringList& s = tableSlots(table);
    int count = 0;
    while (count < s.size() && !s.at(count).isEmpty())
        ++count;
    return count;
}

quint32 indexOf(Table table, const QString& text, quint32 fallback)
{
    const int index = tableSlots(table).indexOf(text);
    return index < 0 ? fallback : quint32(index);
}

} // namespace LinkParameterTables
