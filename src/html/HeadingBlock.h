#pragma once

#include "store/CompanyProfile.h"
#include "store/Letterhead.h"

#include <QString>

// The company heading at the top of the page with the document-type badge, in the arrangement the
// letterhead settings choose.
class HeadingBlock
{
public:
    enum class Arrangement
    {
        Centred,
        LeftAligned,
        AddressRight,
        None
    };

    static Arrangement arrangement(const Letterhead& letterhead);
    static bool usesLogo(const Letterhead& letterhead);

    // `lowerCaseBlack` is the money-free page's spelling of the badge colour.
    static QString build(const CompanyProfile& company, const Letterhead& letterhead, const QString& docType,
                         bool lowerCaseBlack = false);

private:
    static QString centredCompany(const QString& name, const QString& address, const QString& url, bool logo,
                                  const QString& logoLayout);
    static QString layoutOne(const QString& name, const QString& address, const QString& url);
    static QString layoutTwo(const QString& name, const QString& address, const QString& url);
    static QString leftAligned(const QString& name, const QString& address, const QString& url, bool logo,
                               const QString& badge);
    static QString addressRight(const QString& name, const QString& address, const QString& url, bool logo);
};
