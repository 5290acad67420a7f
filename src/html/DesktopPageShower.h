#pragma once

#include "html/PageShower.h"

#include <functional>

// The desktop's opener, or the internal viewer the window provides when there is one.
class DesktopPageShower : public PageShower
{
public:
    using InternalViewer = std::function<void(const PageShowRequest&)>;

    explicit DesktopPageShower(InternalViewer internalViewer = {}) : m_internal(std::move(internalViewer)) {}
    void show(const PageShowRequest& request) override;

private:
    InternalViewer m_internal;
};
