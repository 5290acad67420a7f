#include "html/RichTextToHtml.h"

QString RichTextToHtml::convert(const QString& rtfOrPlainText)
{
    return rtfOrPlainText.toHtmlEscaped();
}
