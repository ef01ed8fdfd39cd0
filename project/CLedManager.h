#pragma once

#include "project/CLedModel.h"

#include <QVector>

// The panel model list read from Model.ini; one instance per process.
class CLedManager
{
public:
    static CLedManager& instance();

    // Reads the list; false (and the list kept as it was) when the file lists
    // no model. The default is Model.ini in the current directory.
    bool load(const QString& path = QStringLiteral("Model.ini"));
    int count() const { return m_models.size(); }
    const CLedModel* model(int i) const;
    // The position of the model with this exact name, or -1.
    int indexOf(const QString& name) const;

private:
    QVector<CLedModel> m_models;
};
