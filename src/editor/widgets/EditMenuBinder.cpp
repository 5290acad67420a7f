#include "editor/widgets/EditMenuBinder.h"

#include "editor/widgets/GridPanel.h"
#include "editor/widgets/NotesPanel.h"
#include "richtext/widgets/RichTextBox.h"
#include "richtext/widgets/RichTextEditMenu.h"

#include <QPushButton>

EditMenuBinder::EditMenuBinder(GridPanel* grid, NotesPanel* notes, RichTextTargetRule& target, Dialogs& dialogs,
                               QWidget* window)
    : QObject(window), m_grid(grid), m_chooser(window), m_menu(new RichTextEditMenu(target, m_chooser, dialogs, window))
{
    m_menu->setNotesBox(notes->notes());
    // Looked up when a command runs: the rows may have been rebuilt since the menu opened.
    m_menu->setDescriptionFinder([grid](int row) { return grid->description(row); });
    connect(grid, &GridPanel::rowsRebuilt, this, &EditMenuBinder::attachRows);
    connect(notes->imageButton(), &QPushButton::clicked, this,
            [this, notes] { m_menu->commands().addImageToNotes(*notes->notes()); });
    attachRows();
}

void EditMenuBinder::attachRows()
{
    for (int row = 1; row <= m_grid->rowCount(); ++row)
        m_menu->attachDescription(m_grid->description(row), row);
}
