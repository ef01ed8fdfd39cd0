#pragma once

#include <QByteArray>

// The version texts built into the library and the small arithmetic of its
// text and screen exports.
namespace VersionTexts {

constexpr const char* kFullVersion = "3.0.1000.178";
constexpr const char* kShortVersion = "3.0.178";

// Clears the buffer and copies as much of text as fits before a terminating zero.
void copyText(char* buffer, int size, const QByteArray& text);

// dots per inch -> percent of 96 (96 -> 100, 120 -> 125).
int dpiPercent(int dotsPerInch);

// A version text with its points removed, read as a decimal number from its
// leading digits ("3.0.1000.178" -> 301000178, "abc" -> 0).
quint64 versionNumber(const QByteArray& text);

} // namespace VersionTexts
