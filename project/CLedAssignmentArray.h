#pragma once

#include <QString>
#include <QVector>

// One of the project's five lamp and key arrays: element n (1..10) belongs to
// lamp or key n; element 0 carries no assignment. The page arrays hold a page
// index or -1, the flicker arrays a flag (-1, never set, counts as on).
class CLedAssignmentArray
{
public:
    static constexpr int kSize = 11;

    CLedAssignmentArray() : m_items(kSize, -1) {}

    // Element n, or `fallback` when n is not an element.
    qint32 at(int n, qint32 fallback) const;
    int size() const { return m_items.size(); }
    const QVector<qint32>& items() const { return m_items; }

    // The text form "e0|e1|...|e10|" stored among the panel options.
    QString toText() const;
    // Rebuilds the elements from a text form; see CLedAssignmentArray.cpp.
    void fromText(const QString& text);

    // Page arrays: gives number n (0 = none) to page p; the page loses any
    // other number of this kind.
    void assign(qint32 page, int n);
    // The first number 1..10 that belongs to the page, or -1.
    int numberOfPage(qint32 page) const;
    // Every element equal to the page becomes -1.
    void clearPage(qint32 page);
    // Adds delta to every element that refers to a page in [first, last].
    void shiftPages(qint32 first, qint32 last, int delta);

    // Flicker arrays: element n becomes 1 or 0 (0 for n = 0).
    void setFlag(int n, bool on);

private:
    QVector<qint32> m_items;
};
