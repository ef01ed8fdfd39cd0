#include "tools/segmo-cli/JsonReader.h"

#include <cmath>
#include <limits>

bool JsonReader::fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
    return false;
}

QString JsonReader::path(const char* name) const
{
    QStringList parts = m_context;
    parts.append(QString::fromLatin1(name));
    return QLatin1Char('"') + parts.join(QLatin1Char('.')) + QLatin1Char('"');
}

bool JsonReader::integer(const QJsonObject& o, const char* name, double min, double max,
                         double& out)
{
    const QJsonValue value = o.value(QString::fromLatin1(name));
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || number < min || number > max)
        return fail(QStringLiteral("%1 must be an integer from %2 to %3")
                        .arg(path(name))
                        .arg(qint64(min))
                        .arg(qint64(max)));
    out = number;
    return true;
}

void JsonReader::readUnsigned(const QJsonObject& o, const char* name, quint32& target)
{
    double value = 0;
    if (ok() && o.contains(QString::fromLatin1(name)) &&
        integer(o, name, 0, std::numeric_limits<quint32>::max(), value))
        target = quint32(value);
}

void JsonReader::readSigned(const QJsonObject& o, const char* name, qint32& target)
{
    double value = 0;
    if (ok() && o.contains(QString::fromLatin1(name)) &&
        integer(o, name, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(),
                value))
        target = qint32(value);
}

void JsonReader::readBool(const QJsonObject& o, const char* name, bool& target)
{
    const QJsonValue value = o.value(QString::fromLatin1(name));
    if (!ok() || value.isUndefined())
        return;
    if (!value.isBool())
        fail(QStringLiteral("%1 must be true or false").arg(path(name)));
    else
        target = value.toBool();
}

void JsonReader::readText(const QJsonObject& o, const char* name, QString& target)
{
    const QJsonValue value = o.value(QString::fromLatin1(name));
    if (!ok() || value.isUndefined())
        return;
    if (!value.isString())
        fail(QStringLiteral("%1 must be a text").arg(path(name)));
    else
        target = value.toString();
}

void JsonReader::readTextList(const QJsonObject& o, const char* name, QStringList& target)
{
    const QJsonValue value = o.value(QString::fromLatin1(name));
    if (ok() && !value.isUndefined())
        target = stringList(value, name);
}

bool JsonReader::readIntArray(const QJsonObject& o, const char* name, int size,
                              QVector<qint32>& target)
{
    const QJsonArray values = array(o, name);
    if (ok() && values.size() != size)
        return fail(QStringLiteral("%1 must hold %2 integers").arg(path(name)).arg(size));
    target.clear();
    for (const QJsonValue& value : values) {
        const double number = value.toDouble();
        if (!value.isDouble() || std::floor(number) != number || number < -1 ||
            number > std::numeric_limits<qint32>::max())
            return fail(QStringLiteral("%1 must hold integers from -1").arg(path(name)));
        target.append(qint32(number));
    }
    return ok();
}

QJsonObject JsonReader::object(const QJsonObject& o, const char* name)
{
    const QJsonValue value = o.value(QString::fromLatin1(name));
    if (ok() && !value.isObject())
        fail(QStringLiteral("%1 must be an object").arg(path(name)));
    return value.toObject();
}

QJsonArray JsonReader::array(const QJsonObject& o, const char* name)
{
    const QJsonValue value = o.value(QString::fromLatin1(name));
    if (ok() && !value.isArray())
        fail(QStringLiteral("%1 must be an array").arg(path(name)));
    return value.toArray();
}

QJsonObject JsonReader::element(const QJsonArray& array, const char* name, int index)
{
    const QJsonValue value = array.at(index);
    if (ok() && !value.isObject())
        fail(QStringLiteral("%1[%2] must be an object").arg(path(name)).arg(index));
    return value.toObject();
}

QStringList JsonReader::stringList(const QJsonValue& value, const char* name)
{
    QStringList list;
    const QJsonArray array = value.toArray();
    bool valid = value.isArray();
    for (const QJsonValue& item : array) {
        valid = valid && item.isString();
        list.append(item.toString());
    }
    if (!valid)
        fail(QStringLiteral("%1 must be an array of texts").arg(path(name)));
    return list;
}
