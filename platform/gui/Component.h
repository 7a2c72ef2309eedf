#pragma once
// The object model of the GUI layer: every wrapped object is a TObject (the Sender of events);
// a TComponent has an Owner that frees it, a Name, a Tag and the components it owns, in order.

#include <QString>
#include <functional>
#include <vector>

class QObject;

class TObject {
public:
    virtual ~TObject() = default;
};

// Events are single slots: one closure, read, stored, replaced and called by whoever holds it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent : public TObject {
public:
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    // Frees every component it still owns, newest first, then leaves its owner's list.
    ~TComponent() override;

    TComponent* Owner() const { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const;
    // The owned component with this name (case-insensitive), searched in this owner only.
    TComponent* FindComponent(const QString& name) const;

    QString Name() const;
    void SetName(const QString& name);

    int Tag = 0;

    // The Qt object behind this component.
    virtual QObject* Object() = 0;
    const QObject* Object() const { return const_cast<TComponent*>(this)->Object(); }

protected:
    explicit TComponent(TComponent* owner);

private:
    TComponent* m_owner = nullptr;
    std::vector<TComponent*> m_components;
};
