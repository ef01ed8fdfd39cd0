#pragma once

#include <QStringList>

// The five fixed tables whose positions the PLC link settings store. Each has
// 16 slots; the slots after the listed values hold empty text.
namespace LinkParameterTables {

constexpr int kSlots = 16;

enum Table
{
    BaudRates,
    DataBits,
    StopBits,
    Parity,
    LineTypes
};

// The 16 slots of a table.
const QStringList& tableSlots(Table table);
// How many values a table lists (8, 4, 3, 5, 3).
int entryCount(Table table);
// The position of the first slot equal to `text`, or `fallback` when none is.
// Empty text matches the first empty slot, so it gives the entry count.
quint32 indexOf(Table table, const QString& text, quint32 fallback);

} // namespace LinkParameterTables
