#include "table.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace bench {

double quantile(std::vector<double> samples, double q)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const double rank = std::clamp(q, 0.0, 1.0) * double(samples.size() - 1);   // [0, n - 1]
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, samples.size() - 1);
    const double weight = rank - double(below);
    return samples[below] + (samples[above] - samples[below]) * weight;
}

double median(const std::vector<double> &samples)
{
    return quantile(samples, 0.5);
}

double spread(const std::vector<double> &samples)
{
    const double mid = median(samples);
    if (mid == 0)
        return 0;
    return (quantile(samples, 0.75) - quantile(samples, 0.25)) / 2 / mid;
}

Verdict judge(const Row &row)
{
    Verdict v;
    v.median = median(row.samples);
    v.floor = median(row.floor);
    v.ratio = v.floor > 0 ? v.median / v.floor : 0;
    switch (row.budget.kind) {
    case Budget::AtMost:
        v.limit = row.budget.limit;
        break;
    case Budget::TimesFloor:
        v.limit = row.budget.limit * v.floor;
        break;
    case Budget::FloorPlus:
        v.limit = v.floor + row.budget.limit;
        break;
    }
    const bool needsFloor = row.budget.kind != Budget::AtMost;
    v.ok = row.error.isEmpty() && !row.samples.empty() && (!needsFloor || !row.floor.empty())
        && v.median <= v.limit;
    return v;
}

namespace {

// Three significant digits at most, no exponent: 0.412, 1.27, 12.3, 123.
QString number(double value)
{
    const double size = std::fabs(value);
    const int decimals = size < 1 ? 3 : size < 10 ? 2 : size < 100 ? 1 : 0;
    return QString::number(value, 'f', decimals);
}

QString limitText(const Row &row)
{
    const QString limit = QString::number(row.budget.limit, 'g', 6);
    switch (row.budget.kind) {
    case Budget::AtMost:
        return QStringLiteral("<= %1 %2").arg(limit, row.unit);
    case Budget::TimesFloor:
        return QStringLiteral("<= %1 x floor").arg(limit);
    case Budget::FloorPlus:
        return QStringLiteral("<= floor + %1 %2").arg(limit, row.unit);
    }
    return QString();
}

QString noiseText(const std::vector<double> &samples)
{
    if (samples.size() < 2)
        return QStringLiteral("-");
    return QStringLiteral("+-%1%").arg(std::lround(spread(samples) * 100));
}

} // namespace

QString formatTable(const std::vector<Row> &rows)
{
    const QStringList header = {QStringLiteral("case"), QStringLiteral("median"),
                                QStringLiteral("floor"), QStringLiteral("ratio"),
                                QStringLiteral("budget"), QStringLiteral("noise"),
                                QStringLiteral("n"), QString()};
    std::vector<QStringList> lines{header};
    for (const Row &row : rows) {
        const Verdict v = judge(row);
        QStringList cells;
        cells << row.name;
        if (!row.error.isEmpty()) {
            cells << QStringLiteral("-") << QStringLiteral("-") << QStringLiteral("-")
                  << limitText(row) << QStringLiteral("-") << QStringLiteral("-")
                  << QStringLiteral("error: ") + row.error;
            lines.push_back(cells);
            continue;
        }
        cells << number(v.median) + QLatin1Char(' ') + row.unit
              << (row.floor.empty() ? QStringLiteral("-") : number(v.floor) + QLatin1Char(' ') + row.unit)
              << (row.floor.empty() ? QStringLiteral("-") : QString::number(v.ratio, 'f', 2))
              << limitText(row)
              << noiseText(row.samples) + QLatin1Char(' ') + noiseText(row.floor)
              << QString::number(row.samples.size())
              << (v.ok ? QStringLiteral("ok") : QStringLiteral("over"));
        lines.push_back(cells);
    }

    std::vector<qsizetype> width(header.size(), 0);
    for (const QStringList &cells : lines)
        for (qsizetype i = 0; i < cells.size(); ++i)
            width[i] = std::max(width[i], cells[i].size());

    // The case name is left-aligned, the figures right-aligned, the verdict
    // last and left-aligned so that a long error text does not widen the rest.
    QString out;
    for (const QStringList &cells : lines) {
        QString line;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i > 0)
                line += QStringLiteral("  ");
            const bool left = i == 0 || i == cells.size() - 1;
            const bool last = i == cells.size() - 1;
            line += last ? cells[i]
                  : left ? cells[i].leftJustified(width[i])
                         : cells[i].rightJustified(width[i]);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}

} // namespace bench
