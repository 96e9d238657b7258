#include "toolkit/component.h"

#include <algorithm>
#include <stdexcept>

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    MarkDestroying();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        FComponents.pop_back();
        last->FOwner = nullptr;
        delete last;
    }
}

void TComponent::InsertComponent(TComponent* component) {
    component->FOwner = this;
    FComponents.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it != FComponents.end()) FComponents.erase(it);
    component->FOwner = nullptr;
}

void TComponent::SetName(const String& name) {
    if (name == FName) return;
    if (FOwner && !name.empty() && FOwner->FindComponent(name))
        throw std::invalid_argument("A component named " + name + " already exists");
    FName = name;
}

TComponent* TComponent::FindComponent(const String& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (c->FName == name) return c;
    return nullptr;
}

String TComponent::UniqueName(const String& stem) const {
    for (int n = 1;; ++n) {
        String candidate = stem + std::to_string(n);
        if (!FindComponent(candidate)) return candidate;
    }
}

void TComponent::SetDesigning(bool designing) {
    if (designing) FState |= csDesigning;
    else FState &= TComponentState(~csDesigning);
    for (TComponent* c : FComponents) c->SetDesigning(designing);
}
