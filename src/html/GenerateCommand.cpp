#include "html/GenerateCommand.h"

#include "core/Dialogs.h"
#include "editor/TotalsCalculator.h"
#include "html/PageBuilder.h"
#include "html/PageShower.h"
#include "html/PageWriter.h"

GenerateCommand::GenerateCommand(Dialogs& dialogs, PageShower& shower, QString pagePath)
    : m_dialogs(dialogs), m_shower(shower), m_pagePath(std::move(pagePath))
{
}

GenerateCommand::Outcome GenerateCommand::prepare(Document& document, Dialogs& dialogs,
                                                  const PageCaptions& captions, const QLocale& locale)
{
    Outcome outcome;
    if (const auto failure = GenerateChecks::firstFailure(document, captions, locale)) {
        dialogs.ask(
            {failure->text, Dialogs::applicationTitle(), failure->icon, DialogButtons::Ok, DialogAnswer::Ok});
        outcome.focus = failure->focus;
        outcome.scrollGridToTop = failure->scrollGridToTop;
        return outcome;
    }
    if (const auto question = GenerateChecks::zeroQuestion(document, locale)) {
        if (dialogs.ask(*question) != DialogAnswer::Yes)
            return outcome;
    }
    // As " Calculate": a field that cannot be read is reported, and the page uses what was computed.
    const TotalsCalculator::Result sum = TotalsCalculator::DoSum(document, locale);
    if (!sum.ok)
        dialogs.plain(sum.error);
    outcome.page = PageBuilder::build(DocumentSnapshot{document, captions, locale});
    outcome.status = Status::Shown;
    return outcome;
}

GenerateCommand::Outcome GenerateCommand::run(Document& document, const PageCaptions& captions,
                                              const QLocale& locale)
{
    Outcome outcome = prepare(document, m_dialogs, captions, locale);
    if (outcome.status != Status::Shown)
        return outcome;
    const PageWriter::Result written = PageWriter::write(m_pagePath, outcome.page);
    const bool moneyFree = document.options.hideMoney;
    if (!written.ok) {
        // The money-free page reports any failure as its description and number in a plain box.
        if (moneyFree)
            m_dialogs.plain(written.description + QLatin1Char(' ') + QString::number(written.number));
        else
            m_dialogs.critical(written.description);
        outcome.status = Status::Failed;
        return outcome;
    }
    PageShowRequest request;
    request.path = m_pagePath;
    request.external = document.options.externalBrowser;
    request.setViewerBorders = !moneyFree;
    request.borders = document.options.tableBorders;
    m_shower.show(request);
    return outcome;
}
