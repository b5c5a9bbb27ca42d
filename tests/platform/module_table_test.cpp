#include "platform/module_table.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(ModuleTable, OurPlatformsHaveTheLeaveFunctionInUser32) {
    const ModuleTable modules = ModuleTable::Standard();
    const ModuleHandle user32 = modules.GetModuleHandleA("User32");
    ASSERT_NE(user32, 0);
    EXPECT_NE(modules.GetProcAddress(user32, "TrackMouseEvent"), 0);
    EXPECT_NE(modules.GetProcAddress(user32, "CallWindowProcA"), 0);
    EXPECT_EQ(modules.GetProcAddress(user32, "_TrackMouseEvent"), 0);
    EXPECT_EQ(modules.GetModuleHandleA("Comctl32"), 0) << "present, not loaded";
}

TEST(ModuleTable, LibraryNamesIgnoreCaseAndSuffixButFunctionNamesDoNot) {
    const ModuleTable modules = ModuleTable::Standard();
    const ModuleHandle user32 = modules.GetModuleHandleA("user32");
    for (const char* name : {"USER32", "User32.dll", "user32.DLL"}) {
        EXPECT_EQ(modules.GetModuleHandleA(name), user32) << name;
    }
    EXPECT_EQ(modules.GetModuleHandleA("user3"), 0);
    EXPECT_EQ(modules.GetModuleHandleA(".dll"), 0);
    EXPECT_EQ(modules.GetProcAddress(user32, "trackmouseevent"), 0);
    EXPECT_NE(modules.GetProcAddress(user32, "TrackMouseEvent"),
              modules.GetProcAddress(user32, "SetCursor"));
}

TEST(ModuleTable, ALibraryLoadedHereStaysUntilEveryLoadIsFreed) {
    ModuleTable modules = ModuleTable::Standard();
    const ModuleHandle first = modules.LoadLibraryA("Comctl32");
    ASSERT_NE(first, 0);
    EXPECT_NE(modules.GetProcAddress(first, "_TrackMouseEvent"), 0);
    EXPECT_EQ(modules.LoadLibraryA("comctl32.dll"), first);
    EXPECT_TRUE(modules.FreeLibrary(first));
    EXPECT_TRUE(modules.IsLoaded("comctl32"));
    EXPECT_TRUE(modules.FreeLibrary(first));
    EXPECT_FALSE(modules.IsLoaded("comctl32"));
    EXPECT_EQ(modules.GetProcAddress(first, "_TrackMouseEvent"), 0) << "unloaded";
    EXPECT_FALSE(modules.FreeLibrary(first)) << "more frees than loads";
    EXPECT_FALSE(modules.FreeLibrary(0));
}

TEST(ModuleTable, ALibraryTheSystemLoadedIsNeverUnloadedByFree) {
    ModuleTable modules = ModuleTable::Standard();
    const ModuleHandle user32 = modules.GetModuleHandleA("user32");
    EXPECT_FALSE(modules.FreeLibrary(user32)) << "nothing of ours to free";
    EXPECT_EQ(modules.LoadLibraryA("user32"), user32);
    EXPECT_TRUE(modules.FreeLibrary(user32));
    EXPECT_TRUE(modules.IsLoaded("user32"));
}

TEST(ModuleTable, LibrariesCanBeReplacedOrTakenAway) {
    ModuleTable modules = ModuleTable::Standard();
    const ModuleHandle user32 = modules.GetModuleHandleA("user32");
    modules.Add("User32.dll", {"SetCursor"}, true);
    EXPECT_EQ(modules.GetModuleHandleA("user32"), user32) << "replacing keeps the handle";
    EXPECT_EQ(modules.GetProcAddress(user32, "TrackMouseEvent"), 0);
    modules.Remove("COMCTL32");
    EXPECT_EQ(modules.LoadLibraryA("comctl32"), 0);
    modules.Add("extra", {"F"}, false);
    const ModuleHandle extra = modules.LoadLibraryA("extra");
    EXPECT_NE(extra, 0);
    EXPECT_NE(extra, user32);
}

} // namespace
} // namespace lumio
