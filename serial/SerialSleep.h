#pragma once

// Every pause of the panel protocol and the download jobs goes through here,
// so that tests can shorten them; the program keeps the specified pauses.
namespace SerialSleep {
void sleepMs(int milliseconds);
// Pauses last percent / 100 of their time (100 unless a test changes it).
void setScalePercent(int percent);
} // namespace SerialSleep
