#pragma once

#include <QWidget>

class Dialogs;
class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QPushButton;
class QRadioButton;
class SettingsStore;
struct EditorState;

// The row count, "New" or "Current", "Create Rows" and the display mode of the next rebuild.
class CreateRowsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CreateRowsPanel(SettingsStore& settings, QWidget* parent = nullptr);

    // The "?" buttons beside the commands, and those of the grid below, once the dialogs exist.
    void addHelpButtons(Dialogs& dialogs);

    QString countText() const;
    // After a refused count: emptied and focused again.
    void clearCount(bool focus);
    // Picks "New": the next "Create Rows" starts a new document.
    void selectNew();
    void readInto(EditorState& state) const;
    void showFrom(const EditorState& state);

    QComboBox* countBox() const { return m_count; }

signals:
    void createRequested();
    void multiLineChanged(bool multiLine);

private:
    SettingsStore& m_settings;
    QComboBox* m_count;
    QRadioButton* m_new;
    QRadioButton* m_current;
    QPushButton* m_create;
    QCheckBox* m_multiLine;
    QHBoxLayout* m_line;
};
