#include "html/DesktopPageShower.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopPageShower::show(const PageShowRequest& request)
{
    if (request.external || !m_internal) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(request.path));
        return;
    }
    m_internal(request);
}
