#include "editor/widgets/NotesPanel.h"

#include "editor/Document.h"
#include "editor/widgets/GridStyle.h"
#include "richtext/BoxFormats.h"
#include "richtext/widgets/RichTextBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

NotesPanel::NotesPanel(QWidget* parent)
    : QWidget(parent), m_notes(new RichTextBox(BoxFormats::notes(), this)), m_addImage(new QPushButton(tr("Add An Image"), this))
{
    setObjectName(QStringLiteral("frameNote"));
    m_notes->setObjectName(QStringLiteral("txtnotes"));
    m_notes->setTabChangesFocus(true);
    m_notes->setMinimumHeight(110);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    auto* caption = new QLabel(tr("Notes"), this);
    GridStyle::styleHeading(caption);
    m_addImage->setObjectName(QStringLiteral("cmdaddImage"));
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(caption);
    captionRow->addStretch(1);
    captionRow->addWidget(m_addImage);
    layout->addLayout(captionRow);
    layout->addWidget(m_notes);
}

void NotesPanel::readInto(Document& document) const
{
    document.notes = m_notes->textRtf();
}

void NotesPanel::showFrom(const Document& document)
{
    if (m_notes->textRtf() != document.notes)
        m_notes->setTextRtf(document.notes);
}

void NotesPanel::insertAtCursor(const QString& text)
{
    m_notes->takeFocus();
    m_notes->replaceSelection(text);
}
