#pragma once

class CliContext;

// `copy-db FROM TO`: every document and the company profile from one database (file or server)
// into another, which is created when it does not exist yet. A target holding documents is only
// replaced with --yes.
int runCopyDbCommand(CliContext& context);
