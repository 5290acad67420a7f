#pragma once

class CliContext;

// `render DOC.json [-o FILE]`: the Generate command without a window; the page bytes go to FILE or
// to standard output.
int runRenderCommand(CliContext& context);
