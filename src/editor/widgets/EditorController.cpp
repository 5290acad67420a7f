#include "editor/widgets/EditorController.h"

#include "editor/AutoNumber.h"
#include "editor/CalculateCommand.h"
#include "editor/CreateRowsCommand.h"
#include "editor/Document.h"
#include "editor/OptionBoxes.h"
#include "editor/PaidBlock.h"
#include "editor/widgets/CreateRowsPanel.h"
#include "editor/widgets/GridPanel.h"
#include "editor/widgets/HeaderPanel.h"
#include "editor/widgets/NotesPanel.h"
#include "editor/widgets/TotalsPanel.h"

#include <QComboBox>
#include <QLineEdit>

EditorController::EditorController(const Panels& panels, Dialogs& dialogs, Reader read, Shower show, QObject* parent)
    : QObject(parent), m_panels(panels), m_dialogs(dialogs), m_read(std::move(read)), m_show(std::move(show))
{
    m_panels.createRows->readInto(m_state);
    m_panels.grid->setNextMultiLine(m_state.multiLine);
    connectPanels();
    revealPanels(false);
}

void EditorController::setNumberLocale(const QLocale& locale)
{
    m_locale = locale;
    m_panels.grid->setNumberLocale(locale);
}

void EditorController::revealPanels(bool visible)
{
    m_panels.grid->setVisible(visible);
    m_panels.totals->setVisible(visible);
    m_panels.notes->setVisible(visible);
}

void EditorController::connectPanels()
{
    TotalsPanel* totals = m_panels.totals;
    connect(m_panels.createRows, &CreateRowsPanel::createRequested, this, &EditorController::createRows);
    connect(m_panels.createRows, &CreateRowsPanel::multiLineChanged, m_panels.grid, &GridPanel::setNextMultiLine);
    connect(totals, &TotalsPanel::calculateRequested, this, &EditorController::calculate);
    connect(totals, &TotalsPanel::insertPaidRequested, this, &EditorController::insertPaid);
    connect(totals, &TotalsPanel::taxableClicked, this,
            [this](bool on) { withOptions([on](OptionBoxes& boxes) { boxes.setTaxable(on); }); });
    connect(totals, &TotalsPanel::paidExcludedClicked, this,
            [this](bool on) { withOptions([on](OptionBoxes& boxes) { boxes.setPaidExcluded(on); }); });
    connect(totals, &TotalsPanel::taxExcludedClicked, this,
            [this](bool on) { withOptions([on](OptionBoxes& boxes) { boxes.setTaxExcluded(on); }); });
    connect(totals, &TotalsPanel::noDiscountClicked, this,
            [this](bool on) { withOptions([on](OptionBoxes& boxes) { boxes.setNoDiscount(on); }); });
    connect(totals, &TotalsPanel::blankZeroRowsClicked, this,
            [this](bool on) { withOptions([on](OptionBoxes& boxes) { boxes.setBlankZeroRows(on); }); });
    connect(totals, &TotalsPanel::hideZeroRowsClicked, this,
            [this](bool on) { withOptions([on](OptionBoxes& boxes) { boxes.setHideZeroRows(on); }); });
    connect(totals, &TotalsPanel::hideMoneyClicked, this,
            [this](bool on) { withOptions([on](OptionBoxes& boxes) { boxes.setHideMoney(on); }); });
    connect(m_panels.grid, &GridPanel::currentDescRowChanged, this,
            [this](int row) { m_state.richTextTarget.rowFocused(row); });
}

void EditorController::withOptions(const std::function<void(OptionBoxes&)>& change)
{
    Document document = m_read();
    OptionBoxes boxes(document, m_locale, m_dialogs);
    change(boxes);
    m_show(document);
}

void EditorController::createRows()
{
    Document document = m_read();
    m_panels.createRows->readInto(m_state);
    const bool newDocument = m_state.newSelected;
    switch (CreateRowsCommand(document, m_state, m_locale, m_dialogs).run(m_panels.createRows->countText())) {
    case CreateRowsCommand::Outcome::Refused:
        m_panels.createRows->clearCount(true);
        return;
    case CreateRowsCommand::Outcome::Cancelled:
        return;
    case CreateRowsCommand::Outcome::Created:
        break;
    }
    m_panels.createRows->clearCount(false);
    revealPanels(true);
    m_panels.grid->rebuild(document, m_state.multiLine);
    m_show(document);
    m_panels.createRows->showFrom(m_state);
    if (QLineEdit* first = m_panels.grid->productId(1))
        first->setFocus(Qt::OtherFocusReason);
    if (newDocument)
        emit newDocumentCreated();
    emit rowsCreated();
}

void EditorController::createQuietNewDocument()
{
    m_panels.createRows->countBox()->setEditText(QStringLiteral("1"));
    m_panels.createRows->selectNew();
    m_state.quietCreate = true;
    createRows();
    m_state.quietCreate = false;
}

bool EditorController::calculate()
{
    Document document = m_read();
    const bool ok = CalculateCommand::run(document, m_locale, m_dialogs);
    m_show(document);
    return ok;
}

void EditorController::insertPaid()
{
    m_panels.notes->insertAtCursor(PaidBlock::text(m_read().company.currencySymbol, QDateTime::currentDateTime(),
                                                   m_locale));
}

void EditorController::resetCurrentDescRow()
{
    m_state.richTextTarget.resetCurrentRow();
}

void EditorController::showOpened(const Document& document)
{
    m_panels.createRows->readInto(m_state);
    m_state.currentEnabled = true;
    m_state.currentSelected = true;
    m_state.newSelected = false;
    m_state.justOpened = true;
    m_state.richTextTarget.resetCurrentRow();
    revealPanels(true);
    m_panels.grid->rebuild(document, m_state.multiLine);
    m_show(document);
    m_panels.createRows->showFrom(m_state);
}

void EditorController::assignAutoNumber()
{
    QLineEdit* number = m_panels.header->docNumberEdit();
    number->setText(AutoNumber::propose());
    number->setFocus(Qt::OtherFocusReason);
}
