#pragma once

#include "html/DocumentSnapshot.h"
#include "html/GenerateChecks.h"

#include <QCoreApplication>
#include <QString>

class Dialogs;
class PageShower;

// "Html": checks the open document, recalculates it, builds its page, writes the page file and
// shows it. Messages go through Dialogs; the window applies the returned focus move.
class GenerateCommand
{
    Q_DECLARE_TR_FUNCTIONS(GenerateCommand)

public:
    enum class Status
    {
        Shown,
        Stopped,
        Failed
    };

    struct Outcome
    {
        Status status = Status::Stopped;
        GenerateFocus focus = GenerateFocus::None;
        bool scrollGridToTop = false;
        QString page; // the page text, once built
    };

    GenerateCommand(Dialogs& dialogs, PageShower& shower, QString pagePath);

    // The whole command. `document` is recalculated in place so the window can show the new totals.
    Outcome run(Document& document, const PageCaptions& captions = {}, const QLocale& locale = QLocale());

    // Checks, question, recalculation and page text without writing anything (the command line).
    static Outcome prepare(Document& document, Dialogs& dialogs, const PageCaptions& captions,
                           const QLocale& locale);

    const QString& pagePath() const { return m_pagePath; }

private:
    Dialogs& m_dialogs;
    PageShower& m_shower;
    QString m_pagePath;
};
