#include "editor/CreateRowsCommand.h"

#include "core/Dialogs.h"
#include "editor/AutoNumber.h"
#include "editor/BlankFieldsCommand.h"
#include "editor/CalculateCommand.h"
#include "editor/Document.h"
#include "editor/EditorState.h"
#include "core/NumberText.h"
#include "editor/OptionBoxes.h"

#include <cmath>

CreateRowsCommand::Outcome CreateRowsCommand::run(const QString& countText, const QDateTime& now)
{
    const std::optional<int> count = validate(countText);
    if (!count)
        return Outcome::Refused;
    if (!confirm(*count))
        return Outcome::Cancelled;
    rebuild(*count, now);
    return Outcome::Created;
}

void CreateRowsCommand::refuseEmptyCount()
{
    m_dialogs.inform(tr("Please enter a number from 1 to %1.").arg(MaxRows) + QStringLiteral("\r\n\r\n")
                     + tr("For multiline Description, maximum of %1  rows.").arg(MultiLineMaxRows));
}

std::optional<int> CreateRowsCommand::validate(const QString& countText)
{
    if (countText.isEmpty()) {
        refuseEmptyCount();
        return std::nullopt;
    }
    double number = 0;
    if (!NumberText::readDouble(countText, m_locale, number) || std::isnan(number)) {
        m_dialogs.plain(tr("Please enter only numbers"));
        return std::nullopt;
    }
    const double whole = std::nearbyint(number);
    if (!m_state.multiLine && whole > MaxRows) {
        m_dialogs.critical(tr("Maximum of %1 rows allowed.").arg(MaxRows));
        return std::nullopt;
    }
    if (m_state.multiLine && whole > MultiLineMaxRows) {
        m_dialogs.critical(tr("Maximum of %1  rows allowed for multiline Description.").arg(MultiLineMaxRows));
        return std::nullopt;
    }
    // Zero, a negative count or a fraction that rounds to nothing counts as no count at all.
    if (whole < 1) {
        refuseEmptyCount();
        return std::nullopt;
    }
    return int(whole);
}

bool CreateRowsCommand::confirm(int count)
{
    if (m_state.currentEnabled && m_state.newSelected && !m_state.quietCreate) {
        return m_dialogs.confirmOkCancel(
            tr("You are creating a new document. Do you wish to close the current document?")
                + QStringLiteral("\r\n\r\n") + tr("Any unsaved information will be lost. Continue?  "),
            tr("Any unsaved information will be lost."));
    }
    if (m_state.currentEnabled && m_state.currentSelected && count < m_doc.rowCount()) {
        return m_dialogs.confirmOkCancel(
            tr("You are editing the current document.") + QStringLiteral("\r\n\r\n")
                + tr("The number of rows you are creating is less than current rows. Current document will be "
                     "truncated.")
                + QStringLiteral("\r\n\r\n") + tr("Continue?"),
            tr("Rows will be truncated."));
    }
    return true;
}

void CreateRowsCommand::rebuild(int count, const QDateTime& now)
{
    OptionBoxes boxes(m_doc, m_locale, m_dialogs);
    m_state.clearPaidOnCreate = false;
    m_state.richTextTarget.resetCurrentRow();
    if (m_state.newSelected)
        m_state.justOpened = false;
    m_state.creatingNew = m_state.newSelected && !m_state.currentSelected;
    if (m_state.creatingNew)
        BlankFieldsCommand::run(m_doc, boxes, now.date());

    m_state.keptRowTexts.clear();
    for (const DocumentRow& row : m_doc.rows)
        m_state.keptRowTexts.keep(row);
    CreateFields(m_doc, m_state, count, m_locale);

    if (m_state.newSelected)
        finishNewDocument(boxes, now);
    m_state.currentEnabled = true;
    m_state.currentSelected = true;
    m_state.newSelected = false;
    m_doc.total.clear();
    boxes.calculate();
    boxes.NoDiscChecking();
}

void CreateRowsCommand::finishNewDocument(OptionBoxes& boxes, const QDateTime& now)
{
    if (m_doc.options.hideTax)
        boxes.setTaxExcluded(false);
    if (m_doc.options.hidePaid)
        boxes.setPaidExcluded(false);
    m_doc.docNumber = AutoNumber::propose(now);
}

void CreateRowsCommand::CreateFields(Document& doc, EditorState& state, int count, const QLocale& locale)
{
    if (state.clearPaidOnCreate)
        doc.paid.clear();
    doc.rows.clear();
    for (int i = 1; i <= count; ++i) {
        DocumentRow row;
        row.serial = QString::number(i);
        row.discount = NumberText::zero(locale);
        doc.rows.append(row);
    }
    if (!state.creatingNew)
        state.keptRowTexts.restoreInto(doc.rows);
    for (int i = 0; i < doc.rowCount(); ++i) {
        if (doc.rows[i].productId.trimmed().isEmpty())
            doc.rows[i].productId = QString::number(i + 1);
    }
}
