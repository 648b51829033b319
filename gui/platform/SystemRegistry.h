#pragma once

#include "core/platform/Registry.h"

// Linux has no registry. This shim answers the two keys that locate the system information
// tool with an installed system-information program, and fails for everything else.
class SystemRegistry : public Registry {
public:
    std::optional<RegistryValue> query(quint32 root, const QString& key, const QString& valueName,
                                       quint32 access) override;
};
