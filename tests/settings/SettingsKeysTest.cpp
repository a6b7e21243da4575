#include <gtest/gtest.h>

#include "settings/IniDocument.h"
#include "settings/SettingsKeys.h"

namespace zul {
namespace {

const SettingsKey kIntegerKeys[] = {keys::kRadian,        keys::kMaxCountStrings, keys::kMemoryInsertType,
                                    keys::kCountConstants, keys::kCurrentConstant, keys::kCountStrings,
                                    keys::kAutoLoad,       keys::kEscExit,         keys::kAskExit};

TEST(SettingsKeys, EachDefaultLiesInItsRangeAndIsWhatAMissingKeyReads) {
    const IniDocument empty;
    for (const SettingsKey& key : kIntegerKeys) {
        SCOPED_TRACE(key.name);
        EXPECT_GE(DefaultInteger(key), key.min);
        EXPECT_LE(DefaultInteger(key), key.max);
        EXPECT_EQ(ReadIntegerKey(empty, key), DefaultInteger(key));
    }
}

TEST(SettingsKeys, AngleUnitTextsAreExactlyZeroOneTwo) {
    for (AngleUnit unit : {AngleUnit::Radians, AngleUnit::Degrees, AngleUnit::Grads})
        EXPECT_EQ(AngleUnitOf(AngleUnitText(unit)), unit);
    for (const char* text : {"", "3", "-1", "01", "1.0", "rad"}) EXPECT_FALSE(AngleUnitOf(text)) << text;
    EXPECT_EQ(DefaultAngleUnit(), AngleUnit::Radians);
}

}  // namespace
}  // namespace zul
