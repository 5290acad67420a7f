#pragma once

#include <QString>

// An empty field counts as 0: returns "0" for an empty text and writes "0" back into it; any other
// text is returned unchanged.
QString EmptyToZero(QString& text);
// The same for a value that is not a field (nothing to write back).
QString EmptyToZero(const QString& text);
