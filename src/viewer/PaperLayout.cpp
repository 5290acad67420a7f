#include "viewer/PaperLayout.h"

#include <QMarginsF>
#include <QPageSize>
#include <QRectF>
#include <QSize>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

const QMarginsF kDefaultMarginsMm(12.7, 12.7, 12.7, 12.7);

QPageLayout portrait(QPageSize::PageSizeId paper)
{
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, kDefaultMarginsMm, QPageLayout::Millimeter);
}

} // namespace

bool PaperLayout::usesLetter(QLocale::Territory territory)
{
    // The Americas that kept the North American sizes, and the Philippines.
    static constexpr std::array letterTerritories{
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,          QLocale::Philippines,
        QLocale::PuertoRico,   QLocale::Chile,      QLocale::Colombia,        QLocale::Venezuela,
        QLocale::Guatemala,    QLocale::CostaRica,  QLocale::Panama,          QLocale::ElSalvador,
        QLocale::Nicaragua,    QLocale::Belize,     QLocale::DominicanRepublic};
    return std::find(letterTerritories.begin(), letterTerritories.end(), territory) != letterTerritories.end();
}

QPageLayout PaperLayout::regionalDefault(const QLocale& locale)
{
    return portrait(usesLetter(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
}

std::optional<QPageLayout> PaperLayout::named(const QString& paper)
{
    const QString name = paper.trimmed().toLower();
    if (name == QLatin1String("a4"))
        return portrait(QPageSize::A4);
    if (name == QLatin1String("letter"))
        return portrait(QPageSize::Letter);
    return std::nullopt;
}

QString PaperLayout::toText(const QPageLayout& layout)
{
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    QStringList parts{layout.pageSize().key(),
                      layout.orientation() == QPageLayout::Landscape ? QStringLiteral("Landscape")
                                                                     : QStringLiteral("Portrait")};
    for (const qreal margin : {margins.left(), margins.top(), margins.right(), margins.bottom()})
        parts.append(QString::number(margin, 'g', 6));
    return parts.join(QLatin1Char(';'));
}

std::optional<QPageSize> PaperLayout::pageSizeFromKey(const QString& key)
{
    for (int id = 0; id <= int(QPageSize::LastPageSize); ++id) {
        const auto sizeId = QPageSize::PageSizeId(id);
        if (sizeId != QPageSize::Custom && QPageSize::key(sizeId) == key)
            return QPageSize(sizeId);
    }
    // A size of its own is written "Custom.WxH" in points.
    static const QRegularExpression custom(QStringLiteral("^Custom\\.(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = custom.match(key);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize points(match.captured(1).toInt(), match.captured(2).toInt());
    if (points.width() < 72 || points.height() < 72)
        return std::nullopt;
    return QPageSize(points, QString(), QPageSize::ExactMatch);
}

std::optional<QPageLayout> PaperLayout::fromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(';'));
    if (parts.size() != 6)
        return std::nullopt;
    const std::optional<QPageSize> size = pageSizeFromKey(parts[0]);
    if (!size || (parts[1] != QLatin1String("Portrait") && parts[1] != QLatin1String("Landscape")))
        return std::nullopt;
    qreal margins[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        margins[i] = parts[i + 2].toDouble(&ok);
        if (!ok || margins[i] < 0 || margins[i] > 100)
            return std::nullopt;
    }
    QPageLayout layout(*size, parts[1] == QLatin1String("Landscape") ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(), QPageLayout::Millimeter);
    // Margins that leave no room to print are not a layout.
    const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
    if (margins[0] + margins[2] > paper.width() - 20 || margins[1] + margins[3] > paper.height() - 20)
        return std::nullopt;
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF(margins[0], margins[1], margins[2], margins[3]));
    return layout;
}

QPageLayout PaperLayout::fromSetting(const QString& text, const QLocale& locale)
{
    return fromText(text).value_or(regionalDefault(locale));
}
