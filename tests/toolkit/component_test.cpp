#include "toolkit/component.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records its destruction in a shared log.
class TLogged : public TComponent {
public:
    TLogged(TComponent* owner, std::vector<String>& log, String name) : TComponent(owner), FLog(log) {
        SetName(std::move(name));
    }
    ~TLogged() override { FLog.push_back(Name()); }

private:
    std::vector<String>& FLog;
};

TEST(Component, OwnerDestroysWhatItOwnsNewestFirst) {
    std::vector<String> log;
    {
        TComponent owner(nullptr);
        new TLogged(&owner, log, "A");
        auto* b = new TLogged(&owner, log, "B");
        new TLogged(b, log, "B1");
        new TLogged(&owner, log, "C");
        EXPECT_EQ(owner.ComponentCount(), 3);
    }
    // Each entry is written as its destruction begins: B before what B owns.
    EXPECT_EQ(log, (std::vector<String>{"C", "B", "B1", "A"}));
}

TEST(Component, DestroyingAnOwnedComponentTakesItOffTheList) {
    std::vector<String> log;
    TComponent owner(nullptr);
    auto* a = new TLogged(&owner, log, "A");
    new TLogged(&owner, log, "B");
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0)->Name(), "B");
    EXPECT_EQ(owner.FindComponent("A"), nullptr);
}

TEST(Component, NamesAreUniqueWithinAnOwner) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Settings1");
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("Settings1"), std::invalid_argument);
    EXPECT_EQ(owner.UniqueName("Settings"), "Settings2");
    EXPECT_EQ(owner.UniqueName("Options"), "Options1");
    b->SetName("Settings3");
    EXPECT_EQ(owner.UniqueName("Settings"), "Settings2");
    EXPECT_EQ(owner.FindComponent("Settings3"), b);
}

}  // namespace
