#pragma once
// TStrings: an ordered list of texts behind combo boxes, radio groups, memos and plain lists.

#include <QString>
#include <QStringList>

class TStrings {
public:
    virtual ~TStrings() = default;
    virtual int Count() const = 0;
    virtual QString Strings(int index) const = 0;
    virtual void Insert(int index, const QString& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    int Add(const QString& text);
    int IndexOf(const QString& text) const;
    QString operator[](int index) const { return Strings(index); }
    QStringList ToList() const;
    void Assign(const QStringList& texts);

protected:
    // Raises the list-index error unless 0 <= index < limit.
    static void CheckIndex(int index, int limit);
};

// A free-standing list of texts.
class TStringList : public TStrings {
public:
    TStringList() = default;
    explicit TStringList(const QStringList& texts) : m_items(texts) {}
    int Count() const override { return static_cast<int>(m_items.size()); }
    QString Strings(int index) const override;
    void Insert(int index, const QString& text) override;
    void Delete(int index) override;
    void Clear() override { m_items.clear(); }

private:
    QStringList m_items;
};
