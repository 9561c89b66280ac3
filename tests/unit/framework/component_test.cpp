#include "framework/component.h"

#include <gtest/gtest.h>

namespace {

// Records its own destruction, so tests can see who freed whom and in which order.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::vector<std::string>& log, std::string id)
        : TComponent(owner), log_(log), id_(std::move(id)) {}
    ~Probe() override { log_.push_back(id_); }

private:
    std::vector<std::string>& log_;
    std::string id_;
};

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
    std::vector<std::string> log;
    auto* owner = new Probe(nullptr, log, "owner");
    new Probe(owner, log, "first");
    auto* second = new Probe(owner, log, "second");
    new Probe(second, log, "grandchild");
    EXPECT_EQ(owner->Components().size(), 2u);
    delete owner;
    // The owner's own destructor body runs first; then it frees its components.
    EXPECT_EQ(log, (std::vector<std::string>{"owner", "second", "grandchild", "first"}));
}

TEST(Component, DestroyedComponentLeavesItsOwnersList) {
    std::vector<std::string> log;
    Probe owner(nullptr, log, "owner");
    auto* first = new Probe(&owner, log, "first");
    new Probe(&owner, log, "second");
    delete first;
    ASSERT_EQ(owner.Components().size(), 1u);
    EXPECT_EQ(log, std::vector<std::string>{"first"});
}

} // namespace
