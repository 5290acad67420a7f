#pragma once

class CliContext;

// `render DOC.json [-o FILE] [--pdf FILE] [--paper a4|letter]`: the Generate command without a
// window; the page bytes go to FILE or to standard output, the printed page to the PDF file.
int runRenderCommand(CliContext& context);
