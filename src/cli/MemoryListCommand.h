#pragma once

class CliContext;

// `customers` and `products`: the remembered customer names / product IDs as a JSON array, most
// recently used first.
int runCustomersCommand(CliContext& context);
int runProductsCommand(CliContext& context);
