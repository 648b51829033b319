// Any bytes as a settings file: reading keys and writing one back must neither crash nor lose
// the lines it did not change.
#include "app/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ProfileFile file = ProfileFile::parse(bytes);
    (void)file.value(u"Options"_qs, u"Last"_qs);
    (void)file.value(u"Paths"_qs, u"UsePaths"_qs);
    const QByteArray before = file.bytes();
    file.setValue(u"Options"_qs, u"Style"_qs, u"1"_qs);
    const auto after = file.value(u"Options"_qs, u"Style"_qs);
    if (!after || *after != u"1")
        std::abort(); // a write that cannot be read back
    if (file.bytes().size() < before.size() - 1)
        std::abort(); // a write lost other lines
    return 0;
}
