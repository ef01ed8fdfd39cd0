#pragma once

#include "plc/PlcTypes.h"

#include <QStringList>

class QDomElement;

// How the catalogue file's attribute texts become values. A missing
// attribute is empty text and gets the result empty text gives.
namespace PlcAttributes {

QString text(const QDomElement& element, const char* attribute);

// "中文|English" -> pieces, split at "|" with empty pieces dropped.
QStringList split(const QString& text);

// The piece for a language; piece 0 when there is no such piece; empty when none.
QString pieceFor(const QStringList& pieces, int languageIndex);

// "true"/"1" (any case) -> true; everything else -> false.
bool toBool(const QString& text);

// Unsigned number in the radix of the value type; 0 for VT_NONE or non-numbers.
quint32 toNumber(const QString& text, ValueType radix);

// Unsigned decimal; 0 for non-numbers.
quint32 toDecimal(const QString& text);

AddrType toAddrType(const QString& text);
MemType toMemType(const QString& text);
AddrExplain toAddrExplain(const QString& text);
ValueType toValueType(const QString& text);

} // namespace PlcAttributes
