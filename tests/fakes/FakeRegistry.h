#pragma once

#include "platform/Registry.h"

#include <QMap>

class FakeRegistry : public Registry {
public:
    std::optional<RegistryValue> query(quint32 root, const QString& key, const QString& valueName,
                                       quint32 access) override {
        lastAccess = access;
        lastRoot = root;
        const auto it = values.find(key + u'|' + valueName);
        if (it == values.end())
            return std::nullopt;
        return *it;
    }
    void set(const QString& key, const QString& name, RegistryValue v) {
        values.insert(key + u'|' + name, v);
    }
    QMap<QString, RegistryValue> values;
    quint32 lastAccess = 0, lastRoot = 0;
};
