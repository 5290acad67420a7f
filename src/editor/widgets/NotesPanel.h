#pragma once

#include <QWidget>

struct Document;

// The notes box of the document.
class NotesPanel : public QWidget
{
    Q_OBJECT

public:
    explicit NotesPanel(QWidget* parent = nullptr);

    void readInto(Document& document) const;
    void showFrom(const Document& document);
};
