#pragma once

#include <QString>

// The two process-wide values of Segmo: the program directory (also the
// current directory) and the interface language.
namespace ProcessValues {
enum Language
{
    Chinese = 0,
    English = 1
};
}

// The program's directory as the start derives it from the program path: the
// part before the last "\" or, without one, before the last "/"; a bare name
// is taken whole.
QString programDirFromArgument(const QString& programPath);

// The directory of the program file, without a trailing separator.
QString programDir();
void setProgramDir(const QString& dir);

// 0 for Chinese, 1 for English.
int languageIndex();
void setLanguageIndex(int index);
