#pragma once

#include "update/UpdateState.h"

// The software update check: fetches the descriptor and the release notes,
// compares versions and shows the update dialog when a newer version is
// offered and the user wants to see it.
namespace UpdateCheck {

// Runs a whole check on the calling thread (the check worker).
void run();

// The status a descriptor gives: 0 not offered, 3 newer (also for an offered
// number 0), 2 otherwise; `newer` tells whether the dialog may be shown.
int compare(int offered, const QString& remoteVersion, bool* newer);

// Runs the update dialog modally on the host's GUI thread.
void showDialog();

} // namespace UpdateCheck
