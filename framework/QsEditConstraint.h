// The edit constraint: parses an edit-format per edit and hooks the edit's change and exit
// events. On change it filters typed characters (with a tone), handles the exit character and
// auto-advance; on exit it checks the whole text and, on failure, shows the message, puts the
// last valid text back and returns the focus to the edit.
#pragma once

#include "Edit.h"
#include "EditFormat.h"

#include <QPointer>
#include <memory>
#include <string_view>
#include <vector>

// A caller's check of an edit, for formats with the Z flag; it shows its own message.
using QsEditValidator = bool (*)(TControl* control);

// One edit's parsed format and state.
struct _EditConstraint_s {
    QPointer<TEdit> edit;
    qs::EditFormat format;
    QsEditValidator validator = nullptr;
    QString lastValidText;
    TNotifyEvent savedChange; // the edit's handlers before the first attachment
    TNotifyEvent savedExit;
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
    void Remember(TEdit* edit);
    _EditConstraint_s* Find(TEdit* edit) const;
    void SetOwner(TWinControl* owner) { m_owner = owner; }
    TWinControl* Owner() const { return m_owner; }

    void OnChange(TObject* Sender);
    void OnExit(TObject* Sender);

private:
    void AttachParsed(const qs::EditFormat& format, TEdit* edit, QsEditValidator validator);
    bool FilterKeystroke(TEdit* edit, const _EditConstraint_s& r, const QString& text);
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
