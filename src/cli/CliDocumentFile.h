#pragma once

#include "editor/Document.h"

#include <optional>

class CliContext;

// A document file as the commands take it: read, checked, and given the letterhead inputs the window
// would use where the file brings none (the default company, the user's letterhead settings).
class CliDocumentFile
{
public:
    // On failure the message has been printed and `exitCode` says why (usage or file/database).
    static std::optional<Document> read(CliContext& context, const QString& path, int& exitCode);
};
