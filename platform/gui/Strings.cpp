#include "Strings.h"

#include "Exceptions.h"

int TStrings::Add(const QString& text) {
    const int index = Count();
    Insert(index, text);
    return index;
}

int TStrings::IndexOf(const QString& text) const {
    for (int i = 0; i < Count(); ++i) {
        if (Strings(i).compare(text, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QStringList TStrings::ToList() const {
    QStringList out;
    for (int i = 0; i < Count(); ++i) {
        out << Strings(i);
    }
    return out;
}

void TStrings::Assign(const QStringList& texts) {
    Clear();
    for (const QString& t : texts) {
        Add(t);
    }
}

void TStrings::CheckIndex(int index, int limit) {
    if (index < 0 || index >= limit) {
        throw EListError::OutOfBounds(index);
    }
}

QString TStringList::Strings(int index) const {
    CheckIndex(index, Count());
    return m_items.at(index);
}

void TStringList::Insert(int index, const QString& text) {
    CheckIndex(index, Count() + 1);
    m_items.insert(index, text);
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    m_items.removeAt(index);
}
