#pragma once

#include <QJsonObject>
#include <QString>

class CLedProject;
struct CLedLinkSettings;

// The whole project as JSON, every field under its own name; and back.
namespace ProjectJson {

QJsonObject toJson(const CLedProject& project);

// The link settings record, as the project and the catalogue's defaults show it.
QJsonObject linkToJson(const CLedLinkSettings& link);

// Fills `project` from an object in the toJson() form. Missing keys keep the
// project's values. The assignment arrays, when given, replace the texts of
// panel options 15..19. False with a message naming the key on bad input.
bool fromJson(const QJsonObject& object, CLedProject& project, QString* error);

} // namespace ProjectJson
