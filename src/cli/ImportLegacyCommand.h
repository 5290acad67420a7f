#pragma once

class CliContext;

// `import-legacy FILE.mdb`: the documents and company profile of an old database file into the
// database. Documents whose number is already stored are left out and listed; when nothing is
// left to import the command is refused (exit 2). A file that cannot be imported writes nothing (exit 3).
int runImportLegacyCommand(CliContext& context);
