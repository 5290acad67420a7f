#pragma once

// Which box the formatting and insertion commands act on: the notes while they have the focus,
// otherwise the description of the row whose product ID or description last had it.
class RichTextTargetRule
{
public:
    struct Target
    {
        enum Kind { None, Notes, Description };
        Kind kind = None;
        int row = 0;
        bool operator==(const Target&) const = default;
    };

    static Target pick(bool notesHasFocus, int currentDescRow);
    Target target() const { return pick(m_notesHasFocus, m_currentDescRow); }

    void notesFocusReceived() { m_notesHasFocus = true; }
    void notesFocusLost() { m_notesHasFocus = false; }
    // A row's product ID or description received the focus.
    void rowFocused(int row) { m_currentDescRow = row; }
    // "Create Rows" and opening a document: no row is current until one gets the focus again.
    void resetCurrentRow() { m_currentDescRow = 0; }

    bool notesHasFocus() const { return m_notesHasFocus; }
    int currentDescRow() const { return m_currentDescRow; }

private:
    bool m_notesHasFocus = false;
    int m_currentDescRow = 0;
};
