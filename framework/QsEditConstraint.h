// The edit constraint: parses an edit-format per edit and hooks the edit's change and exit
// events. On change it filters typed characters (with a tone), handles the exit character and
// auto-advance; on exit it checks the whole text and, on failure, shows the message, puts the
// last valid text back and returns the focus to the edit.
#pragma once

#include "Edit.h"
#include "EditFormat.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A caller's check of an edit, for formats with the Z flag; it shows its own message.
using QsEditValidator = bool (*)(TControl* control);

// The column's reading of a typed text: the canonical text of a writing the column takes, or why
// it takes none.
struct QsEditReading {
    std::string text;
    std::string refusal; // empty: taken
};
using QsEditWriting = std::function<QsEditReading(const std::string& typed)>;

// One edit's parsed format and state.
struct _EditConstraint_s {
    QPointer<TEdit> edit;
    qs::EditFormat format;
    QsEditValidator validator = nullptr;
    QsEditWriting writing;     // the bound column's reading; empty for an edit no column reads
    QString writingCharacters; // characters its writings need beyond the format's own
    QString lastValidText;
    TNotifyEvent savedChange; // the edit's handlers before the first attachment
    TNotifyEvent savedExit;
    TInsertEvent savedInsert;
};

class QsEditConstraint {
public:
    QsEditConstraint(TWinControl* owner, bool remember);
    // Frees every record and gives every edit its own handlers back, so no event of an edit
    // that outlives the constraint reaches it.
    ~QsEditConstraint();
    QsEditConstraint(const QsEditConstraint&) = delete;
    QsEditConstraint& operator=(const QsEditConstraint&) = delete;

    void Attach(std::string_view format, TEdit* edit);
    void AttachWithValidator(std::string_view format, TEdit* edit, QsEditValidator validator);
    // Piece k of a composite format goes to edit k; every piece is parsed before any is attached.
    void AttachMany(std::string_view format, const std::vector<TEdit*>& edits);
    void AttachManyWithValidator(std::string_view format, const std::vector<TEdit*>& edits,
                                 QsEditValidator validator);
    void Detach(TEdit* edit);
    // The column an edit's text goes to: on exit a writing it takes becomes its canonical text
    // before the format's checks (" 60" becomes "60", "fe80::1" 32 hex digits), and characters
    // its writings need pass the keystroke filter. An edit without a record is ignored.
    void SetWriting(TEdit* edit, QsEditWriting writing, const QString& characters);
    void Remember(TEdit* edit);
    _EditConstraint_s* Find(TEdit* edit) const;
    void SetOwner(TWinControl* owner) { m_owner = owner; }
    TWinControl* Owner() const { return m_owner; }

    void OnChange(TObject* Sender);
    void OnExit(TObject* Sender);
    // Several characters inserted at once (a paste, a drop) are taken whole or not at all: false
    // when one of text.mid(at, count) is a character the keystroke filter would take out.
    bool TakesInsertion(TEdit* edit, const QString& text, int at, int count) const;

private:
    void AttachParsed(const qs::EditFormat& format, TEdit* edit, QsEditValidator validator);
    bool FilterKeystroke(TEdit* edit, const _EditConstraint_s& r, const QString& text);
    // The text a writing the record takes becomes, shown in the edit when the format's filter lets
    // it; sets *refusal when the text holds a writing that is taken nowhere.
    QString Canonical(_EditConstraint_s& r, const QString& text, std::string* refusal);
    // The failing check's message (entry of the common table with its placeholders filled).
    void Fail(const QPointer<TEdit>& edit, const std::string& message);
    // Restores the last valid text and the focus, without a message.
    void Refuse(const QPointer<TEdit>& edit);
    // The message of a failing check by conversion, or "" when the text passes; *shown is
    // set when the check showed its own message.
    std::string Check(_EditConstraint_s& r, const QString& text, bool* shown);
    void FocusNext();

    TWinControl* m_owner;
    bool m_remember;
    std::vector<std::unique_ptr<_EditConstraint_s>> m_records;
};
