#include "update/WorkFolder.h"

#include "update/HostEnvironment.h"

#include <QDir>
#include <QDirIterator>

namespace WorkFolder {

QString path()
{
    return HostEnvironment::hostFolder() + QStringLiteral("/update");
}

void empty(const QString& folder)
{
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::remove(it.next());
}

void remove(const QString& folder)
{
    empty(folder);
    QDir(folder).removeRecursively();
}

} // namespace WorkFolder
