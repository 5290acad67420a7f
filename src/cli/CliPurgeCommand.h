#pragma once

class CliContext;

// `purge FROM TO`: deletes the rows dated FROM..TO (ISO dates); "Backup Now?" is answered by --yes.
int runPurgeCommand(CliContext& context);
