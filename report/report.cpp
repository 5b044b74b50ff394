#include "report.h"

#include "store.h"

#include <QDir>
#include <QFile>

namespace report {

qint32 Rand(const std::function<float()> &nextRandom, qint32 Low, qint32 High)
{
    Q_UNUSED(nextRandom);
    Q_UNUSED(High);
    return Low;
}

Written WriteReport(const QString &workingFolder, qint16 month, qint16 year,
                    const store::NoteStore &notes, const std::function<float()> &nextRandom)
{
    Q_UNUSED(workingFolder);
    Q_UNUSED(month);
    Q_UNUSED(year);
    Q_UNUSED(notes);
    Q_UNUSED(nextRandom);
    return {QString(), QStringLiteral("The month report is not built yet.")};
}

QStringList DeleteReports(const QString &workingFolder)
{
    QStringList errors;
    QDir temp(workingFolder + QLatin1String("/temp"));
    const QStringList pages =
        temp.entryList({QStringLiteral("report-*.htm")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : pages) {
        QFile page(temp.filePath(name));
        if (!page.remove())
            errors << QStringLiteral("Cannot delete temp/%1: %2").arg(name, page.errorString());
    }
    return errors;
}

} // namespace report
