#include "plc/PlcAttributes.h"

#include <QDomElement>

namespace PlcAttributes {

namespace {

struct Enumerator
{
    const char* name;
    int value;
};

template <std::size_t N> int lookup(const QString& text, const Enumerator (&table)[N])
{
    for (const Enumerator& e : table) {
        if (text == QLatin1String(e.name))
            return e.value;
    }
    return 0;
}

constexpr Enumerator kAddrTypes[] = {
    {"AT_BIT", AT_BIT}, {"AT_WORD", AT_WORD}, {"AT_BITWORD", AT_BITWORD}};
constexpr Enumerator kMemTypes[] = {
    {"MT_READ", MT_READ}, {"MT_WRITE", MT_WRITE}, {"MT_ALL", MT_ALL}};
constexpr Enumerator kExplains[] = {{"AE_DEC", AE_DEC},         {"AE_OCT", AE_OCT},
                                    {"AE_HEX", AE_HEX},         {"AE_DEC_DEC", AE_DEC_DEC},
                                    {"AE_DEC_OCT", AE_DEC_OCT}, {"AE_DECT_HEX", AE_DECT_HEX}};
constexpr Enumerator kValueTypes[] = {{"VT_DEC", VT_DEC}, {"VT_OCT", VT_OCT}, {"VT_HEX", VT_HEX}};

} // namespace

QString text(const QDomElement& element, const char* attribute)
{
    return element.attribute(QString::fromLatin1(attribute));
}

QStringList split(const QString& text)
{
    return text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString pieceFor(const QStringList& pieces, int languageIndex)
{
    if (pieces.isEmpty())
        return QString();
    if (languageIndex >= 0 && languageIndex < pieces.size())
        return pieces.at(languageIndex);
    return pieces.at(0);
}

bool toBool(const QString& text)
{
    const QString lower = text.toLower();
    return lower == QLatin1String("true") || lower == QLatin1String("1");
}

quint32 toNumber(const QString& text, ValueType radix)
{
    switch (radix) {
    case VT_DEC:
        return text.toUInt(nullptr, 10);
    case VT_OCT:
        return text.toUInt(nullptr, 8);
    case VT_HEX:
        return text.toUInt(nullptr, 16);
    case VT_NONE:
        break;
    }
    return 0;
}

quint32 toDecimal(const QString& text)
{
    return text.toUInt(nullptr, 10);
}

AddrType toAddrType(const QString& text)
{
    return AddrType(lookup(text, kAddrTypes));
}

MemType toMemType(const QString& text)
{
    return MemType(lookup(text, kMemTypes));
}

AddrExplain toAddrExplain(const QString& text)
{
    return AddrExplain(lookup(text, kExplains));
}

ValueType toValueType(const QString& text)
{
    return ValueType(lookup(text, kValueTypes));
}

} // namespace PlcAttributes
