#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <QVector>

// Reads typed values out of JSON objects and keeps the first error, with the
// path of the key that caused it. A missing key leaves the target unchanged.
class JsonReader
{
public:
    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    bool fail(const QString& message);

    // Names the object being read, for messages ("pages[2]").
    void enter(const QString& context) { m_context.append(context); }
    void leave() { m_context.removeLast(); }

    void readUnsigned(const QJsonObject& o, const char* name, quint32& target);
    void readSigned(const QJsonObject& o, const char* name, qint32& target);
    void readBool(const QJsonObject& o, const char* name, bool& target);
    void readText(const QJsonObject& o, const char* name, QString& target);
    void readTextList(const QJsonObject& o, const char* name, QStringList& target);
    bool readIntArray(const QJsonObject& o, const char* name, int size, QVector<qint32>& target);

    QJsonObject object(const QJsonObject& o, const char* name);
    QJsonArray array(const QJsonObject& o, const char* name);
    QJsonObject element(const QJsonArray& array, const char* name, int index);
    QStringList stringList(const QJsonValue& value, const char* name);

private:
    QString path(const char* name) const;
    // An integral JSON number within [min, max].
    bool integer(const QJsonObject& o, const char* name, double min, double max, double& out);

    QString m_error;
    QStringList m_context;
};
