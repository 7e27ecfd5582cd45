#include "app/registry_module.h"
#include "platform/settings.h"
#include "support/temp_settings.h"

#include <gtest/gtest.h>

using namespace varnel;

TEST(RegistryModule, VersionedKeysCarryTheProgramVersion)
{
    EXPECT_EQ(versionedKey("data path"), "(v2014.1.6) data path");
    EXPECT_EQ(versionedKey("default file"), "(v2014.1.6) default file");
}

TEST(RegistryModule, FirstRunStoresBothDefaultsAtOnce)
{
    testing_support::TempSettings temp;
    EXPECT_EQ(readSetting(versionedKey("data path"), "/opt/varnel"), "/opt/varnel");
    EXPECT_EQ(readSetting(versionedKey("default file"), "qel0709.mdb"), "qel0709.mdb");
    platform::SettingsStore fresh(temp.file());
    EXPECT_EQ(fresh.read("varnel", "(v2014.1.6) data path"), "/opt/varnel");
    EXPECT_EQ(fresh.read("varnel", "(v2014.1.6) default file"), "qel0709.mdb");
}

TEST(RegistryModule, AStoredEmptyDataPathIsReplacedByTheDefault)
{
    testing_support::TempSettings temp;
    writeSetting(versionedKey("data path"), "");
    EXPECT_EQ(readSetting(versionedKey("data path"), "/opt/varnel"), "/opt/varnel");
    EXPECT_EQ(platform::SettingsStore(temp.file()).read("varnel", versionedKey("data path")), "/opt/varnel");
}

TEST(RegistryModule, ANewVersionDoesNotSeeTheOldVersionsChoices)
{
    testing_support::TempSettings temp;
    writeSetting("(v2013.2.1) data path", "/old/data");
    writeSetting("(v2013.2.1) default file", "qel0102.mdb");
    EXPECT_EQ(readSetting(versionedKey("data path"), "/opt/varnel"), "/opt/varnel");
    EXPECT_EQ(readSetting(versionedKey("default file"), "qel0709.mdb"), "qel0709.mdb");
}

TEST(RegistryModule, ReadingTheEmptyCommandLineLeavesTheKeyPresent)
{
    testing_support::TempSettings temp;
    EXPECT_EQ(readSetting("command line", ""), "");
    EXPECT_TRUE(platform::SettingsStore(temp.file()).contains("varnel", "command line"));
    EXPECT_EQ(readSetting("command line", ""), "");
}

TEST(RegistryModule, InterpretationsSettingsLiveInTheirOwnSection)
{
    testing_support::TempSettings temp;
    writeInterpretationsSetting("program path", "/opt/sorvik");
    EXPECT_EQ(readSectionSetting("sorvik", "program path"), "/opt/sorvik");
    EXPECT_EQ(readSetting("program path", "none"), "none");
    EXPECT_EQ(readInterpretationsSetting("program path", ""), "/opt/sorvik");
    EXPECT_EQ(readSectionSetting("other", "program path"), "");
}
