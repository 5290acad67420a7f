#include "richtext/widgets/RichTextBox.h"

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
}

QString RichTextBox::textRtf() const
{
    return toPlainText();
}

void RichTextBox::setTextRtf(const QString& rtf)
{
    setPlainText(rtf);
}
