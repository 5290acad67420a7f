#pragma once

class CliContext;

// `rtf2html [FILE]`: the HTML fragment of one rich-text box holding FILE (or standard input).
int runRtf2HtmlCommand(CliContext& context);
