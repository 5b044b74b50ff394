#pragma once

#include <QString>

#include <vector>

// The benchmark's figures: medians of repeated measurements, each compared
// with its floor and judged against its budget.
namespace bench {

// Value at quantile q (0 ... 1) of the samples, interpolated between the two
// nearest ranks; 0 for no samples.
double quantile(std::vector<double> samples, double q);
double median(const std::vector<double> &samples);

// Half the distance between the quartiles, relative to the median: 0.05 means
// the middle half of the samples lies within about +-5 % of the median.
double spread(const std::vector<double> &samples);

struct Budget {
    enum Kind {
        AtMost,       // median <= limit (in the row's unit)
        TimesFloor,   // median <= limit x floor median
        FloorPlus,    // median <= floor median + limit (in the row's unit)
    };
    Kind kind = AtMost;
    double limit = 0;
};

struct Row {
    QString name;
    QString unit;                  // "ms" or "MB"
    std::vector<double> samples;   // the program's measurements
    std::vector<double> floor;     // the floor's, taken in the same run
    Budget budget;
    QString error;                 // set when the case could not be measured
};

struct Verdict {
    double median = 0;
    double floor = 0;    // median of the floor
    double ratio = 0;    // median / floor; 0 without a floor
    double limit = 0;    // the budget in the row's unit
    bool ok = false;
};

Verdict judge(const Row &row);

// The table: case, median, floor, ratio, budget, noise, ok/over. One line
// per row, columns aligned, plain text.
QString formatTable(const std::vector<Row> &rows);

} // namespace bench
