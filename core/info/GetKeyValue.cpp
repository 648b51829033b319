#include "core/info/GetKeyValue.h"

#include "core/platform/Registry.h"
#include "core/platform/SharedState.h"

#include <algorithm>

namespace {
// Read and query rights: all the key needs for a query.
constexpr quint32 kKeyAccess = 0x2003F;
// A value that does not fit the buffer fails the query.
constexpr qsizetype kValueBufferSize = 1024;
} // namespace

bool GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal) {
    const std::optional<RegistryValue> value =
        shared().registry->query(KeyRoot, KeyName, SubKeyRef, kKeyAccess);
    if (!value || value->data.size() > kValueBufferSize) {
        KeyVal.clear();
        return false;
    }
    QByteArray bytes = value->data;
    // Strings are stored with their terminating NUL; one is dropped.
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    if (value->type == kRegSz) {
        KeyVal = QString::fromLocal8Bit(bytes);
    } else if (value->type == kRegDword) {
        quint32 number = 0;
        for (qsizetype i = std::min<qsizetype>(bytes.size(), 4) - 1; i >= 0; --i)
            number = (number << 8) | static_cast<quint8>(bytes[i]);
        KeyVal = QString::number(number);
    }
    return true;
}
