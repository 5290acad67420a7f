#pragma once

#include <QString>

// How a written page reaches the user's eyes.
struct PageShowRequest
{
    QString path;
    bool external = false;         // chkExternalBrowser: the desktop's default opener
    bool setViewerBorders = false; // pass the border option on to the internal viewer
    bool borders = true;
};

class PageShower
{
public:
    virtual ~PageShower() = default;
    virtual void show(const PageShowRequest& request) = 0;
};
