#include "resources/TreeEntry.h"

#include <memory>

CTreeComponent* CTreeEntry::AddComponent(const QString& name, int32_t folder)
{
    auto component = std::make_unique<CTreeComponent>();
    component->name = name;
    component->folder = folder;
    component->entry = this;
    return components.Append(std::move(component), "leaf");
}
