#include "framework/core/component.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/core/class_registry.h"
#include "framework/core/exceptions.h"

namespace {

// Counts destructions so that tests can see every component freed exactly once.
class Counted : public TComponent {
 public:
  explicit Counted(TComponent* owner, std::vector<std::string>* log = nullptr)
      : TComponent(owner), log_(log) {}
  ~Counted() override {
    if (log_ != nullptr) log_->push_back(Name());
  }

 private:
  std::vector<std::string>* log_;
};

// Creates two owned components, then fails.
class FailsHalfWay : public TComponent {
 public:
  FailsHalfWay(TComponent* owner, std::vector<std::string>* log) : TComponent(owner) {
    (new Counted(this, log))->SetName("first");
    (new Counted(this, log))->SetName("second");
    throw std::runtime_error("construction failed");
  }
};

}  // namespace

TEST(Component, OwnerFreesOwnedComponentsOnceLastFirst) {
  std::vector<std::string> log;
  auto* owner = new Counted(nullptr, &log);
  owner->SetName("owner");
  (new Counted(owner, &log))->SetName("a");
  auto* b = new Counted(owner, &log);
  b->SetName("b");
  (new Counted(b, &log))->SetName("b.child");
  auto* c = new Counted(owner, &log);
  c->SetName("c");
  EXPECT_EQ(owner->FindComponent("B"), b);

  delete c;  // freed by someone else: leaves the owner's list
  EXPECT_EQ(owner->ComponentCount(), 2);
  delete owner;
  EXPECT_EQ(log, (std::vector<std::string>{"c", "owner", "b", "b.child", "a"}));
}

TEST(Component, OwnedComponentsAreFreedWhenConstructionFailsHalfWay) {
  std::vector<std::string> log;
  Counted owner(nullptr);
  EXPECT_THROW(new FailsHalfWay(&owner, &log), std::runtime_error);
  EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Component, DestroyingStateReachesOwnedComponentsBeforeTheyGo) {
  struct Probe : TComponent {
    using TComponent::TComponent;
    bool* sawDestroying = nullptr;
    ~Probe() override { *sawDestroying = InState(csDestroying); }
  };
  bool sawDestroying = false;
  auto* owner = new TComponent(nullptr);
  (new Probe(owner))->sawDestroying = &sawDestroying;
  delete owner;
  EXPECT_TRUE(sawDestroying);
}

TEST(Persistent, AssignWithoutAKnownSourceNamesBothClasses) {
  TComponent a(nullptr), b(nullptr);
  try {
    a.Assign(&b);
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TComponent to a TComponent");
  }
  EXPECT_THROW(a.Assign(nullptr), EConvertError);
}

TEST(ClassRegistry, CreatesRegisteredClassesByNameIgnoringCase) {
  RegisterClass<Counted>("TCountedForTest");
  TComponent owner(nullptr);
  TPersistent* made = class_registry::Create("tcountedfortest", &owner);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(class_registry::Create("TNoSuchClass", &owner), nullptr);
}
