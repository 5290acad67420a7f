#pragma once

#include "core/Dialogs.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <optional>

struct Document;
struct PageCaptions;

// The field the window moves the focus to when a check of the Generate command fails.
enum class GenerateFocus
{
    None,
    DocType,
    ChargesName,
    DocNumber
};

// What the Generate command checks before it builds a page.
class GenerateChecks
{
    Q_DECLARE_TR_FUNCTIONS(GenerateChecks)

public:
    struct Failure
    {
        QString text;
        DialogIcon icon = DialogIcon::Exclamation;
        GenerateFocus focus = GenerateFocus::None;
        bool scrollGridToTop = false; // the grid goes back to its first row
    };

    // The first failing check, in the window's order. The page without money values has no charges
    // check and does not scroll the grid.
    static std::optional<Failure> firstFailure(const Document& document, const PageCaptions& captions,
                                               const QLocale& locale);
    static bool hasZeroRows(const Document& document, const QLocale& locale);
    // The question about rows that the page leaves out, when it is to be asked.
    static std::optional<DialogRequest> zeroQuestion(const Document& document, const QLocale& locale);
};
