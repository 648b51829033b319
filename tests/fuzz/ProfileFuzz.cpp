// Any bytes as a settings file: reading keys and writing one back must neither crash nor lose
// the lines it did not change.
#include "core/settings/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ProfileFile file = ProfileFile::parse(bytes);
    (void)file.value(u"Options"_s, u"Last"_s);
    (void)file.value(u"Paths"_s, u"UsePaths"_s);
    const QByteArray before = file.bytes();
    file.setValue(u"Options"_s, u"Style"_s, u"1"_s);
    const auto after = file.value(u"Options"_s, u"Style"_s);
    if (!after || *after != u"1")
        std::abort(); // a write that cannot be read back
    if (file.bytes().size() < before.size() - 1)
        std::abort(); // a write lost other lines
    return 0;
}
