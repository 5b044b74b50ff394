#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace monthview {

// The text as its note file will hold it: every character that Windows-1252
// has no byte for becomes '?', one per character (a surrogate pair is one).
// `replaced`, when given, receives each such character once, in the order
// of their first appearance.
QString storableText(QStringView text, QStringList *replaced = nullptr);

} // namespace monthview
