#include "project/CLedAssignmentArray.h"

#include <QStringList>

qint32 CLedAssignmentArray::at(int n, qint32 fallback) const
{
    return n >= 0 && n < m_items.size() ? m_items.at(n) : fallback;
}

QString CLedAssignmentArray::toText() const
{
    QString text;
    for (int i = 0; i < kSize; ++i) {
        text += m_items.size() >= kSize ? QString::number(m_items.at(i)) : QStringLiteral("-1");
        text += QLatin1Char('|');
    }
    return text;
}

// An empty text gives eleven -1. Otherwise the parts between the bars (empty
// parts dropped) replace the leading elements; a part that is not a number
// reads as 0 and elements without a part keep their value.
void CLedAssignmentArray::fromText(const QString& text)
{
    if (text.isEmpty()) {
        m_items = QVector<qint32>(kSize, -1);
        return;
    }
    if (m_items.size() < kSize)
        m_items.resize(kSize);
    const QStringList parts = text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size() && i < kSize; ++i)
        m_items[i] = parts.at(i).toInt();
}

void CLedAssignmentArray::assign(qint32 page, int n)
{
    if (n < 0 || n >= kSize)
        return;
    clearPage(page);
    m_items[n] = n == 0 ? -1 : page;
}

int CLedAssignmentArray::numberOfPage(qint32 page) const
{
    if (page < 0)
        return -1;
    for (int n = 1; n < m_items.size(); ++n) {
        if (m_items.at(n) == page)
            return n;
    }
    return -1;
}

void CLedAssignmentArray::clearPage(qint32 page)
{
    for (qint32& item : m_items) {
        if (item == page)
            item = -1;
    }
}

void CLedAssignmentArray::shiftPages(qint32 first, qint32 last, int delta)
{
    for (qint32& item : m_items) {
        if (item >= first && item <= last)
            item += delta;
    }
}

void CLedAssignmentArray::setFlag(int n, bool on)
{
    if (n < 0 || n >= kSize)
        return;
    m_items[n] = n == 0 ? 0 : (on ? 1 : 0);
}
