#pragma once

#include "richtext/RichText.h"

// The default formats of the two kinds of rich-text box: what plain text and typing start with.
class BoxFormats
{
public:
    // The template font of the line-item descriptions: Arial 11 bold.
    static RichCharFormat description();
    static RichCharFormat notes();
};
