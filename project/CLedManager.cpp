#include "project/CLedManager.h"

#include <QSettings>

CLedManager& CLedManager::instance()
{
    static CLedManager manager;
    return manager;
}

bool CLedManager::load(const QString& path)
{
    QSettings ini(path, QSettings::IniFormat);
    const quint32 count = ini.value(QStringLiteral("/ModelList/cnt")).toUInt();
    if (count == 0)
        return false;
    m_models.clear();
    for (quint32 i = 0; i < count; ++i) {
        const QString section = ini.value(QStringLiteral("/ModelList/%1").arg(i)).toString();
        if (section.isEmpty())
            continue;
        const QString prefix = QLatin1Char('/') + section + QLatin1Char('/');
        CLedModel model;
        model.name = ini.value(prefix + QStringLiteral("name")).toString();
        model.id = ini.value(prefix + QStringLiteral("id")).toUInt();
        model.maxPage = ini.value(prefix + QStringLiteral("maxpage")).toUInt();
        m_models.append(model);
    }
    return true;
}

const CLedModel* CLedManager::model(int i) const
{
    return i >= 0 && i < m_models.size() ? &m_models.at(i) : nullptr;
}

int CLedManager::indexOf(const QString& name) const
{
    for (int i = 0; i < m_models.size(); ++i) {
        if (m_models.at(i).name == name)
            return i;
    }
    return -1;
}
