#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

constexpr quint32 kHKeyLocalMachine = 0x80000002u;
constexpr quint32 kRegSz = 1;
constexpr quint32 kRegDword = 4;

struct RegistryValue {
    quint32 type = 0;
    QByteArray data; // raw bytes as stored (strings with their trailing NUL)
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens key under root with the given access, reads one value, closes the key.
    virtual std::optional<RegistryValue> query(quint32 root, const QString& key,
                                               const QString& valueName, quint32 access) = 0;
};
