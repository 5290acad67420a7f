#pragma once

#include "html/PageShower.h"

#include <functional>

// The desktop's opener, or the internal viewer the window provides when there is one.
class DesktopPageShower : public PageShower
{
public:
    using InternalViewer = std::function<void(const PageShowRequest&)>;
    // Told after a page went to the desktop's opener: an open internal window still follows it.
    using ExternalFollower = std::function<void(const PageShowRequest&)>;

    explicit DesktopPageShower(InternalViewer internalViewer = {}, ExternalFollower afterExternal = {})
        : m_internal(std::move(internalViewer)), m_afterExternal(std::move(afterExternal))
    {
    }
    void show(const PageShowRequest& request) override;

private:
    InternalViewer m_internal;
    ExternalFollower m_afterExternal;
};
