#pragma once

#include <QTextEdit>

// A rich-text box: a description of a line item or the notes. Its whole content reads and writes
// as RTF.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);

    QString textRtf() const;
    void setTextRtf(const QString& rtf);
};
