#include "classes.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
    if (FOwner) FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
    FDestroying = true;
    while (!FComponents.empty())
        delete FComponents.back();
    if (FOwner) std::erase(FOwner->FComponents, this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    auto found = std::find_if(FComponents.begin(), FComponents.end(),
                              [name](const TComponent* c) { return c->Name() == name; });
    return found == FComponents.end() ? nullptr : *found;
}

bool TComponent::SetProperty(std::string_view, const LayoutValue&, LayoutReader&) {
    return false;
}
