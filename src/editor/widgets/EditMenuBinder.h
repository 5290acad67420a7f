#pragma once

#include "richtext/widgets/DialogFormatChooser.h"

#include <QObject>

class Dialogs;
class GridPanel;
class NotesPanel;
class RichTextEditMenu;
class RichTextTargetRule;

// Puts the window's one "Edit" menu on the notes and on every row's description, again after each
// rebuild of the rows, and lets the notes' image button insert into the notes.
class EditMenuBinder : public QObject
{
    Q_OBJECT

public:
    EditMenuBinder(GridPanel* grid, NotesPanel* notes, RichTextTargetRule& target, Dialogs& dialogs,
                   QWidget* window);

    RichTextEditMenu* menu() const { return m_menu; }

private:
    void attachRows();

    GridPanel* m_grid;
    DialogFormatChooser m_chooser;
    RichTextEditMenu* m_menu;
};
