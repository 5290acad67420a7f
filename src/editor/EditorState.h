#pragma once

#include "editor/KeptRowTexts.h"
#include "richtext/RichTextTargetRule.h"

// The main window's editor flags that live beside the document's fields.
struct EditorState
{
    bool newSelected = true;        // OptNew
    bool currentSelected = false;   // optEdit
    bool currentEnabled = false;    // optEdit enabled: a document is current
    bool multiLine = false;         // chkMultiLine, read at each rebuild
    bool creatingNew = false;       // CreatingNew
    bool quietCreate = false;       // QuietCreate
    bool clearPaidOnCreate = false; // ClearPaidOnCreate
    bool justOpened = false;        // JustOpened
    // NotesHasFocus and CurrentDescRow: the one record of where the rich-text commands act.
    RichTextTargetRule richTextTarget;
    KeptRowTexts keptRowTexts;
};
