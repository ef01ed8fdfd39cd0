#pragma once

#include <QCoreApplication>

class QWidget;

// The update check through ZtVersion.dll, run when the main window has been
// built and on demand from the about menu.
class UpdateCommand
{
    Q_DECLARE_TR_FUNCTIONS(UpdateCommand)

public:
    // Segmo's exit codes when the library is missing, cannot be loaded or
    // lacks an export.
    static constexpr int kLibraryMissing = 100;
    static constexpr int kLibraryNotLoadable = 101;
    static constexpr int kExportMissing = 102;

    // Starts the library's background check (its own dialog shows a newer
    // version) and, for a manual check, reports the previous check's
    // outcome. Returns 0, or the exit code after its message was shown.
    static int run(QWidget* parent, bool manual);

private:
    static void reportStatus(QWidget* parent, int status, int (*updateAuto)(int));
};
