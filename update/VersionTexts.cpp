#include "update/VersionTexts.h"

#include <cstring>

namespace VersionTexts {

void copyText(char* buffer, int size, const QByteArray& text)
{
    if (!buffer || size <= 0)
        return;
    std::memset(buffer, 0, size_t(size));
    const int count = qMin(text.size(), size - 1);
    std::memcpy(buffer, text.constData(), size_t(count));
}

int dpiPercent(int dotsPerInch)
{
    return dotsPerInch * 100 / 96;
}

quint64 versionNumber(const QByteArray& text)
{
    QByteArray digits = text;
    digits.replace('.', QByteArray());
    quint64 value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            break;
        // More than 19 digits cannot be a version; keep the leading ones.
        if (value > (~quint64(0) - 9) / 10)
            break;
        value = value * 10 + quint64(c - '0');
    }
    return value;
}

} // namespace VersionTexts
