#pragma once

#include <QStringList>

class Printer;

// A line of a certificate made to fit a given width in the printer's current
// font face: printed at its own size when it fits, otherwise at the largest
// smaller size that fits, down to a floor; a line still too wide at the floor
// is wrapped at blanks, and a single word wider than the width is broken
// where it reaches the edge.
struct FittedLine
{
    double size = 0;
    QStringList lines;

    static FittedLine fit(
        Printer& printer, const QString& text, int width, double size, double floor);
};
