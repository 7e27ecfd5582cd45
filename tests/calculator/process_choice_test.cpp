#include "calculator/process_choice.h"
#include "calculator_fixtures.h"

#include <gtest/gtest.h>

using namespace varnel::calculator;
using enum QualificationType;

TEST(ProcessChoice, AbbreviationIsTheEntrysFirstFourCharactersTrimmed)
{
    EXPECT_EQ(processAbbreviation("GMAW  -  Gas Metal Arc Welding"), "GMAW");
    EXPECT_EQ(processAbbreviation("SAW  -  Submerged Arc Welding"), "SAW");
    EXPECT_EQ(processAbbreviation("FW  -  Essential Variables"), "FW");
    EXPECT_EQ(processAbbreviation(""), "");
}

TEST(ProcessChoice, ProcessInListIsASubstringTestThatNeverHoldsTheEmptyAbbreviation)
{
    const struct { const char* abbr; const char* list; bool found; } cases[] = {
        {"SAW", "SMAW SAW GTAW", true}, {"GMAW", "GTAW SMAW GMAW FCAW PAW SAW", true},
        {"EBW", "GMAW", false},         {"MAW", "SMAW SAW", true},   {"AW", "GMAW", true},
        {"gmaw", "GMAW", false},        {"ESW", "ESW STUD", true},    {"", "ESW STUD", false},
        {"", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(processInList(c.abbr, c.list), c.found) << c.abbr << " in " << c.list;
}

TEST(ProcessChoice, TypePreselectedFromTheCategory)
{
    using Clicks = std::vector<QualificationType>;
    const struct { const char* category; Clicks clicks; bool impact; } cases[] = {
        {"", {grooveTransverse}, false},
        {"SMAW  -  Essential Variables for Groove/Fillet welds", {grooveTransverse}, false},
        {"GTAW  -  Supplementary Essential Variables for Groove/Fillet welds", {grooveTransverse}, true},
        {"GTAW  -  Essential Variables for Corrosion-Resistant Overlays", {corrosionResistantOverlay}, false},
        {"GTAW  -  Nonessential Variables for Hardfacing Overlays", {hardFacingOverlay}, false},
        {"GTAW  -  Essential Variables for Hardfacing Spray Fuse", {hardFacingOverlay}, false},
        {"STUD  -  Essential Variables", {stud}, false},
        {"FRW  -  Essential Variables", {friction}, false},
        {"FSW  -  Essential Variables", {frictionStir}, false},
        {"FW  -  Essential Variables for Groove/Fillet welds", {grooveTransverse, flash}, false},
        {"FW  -  Essential Variables", {flash}, false},
        // Oxyfuel and diffusion welding hold the letters FW but are not flash welding.
        {"OFW  -  Essential Variables for Groove/Fillet welds", {grooveTransverse}, false},
        {"DFW  -  Essential Variables", {}, false},
        {"RSW  -  Essential Variables", {}, false},
        {"RSW  -  Resistance", {resistance}, false},
        {"groove", {}, false},
    };
    for (const auto& c : cases) {
        const TypePreselection preselection = preselectType(c.category);
        EXPECT_EQ(preselection.clicks, c.clicks) << c.category;
        EXPECT_EQ(preselection.ticksImpactTesting, c.impact) << c.category;
    }
}

TEST(ProcessChoice, ListQueryAndHeightOfTheProcessPickList)
{
    EXPECT_EQ(processListQuery(grooveLongitudinal), "SELECT * FROM [Processes] WHERE [GROOVE] ORDER BY [SORTKEY]");
    EXPECT_EQ(processListQuery(hardFacingOverlay), "SELECT * FROM [Processes] WHERE [HFO] ORDER BY [SORTKEY]");
    EXPECT_EQ(processListQuery(frictionStir), "SELECT * FROM [Processes] WHERE [STIR] ORDER BY [SORTKEY]");
    const struct { int entries, height; } heights[] = {{0, 285}, {1, 285}, {3, 855}, {6, 1710}, {7, 1875}, {25, 1875}};
    for (const auto& h : heights)
        EXPECT_EQ(processListHeight(h.entries), h.height) << h.entries;
}
