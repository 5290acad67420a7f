#pragma once

class CliContext;

// `save DOC.json`: the Save command on the database.
int runSaveCommand(CliContext& context);
