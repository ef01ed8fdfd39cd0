#pragma once

#include <QString>

// One panel model of Model.ini.
struct CLedModel
{
    QString name;
    quint32 id = 0;
    quint32 maxPage = 0;
};
