#pragma once

#include <QString>

class CLedProject;

// The .kavio project file: a QDataStream (version Qt 5.6, big-endian) of the
// project's fields in a fixed order, opened by a banner and a version text.
namespace CLedProjectFile {

extern const QString kBanner;
extern const QString kVersion;

enum LoadResult
{
    Loaded = 0,
    CannotOpen = 1,
    InvalidFormat = 2
};

// Writes the project through a QSaveFile, so a failed or interrupted save
// leaves the previous file whole. Sets the banner and version fields first.
bool save(CLedProject& project, const QString& path);

// Reads a project file into `project`. A file that ends early, announces more
// than 100 pages, or whose counts and lengths exceed its size is refused as
// InvalidFormat; memory is never allocated by an unchecked count. On any
// result but Loaded the project holds its initial values and is not open.
// The panel model position (modelIndex) comes from the loaded model list.
LoadResult load(CLedProject& project, const QString& path);

} // namespace CLedProjectFile
