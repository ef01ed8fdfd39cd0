#include "editor/ParamText.h"

namespace ParamText {

QRegularExpression pattern()
{
    return QRegularExpression(QStringLiteral("^[0-9a-fA-FhHlLpPuU-]{0,2}$"));
}

QString preview(const QString& label, bool isSigned, int totalDigits, int decimals)
{
    QString digits;
    if (decimals >= totalDigits) {
        digits = QStringLiteral("ERROR");
    } else {
        digits = QString(totalDigits - decimals, QLatin1Char('8'));
        if (decimals > 0)
            digits = QStringLiteral("%1.%2").arg(digits, QString(decimals, QLatin1Char('8')));
    }
    return label.left(kMaxLength) + (isSigned ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

} // namespace ParamText
