#pragma once

#include <QStringList>

// The entries of the window's pick lists, in list order.
namespace PickLists {

QStringList billToTerms();
QStringList shipToTerms();
QStringList documentTypes();
QStringList chargeNames();
QStringList currencySymbols();
QStringList paymentTerms();
QStringList taxPercents();    // "0".."20"
QStringList rowCounts();      // "1".."65"
QStringList pageRows();       // "2".."100"
QStringList quantities();     // "1".."100"
QStringList discounts();      // "5","10",.."50"
QStringList numbers(int from, int to, int step = 1);

} // namespace PickLists
