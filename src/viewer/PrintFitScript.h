#pragma once

#include <QPageLayout>
#include <QString>

// Readies a loaded page for printing on a given paper, without touching what the screen shows:
// a page that overflows one sheet a little is shrunk onto it; a longer one is split into sheets
// with the item table's header on each, no row cut in two and the totals kept with the last item.
// The script's result is a JSON text describing what it did (height, zoom, sheets).
class PrintFitScript
{
public:
    // A page taller than one sheet by no more than this share is shrunk rather than flowed.
    static constexpr double kMostOverflow = 0.2;

    static QString forLayout(const QPageLayout& layout);
};
