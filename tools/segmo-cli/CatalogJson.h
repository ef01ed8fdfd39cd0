#pragma once

#include <QJsonArray>

class CPlcManager;

// The parsed PLC catalogue as JSON: vendors with their models and every
// field of every register type.
namespace CatalogJson {
QJsonArray toJson(const CPlcManager& catalog);
}
