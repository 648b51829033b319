#include "core/info/GetKeyValue.h"
#include "core/platform/SharedState.h"
#include "support/fakes/FakeRegistry.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(GetKeyValue, ReadsTextAndNumbersAndFailsClearedOnMissingOrOversizedValues) {
    FakeRegistry registry;
    shared().registry = &registry;
    registry.set(u"K"_s, u"path"_s, {kRegSz, QByteArray("/my tools/info\0", 15)});
    registry.set(u"K"_s, u"number"_s, {kRegDword, QByteArray::fromHex("2a010000")});
    registry.set(u"K"_s, u"full"_s, {kRegSz, QByteArray(1024, 'x')});
    registry.set(u"K"_s, u"over"_s, {kRegSz, QByteArray(1025, 'x')});
    QString value;
    const auto read = [&](const QString& name) {
        value = u"old"_s;
        return GetKeyValue(kHKeyLocalMachine, u"K"_s, name, value) ? value : u"no "_s + value;
    };
    EXPECT_EQ(read(u"path"_s), u"/my tools/info");
    EXPECT_EQ(read(u"number"_s), u"298");
    EXPECT_EQ(read(u"full"_s), QString(1024, u'x'));
    EXPECT_EQ(read(u"over"_s), u"no ");
    EXPECT_EQ(read(u"missing"_s), u"no ");
    shared().registry = nullptr;
}
