#pragma once

#include <QWidget>

class QPushButton;
class RichTextBox;
struct Document;

// The notes box of the document.
class NotesPanel : public QWidget
{
    Q_OBJECT

public:
    explicit NotesPanel(QWidget* parent = nullptr);

    void readInto(Document& document) const;
    void showFrom(const Document& document);
    // Puts the focus into the notes and inserts the text at the cursor, replacing any selection.
    void insertAtCursor(const QString& text);
    RichTextBox* notes() const { return m_notes; }
    // cmdaddImage: inserts a picture into the notes.
    QPushButton* imageButton() const { return m_addImage; }

private:
    RichTextBox* m_notes;
    QPushButton* m_addImage;
};
