#pragma once

class CliContext;

// `compact`: compacts the database and leaves the dated backup beside it.
int runCompactCommand(CliContext& context);
