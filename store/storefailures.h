#pragma once

#include <QString>

namespace store {

// "Cannot read data/2006-03-14.txt: why": verb is "read", "write" or
// "delete", each a sentence of its own for the translations.
QString failure(const char *verb, qint16 day, qint16 month, qint16 year, const QString &why);
// The same with why as an errno.
QString failure(const char *verb, qint16 day, qint16 month, qint16 year, int err);

} // namespace store
