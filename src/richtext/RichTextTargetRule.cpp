#include "richtext/RichTextTargetRule.h"

RichTextTargetRule::Target RichTextTargetRule::pick(bool notesHasFocus, int currentDescRow)
{
    if (notesHasFocus)
        return {Target::Notes, 0};
    // Row 0 names no visible row.
    if (currentDescRow < 1)
        return {};
    return {Target::Description, currentDescRow};
}
