#include "app/ProcessValues.h"

#include <atomic>

namespace {
// Set once at start (and by the language actions); read from every window.
QString g_programDir;
std::atomic<int> g_languageIndex{ProcessValues::Chinese};
} // namespace

QString programDirFromArgument(const QString& programPath)
{
    int cut = programPath.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0)
        cut = programPath.lastIndexOf(QLatin1Char('/'));
    return cut < 0 ? programPath : programPath.left(cut);
}

QString programDir()
{
    return g_programDir;
}

void setProgramDir(const QString& dir)
{
    g_programDir = dir;
}

int languageIndex()
{
    return g_languageIndex.load();
}

void setLanguageIndex(int index)
{
    g_languageIndex.store(index);
}
