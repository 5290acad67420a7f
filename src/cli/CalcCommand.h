#pragma once

class CliContext;

// `calc DOC.json`: the document recalculated as " Calculate" does, printed as document JSON.
int runCalcCommand(CliContext& context);
