#pragma once

class CliContext;

// `company`: the default company profile as JSON.
int runCompanyCommand(CliContext& context);
