// Feeds arbitrary bytes to the document JSON reader, in both grid modes. Beyond "no crash, no hang",
// a document it accepts must be written and read back to the same document, and hold nothing the
// reader refuses.
#include "editor/DocumentJson.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the grid mode, so that both row limits are explored.
    const int maxRows = (data[0] & 1) ? CreateRowsCommand::MultiLineMaxRows : CreateRowsCommand::MaxRows;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const DocumentJson::ReadResult read = DocumentJson::read(bytes, maxRows);
    if (!read.ok) {
        if (read.error.isEmpty())
            std::abort();
        return 0;
    }
    if (read.document.rowCount() > maxRows)
        std::abort();
    const DocumentJson::ReadResult again = DocumentJson::read(DocumentJson::write(read.document), maxRows);
    if (!again.ok || !(again.document == read.document))
        std::abort();
    return 0;
}
