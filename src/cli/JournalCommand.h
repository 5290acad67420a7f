#pragma once

class CliContext;

// `journal FROM TO [--type T] [-o FILE]`: the sales journal CSV of the documents dated FROM..TO.
int runJournalCommand(CliContext& context);
