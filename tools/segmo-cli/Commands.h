#pragma once

#include <QStringList>

// The segmo-cli commands. Each takes the arguments after its name and
// returns the process exit code.
int runNewCommand(const QStringList& arguments);
int runCompileCommand(const QStringList& arguments);
int runInfoCommand(const QStringList& arguments);
int runCatalogCommand(const QStringList& arguments);
int runImportCommand(const QStringList& arguments);
int runDownloadCommand(const QStringList& arguments);
int runPortsCommand(const QStringList& arguments);
