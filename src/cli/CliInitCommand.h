#pragma once

class CliContext;

// `init`: creates the program's tables in the database --db names (an empty server database, or a
// new file).
int runInitCommand(CliContext& context);
