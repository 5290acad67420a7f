#pragma once

class CliContext;

// `delete NUMBER`: deletes the stored document after its question (answered by --yes).
int runDeleteCommand(CliContext& context);
