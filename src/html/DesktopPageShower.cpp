#include "html/DesktopPageShower.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopPageShower::show(const PageShowRequest& request)
{
    if (request.external || !m_internal) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(request.path));
        if (m_afterExternal)
            m_afterExternal(request);
        return;
    }
    m_internal(request);
}
