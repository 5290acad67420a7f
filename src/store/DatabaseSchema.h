#pragma once

#include <QString>
#include <QStringList>

// The two tables of the program and the first company row of a new file.
namespace DatabaseSchema {

QStringList createStatements();
// Created when missing, at every open.
QStringList listIndexStatements();
QString defaultCompanyRow();
// Run at every start: lets the description column hold text of any length and null.
QString widenDescriptionStatement();

} // namespace DatabaseSchema
