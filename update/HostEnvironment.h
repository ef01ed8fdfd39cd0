#pragma once

#include <QString>
#include <functional>

// What the library needs of the host and the desktop: the host folder, the
// preference file, the desktop and documents folders, opening files, the
// screen resolution, and the host's GUI thread.
namespace HostEnvironment {

// The folder of the host's executable.
QString hostFolder();
// The library's preference file (INI) in the host folder.
QString settingsPath();
// "update"/"auto" of the preference file; a missing key reads 0.
int readAutoPreference();
// Writes the value; false when the file cannot be written.
bool writeAutoPreference(int value);

QString desktopFolder();
QString documentsFolder();

// Opens a file with its application, or starts it when it is an executable
// program. Above 32 on success, 2 when the file does not exist, 31 when
// nothing could open it.
int shellOpen(const QString& path);

// Logical dots per inch of the primary screen; 96 without a GUI.
int screenDotsPerInch();

// Runs fn on the host's GUI thread and waits for it; false when the host has
// no GUI application to run dialogs in.
bool runOnGuiThread(const std::function<void()>& fn);
// Queues fn to the GUI thread and returns at once.
void postToGuiThread(const std::function<void()>& fn);

// Ends the host program with the exit code, through its event loop.
void endHost(int exitCode);

} // namespace HostEnvironment
