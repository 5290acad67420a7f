#pragma once

class CliContext;

// `next-number TYPE`: the number "Auto No." offers for a document of TYPE today.
int runNextNumberCommand(CliContext& context);
