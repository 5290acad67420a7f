#pragma once

#include <QString>

// Texts keep CR LF line breaks inside the program; Qt's text widgets use LF.
namespace LineBreaks {

QString toCrLf(const QString& text);
QString toLf(const QString& text);

} // namespace LineBreaks
