#pragma once

class CliContext;

// `show NUMBER`: the Open command; prints the stored document, recalculated, as document JSON.
int runShowCommand(CliContext& context);
