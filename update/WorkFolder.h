#pragma once

#include <QString>

// The check's working folder "update" in the host folder.
namespace WorkFolder {
QString path();
// Deletes every file in the folder and its sub-folders, keeping the folders.
void empty(const QString& folder);
// Empties the folder and removes it with its sub-folders.
void remove(const QString& folder);
} // namespace WorkFolder
