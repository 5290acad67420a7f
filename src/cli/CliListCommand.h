#pragma once

class CliContext;

// `list [--order date|doc|cus|addr]`: the count label, then every entry of the saved-document list.
int runListCommand(CliContext& context);
