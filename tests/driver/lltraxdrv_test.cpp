// Binding the driver library. Each suite runs in its own process with
// LD_LIBRARY_PATH naming the full stand-in, the one missing an entry point,
// or an empty directory (see CMakeLists.txt).

#include "driver/lltraxdrv.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct TBoundEntry {
    std::string Name;
    void* Address;
};

#define ENTRY(name) TBoundEntry{#name, reinterpret_cast<void*>(name)}

// Every variable, in the order the driver's entry points are looked up.
std::vector<TBoundEntry> boundEntries() {
    return {
        ENTRY(GetNumCards),     ENTRY(QueryCardInfo), ENTRY(QueryBARBase),   ENTRY(WaitForIRQ),
        ENTRY(COSWaitForIRQ),   ENTRY(WDGHandleIRQ),  ENTRY(AbortRequest),   ENTRY(CloseCard),
        ENTRY(WDGInit),         ENTRY(WDGSetTimeout), ENTRY(WDGSetResetDuration), ENTRY(WDGPet),
        ENTRY(WDGReadTemp),     ENTRY(WDGReadStatus), ENTRY(WDGStart),       ENTRY(WDGStop),
        ENTRY(EmergencyReboot), ENTRY(InPortB),       ENTRY(OutPortB),       ENTRY(InPort),
        ENTRY(OutPort),         ENTRY(InPortL),       ENTRY(OutPortL),       ENTRY(InPortDWord),
        ENTRY(OutPortDWord),    ENTRY(RelInPortB),    ENTRY(RelOutPortB),    ENTRY(RelInPort),
        ENTRY(RelOutPort),      ENTRY(RelInPortL),    ENTRY(RelOutPortL),    ENTRY(RelInPortDWord),
        ENTRY(RelOutPortDWord),
    };
}

#undef ENTRY

bool anyEntrySet() {
    for (const TBoundEntry& entry : boundEntries())
        if (entry.Address) return true;
    return false;
}

// The variable must hold the address of the entry point of its own name, in
// the library the loader found in `dir`: catches names bound to the wrong
// variable as well as a library found somewhere else.
void expectBoundFrom(const TBoundEntry& entry, const std::string& dir) {
    SCOPED_TRACE(entry.Name);
    ASSERT_NE(entry.Address, nullptr);
    Dl_info info{};
    ASSERT_NE(dladdr(entry.Address, &info), 0);
    ASSERT_NE(info.dli_sname, nullptr);
    EXPECT_EQ(info.dli_sname, entry.Name);
    EXPECT_EQ(info.dli_saddr, entry.Address);
    ASSERT_NE(info.dli_fname, nullptr);
    EXPECT_TRUE(std::filesystem::equivalent(info.dli_fname, dir + "/libtraxdrv.so")) << info.dli_fname;
}

void setCards(const char* value) {
    if (value)
        setenv("TRAXDRV_TEST_CARDS", value, 1);
    else
        unsetenv("TRAXDRV_TEST_CARDS");
}

// Taken before main, so before any test could have bound anything.
struct TStartState {
    bool AnySet;
    bool Bound;
    int Attempts;
};
const TStartState atStart{anyEntrySet(), DriverBound, DriverLoadAttempts()};

std::int32_t otherCardCount() { return 42; }
void otherEntry() {}

}  // namespace

TEST(DriverStart, NothingBoundAtProgramStart) {
    EXPECT_FALSE(atStart.AnySet);
    EXPECT_FALSE(atStart.Bound);
    EXPECT_EQ(atStart.Attempts, 0);
}

TEST(FullLibrary, BindsEveryEntryPointByItsName) {
    LoadDriverLibrary();
    EXPECT_TRUE(DriverBound);
    const std::vector<TBoundEntry> entries = boundEntries();
    ASSERT_EQ(entries.size(), 33u);
    for (const TBoundEntry& entry : entries) expectBoundFrom(entry, TRAXDRV_FULL_DIR);
}

TEST(FullLibrary, CardCountFollowsTheEnvironment) {
    LoadDriverLibrary();
    ASSERT_NE(GetNumCards, nullptr);
    const struct {
        const char* Setting;
        std::int32_t Expected;
    } cases[] = {{"3", 3}, {"0", 0}, {"-2", -2}, {"two", 0}, {nullptr, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Setting ? c.Setting : "(unset)");
        setCards(c.Setting);
        EXPECT_EQ(GetNumCards(), c.Expected);
    }
    setCards(nullptr);
}

TEST(FullLibrary, CompleteBindingIsNotRepeated) {
    LoadDriverLibrary();
    ASSERT_TRUE(DriverBound);
    // However many tests ran before, only the first call opened the library.
    EXPECT_EQ(DriverLoadAttempts(), 1);
    const std::vector<TBoundEntry> before = boundEntries();
    LoadDriverLibrary();
    EXPECT_EQ(DriverLoadAttempts(), 1);
    EXPECT_TRUE(DriverBound);
    const std::vector<TBoundEntry> after = boundEntries();
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i].Address, before[i].Address) << before[i].Name;
}

TEST(PartialLibrary, OneMissingEntryPointLeavesTheDriverUnbound) {
    LoadDriverLibrary();
    EXPECT_FALSE(DriverBound);
    EXPECT_EQ(RelOutPortDWord, nullptr);
    for (const TBoundEntry& entry : boundEntries())
        if (entry.Name != "RelOutPortDWord") expectBoundFrom(entry, TRAXDRV_PARTIAL_DIR);

    ASSERT_NE(GetNumCards, nullptr);
    setCards("5");
    EXPECT_EQ(GetNumCards(), 5);
    setCards(nullptr);
}

TEST(PartialLibrary, EveryCallBindsAgainInFull) {
    LoadDriverLibrary();
    const int attempts = DriverLoadAttempts();
    ASSERT_GE(attempts, 1);

    // Spoil what the last binding stored: the next one must look every name
    // up again and store what it finds, a missing one included.
    GetNumCards = nullptr;
    QueryCardInfo = nullptr;
    RelOutPortDWord = &otherEntry;

    LoadDriverLibrary();
    EXPECT_EQ(DriverLoadAttempts(), attempts + 1);
    EXPECT_FALSE(DriverBound);
    EXPECT_EQ(RelOutPortDWord, nullptr);
    for (const TBoundEntry& entry : boundEntries())
        if (entry.Name != "RelOutPortDWord") expectBoundFrom(entry, TRAXDRV_PARTIAL_DIR);

    LoadDriverLibrary();
    EXPECT_EQ(DriverLoadAttempts(), attempts + 2);
    EXPECT_FALSE(DriverBound);
}

TEST(NoLibrary, MissingLibraryBindsNothingAndSaysNothing) {
    const int attempts = DriverLoadAttempts();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(LoadDriverLibrary());
    EXPECT_NO_THROW(LoadDriverLibrary());
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(DriverLoadAttempts(), attempts + 2);
    EXPECT_FALSE(DriverBound);
    EXPECT_FALSE(anyEntrySet());
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

TEST(NoLibrary, FailedLoadLeavesTheVariablesAlone) {
    GetNumCards = &otherCardCount;
    WDGPet = &otherEntry;

    LoadDriverLibrary();
    EXPECT_FALSE(DriverBound);
    EXPECT_EQ(GetNumCards, &otherCardCount);
    EXPECT_EQ(WDGPet, &otherEntry);

    GetNumCards = nullptr;
    WDGPet = nullptr;
}
