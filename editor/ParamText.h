#pragma once

#include <QRegularExpression>
#include <QString>

// The page label the panel shows in front of a value: up to two characters,
// each a digit, "-", or one of the letters A B C D E F H L P U (either case,
// stored upper-cased).
namespace ParamText {

constexpr int kMaxLength = 2;

// The pattern of the label editors (line edit and table cell).
QRegularExpression pattern();

// The preview of a page on the panel's digits: the first two label
// characters, "-" for a signed value or " ", then "8" for every integer digit
// and "." plus "8" for every decimal; "ERROR" when decimals >= total.
QString preview(const QString& label, bool isSigned, int totalDigits, int decimals);

} // namespace ParamText
