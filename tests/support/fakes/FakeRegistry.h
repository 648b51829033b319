#pragma once

#include "core/platform/Registry.h"

#include <QMap>

// Answers from values set by the test, whatever the root and access asked for.
class FakeRegistry : public Registry {
public:
    std::optional<RegistryValue> query(quint32, const QString& key, const QString& valueName,
                                       quint32) override {
        const auto it = values.find(key + u'|' + valueName);
        return it == values.end() ? std::nullopt : std::optional(*it);
    }
    void set(const QString& key, const QString& name, RegistryValue v) {
        values.insert(key + u'|' + name, v);
    }
    QMap<QString, RegistryValue> values;
};
