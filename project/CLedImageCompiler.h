#pragma once

#include <QByteArray>

class CLedProject;

// Turns a project into the panel's binary image: a 128-byte header, one
// 32-byte record per page, the parameter block and the 34-byte key block,
// with a CRC over the page records, every byte XOR 0x59.
namespace CLedImageCompiler {

constexpr int kHeaderSize = 128;
constexpr int kPageRecordSize = 32;
constexpr int kParameterBlockFixedSize = 48;
constexpr int kKeyBlockSize = 34;
constexpr char kScramble = 0x59;

// The image before scrambling. Reads options through their getters, whose
// normalising write-backs are the only change made to the project.
QByteArray buildPlainImage(CLedProject& project);

// XOR 0x59 over every byte (the same call unscrambles).
QByteArray scramble(QByteArray image);

} // namespace CLedImageCompiler
