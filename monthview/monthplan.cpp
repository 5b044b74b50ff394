#include "monthplan.h"

#include "calendar.h"

#include <algorithm>

namespace monthview {

MonthPlan planMonth(qint16 month, qint16 year, const Today &today,
                    const std::function<store::Note(qint16 day)> &noteOf)
{
    MonthPlan plan;
    plan.days = calendar::GetDaysInMonth(month, year);
    const bool todaysMonth = month == today.monthText.toInt() && year == today.year;
    static const QString saturday = QStringLiteral("Saturday");
    static const QString sunday = QStringLiteral("Sunday");

    for (qint16 d = 1; d <= plan.days; ++d) {
        const qint16 k = calendar::GetIndex(d, month, year);   // [1, 35]
        CellPlan &cell = plan.cells[k];
        cell.day = d;
        cell.note = noteOf(d);
        cell.caption = QString::number(d);
        const QString name = calendar::GetWkd(d, month, year);
        if (todaysMonth && d == today.day)
            cell.colour = kTodayColour;
        else if (name != saturday && name != sunday)
            cell.colour = kWorkdayColour;
        else
            cell.colour = kWeekendColour;
    }
    return plan;
}

QString editorTextOfNote(const QString &note)
{
    if (!note.contains(QLatin1Char('\r')))
        return note;
    QString text = note;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString noteOfRawEditorText(const QString &raw)
{
    QString note;
    note.reserve(raw.size() + raw.size() / 16);
    for (const QChar c : raw) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:   // between two blocks
        case QChar::LineSeparator:        // Shift+Enter
        case u'\n':
            note += QLatin1String("\r\n");
            break;
        default:
            note += c;
        }
    }
    return note;
}

qsizetype editorTextPrefixLength(const QString &text, int lines, qsizetype chars)
{
    qsizetype end = std::min(text.size(), std::max<qsizetype>(chars, 0));
    int breaks = 0;
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text.at(i);
        if ((c == u'\n' || c == u'\r') && ++breaks >= lines) {
            end = i + 1;
            break;
        }
    }
    if (end > 0 && end < text.size() && text.at(end - 1).isHighSurrogate())
        ++end;
    return end;
}

} // namespace monthview
