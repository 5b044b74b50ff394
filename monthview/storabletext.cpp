#include "storabletext.h"

#include "codepage.h"

namespace monthview {

QString storableText(QStringView text, QStringList *replaced)
{
    // The round trip through the code page is what a save and the next
    // reading of the note make of the text.
    QString stored = codepage::toUnicode(codepage::fromUnicode(text));
    if (!replaced || stored == text)
        return stored;
    // Each character of the text is one of the stored text, at `at`.
    qsizetype at = 0;
    for (qsizetype i = 0; i < text.size(); ++at) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.sliced(i, pair ? 2 : 1);
        // No character outside the basic plane has a byte.
        if ((pair || stored.at(at) != text[i]) && !replaced->contains(character))
            replaced->append(character.toString());
        i += character.size();
    }
    return stored;
}

} // namespace monthview
