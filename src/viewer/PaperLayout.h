#pragma once

#include <QLocale>
#include <QPageLayout>
#include <QString>

#include <optional>

// The paper a page is printed on: the user's regional default, the choice remembered from Page
// Setup, and the short paper names the command line takes.
class PaperLayout
{
public:
    // Letter where the locale's territory uses it, A4 elsewhere; portrait, half-inch margins.
    static QPageLayout regionalDefault(const QLocale& locale = QLocale::system());
    static bool usesLetter(QLocale::Territory territory);
    // The default layout on the named paper ("a4" or "letter", any case); nothing for other names.
    static std::optional<QPageLayout> named(const QString& paper);

    // "A4;Portrait;12.7;12.7;12.7;12.7": paper, orientation, margins left, top, right, bottom in mm.
    static QString toText(const QPageLayout& layout);
    static std::optional<QPageLayout> fromText(const QString& text);
    // The remembered layout, or the regional default when nothing (or nothing readable) is stored.
    static QPageLayout fromSetting(const QString& text, const QLocale& locale = QLocale::system());

private:
    static std::optional<QPageSize> pageSizeFromKey(const QString& key);
};
