#include "Component.h"

#include "Exceptions.h"

#include <QObject>
#include <algorithm>

TComponent::TComponent(TComponent* owner) : m_owner(owner) {
    if (m_owner) {
        m_owner->m_components.push_back(this);
    }
}

TComponent::~TComponent() {
    // A component may free others as it goes (Qt children), so take one at a time.
    while (!m_components.empty()) {
        TComponent* c = m_components.back();
        m_components.pop_back();
        c->m_owner = nullptr;
        delete c;
    }
    if (m_owner) {
        auto& list = m_owner->m_components;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) {
        throw EListError::OutOfBounds(index);
    }
    return m_components[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(const QString& name) const {
    for (TComponent* c : m_components) {
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0) {
            return c;
        }
    }
    return nullptr;
}

QString TComponent::Name() const {
    return Object()->objectName();
}

void TComponent::SetName(const QString& name) {
    Object()->setObjectName(name);
}
