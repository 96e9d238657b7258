#pragma once
// The component model: exact class names, ownership and names.

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/types.h"

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The exact class name. Components compare it to recognise each other,
    // so every class that can be told apart overrides it.
    virtual String ClassName() const { return "TObject"; }
};

enum TComponentStateFlag : std::uint8_t { csLoading = 1, csDesigning = 2, csDestroying = 4 };
using TComponentState = std::uint8_t;

// An owner destroys what it owns, in reverse creation order. References
// between components are plain pointers that free nothing.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    String ClassName() const override { return "TComponent"; }

    const String& Name() const { return FName; }
    // Throws when another component of the same owner has the name.
    void SetName(const String& name);
    long Tag() const { return FTag; }
    void SetTag(long tag) { FTag = tag; }

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(std::size_t(index)); }
    TComponent* FindComponent(const String& name) const;

    // Stem plus the smallest n >= 1 for which this component owns nothing of that name.
    String UniqueName(const String& stem) const;

    TComponentState ComponentState() const { return FState; }
    bool IsLoading() const { return FState & csLoading; }
    bool IsDesigning() const { return FState & csDesigning; }
    bool IsDestroying() const { return FState & csDestroying; }
    void SetDesigning(bool designing);  // for this component and what it owns
    void BeginLoading() { FState |= csLoading; }
    // Clears the loading state and lets the component finish its set-up.
    virtual void Loaded() { FState &= TComponentState(~csLoading); }

    // Where a window definition nests this component: controls take a parent
    // control, menu items a parent item. Non-visual components ignore it.
    virtual void SetParentComponent(TComponent*) {}

    // Destroys every owned component now, newest first.
    void DestroyComponents();

protected:
    void MarkDestroying() { FState |= csDestroying; }

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    String FName;
    long FTag = 0;
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    TComponentState FState = 0;
};
