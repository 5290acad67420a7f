// Feeds arbitrary bytes to the JPEG size reader: it must end, and any size it reports must be
// made of bytes that are in the input.
#include "richtext/ImageTag.h"
#include "richtext/JpegSize.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const JpegDimensions dimensions = JpegSize::fromBytes(bytes);
    if ((dimensions.width != 0 || dimensions.height != 0) && size < 11)
        std::abort();
    (void)ImageTag::heightAt200(dimensions.width, dimensions.height);
    return 0;
}
