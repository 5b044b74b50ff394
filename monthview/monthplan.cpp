#include "monthplan.h"

#include "calendar.h"

#include <algorithm>
#include <cmath>

namespace monthview {

MonthPlan planMonth(qint16 month, qint16 year, const QDate &today,
                    const std::function<store::Note(qint16 day)> &noteOf, int firstWeekday)
{
    MonthPlan plan;
    plan.days = calendar::GetDaysInMonth(month, year);
    const bool todaysMonth = month == today.month() && year == today.year();
    static const QString saturday = QStringLiteral("Saturday");
    static const QString sunday = QStringLiteral("Sunday");

    for (qint16 d = 1; d <= plan.days; ++d) {
        const qint16 k = calendar::GetIndex(d, month, year, firstWeekday);   // [1, 35]
        CellPlan &cell = plan.cells[k];
        cell.day = d;
        cell.note = noteOf(d);
        cell.caption = QString::number(d);
        const QString name = calendar::GetWkd(d, month, year);
        if (todaysMonth && d == today.day())
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

qsizetype editorTextPrefixLength(const QString &text, int lines, qsizetype chars, CharRoom *room, double width,
                                 const MeasureChar &measure)
{
    const bool measured = room && width > 0;
    qsizetype end = std::min(text.size(), std::max<qsizetype>(chars, 0));
    const auto *const s = reinterpret_cast<const char16_t *>(text.constData());
    int breaks = 0;
    int wrapped = 0;   // lines the text before the current line fills at least
    double run = 0;    // room of the current line so far
    // The current line fills the rest once its room passes this.
    double rest = (lines - 1) * width;
    for (qsizetype i = 0; i < end; ++i) {
        const char16_t c = s[i];
        if (c == u'\n' || c == u'\r') {
            ++breaks;
            if (measured) {
                wrapped += std::max(1, int(std::ceil(run / width)));
                run = 0;
                rest = (lines - wrapped - 1) * width;
            }
            if (breaks >= lines || wrapped >= lines) {
                end = i + 1;
                break;
            }
        } else if (measured && c < 256) {
            float &r = (*room)[c];
            if (r < 0)
                r = measure ? std::max(measure(c), 0.0f) : 0.0f;
            // A character wider than the line still fills only one.
            run += std::min(double(r), width);
            if (run > rest) {
                end = i + 1;
                break;
            }
        }
    }
    if (end > 0 && end < text.size() && QChar::isHighSurrogate(s[end - 1]))
        ++end;
    return end;
}

} // namespace monthview
