#include "QsEditConstraint.h"

#include "Application.h"
#include "Exceptions.h"

using qs::EditFormat;

QsEditConstraint::QsEditConstraint(TWinControl* owner, bool remember)
    : m_owner(owner), m_remember(remember) {}

QsEditConstraint::~QsEditConstraint() {
    for (const auto& r : m_records) {
        if (r->edit) {
            r->edit->OnChange = r->savedChange;
            r->edit->OnExit = r->savedExit;
            r->edit->OnInsert = r->savedInsert;
        }
    }
}

void QsEditConstraint::Attach(std::string_view format, TEdit* edit) {
    AttachParsed(qs::ParseEditFormat(format), edit, nullptr);
}

void QsEditConstraint::AttachWithValidator(std::string_view format, TEdit* edit, QsEditValidator validator) {
    AttachParsed(qs::ParseEditFormat(format), edit, validator);
}

void QsEditConstraint::AttachMany(std::string_view format, const std::vector<TEdit*>& edits) {
    AttachManyWithValidator(format, edits, nullptr);
}

void QsEditConstraint::AttachManyWithValidator(std::string_view format, const std::vector<TEdit*>& edits,
                                               QsEditValidator validator) {
    std::vector<EditFormat> parsed;
    for (const std::string& piece : qs::SplitEditFormat(format)) {
        parsed.push_back(qs::ParseEditFormat(piece));
    }
    if (edits.size() < parsed.size()) {
        throw EListError::OutOfBounds(static_cast<int>(edits.size()));
    }
    for (std::size_t k = 0; k < parsed.size(); ++k) {
        AttachParsed(parsed[k], edits[k], validator);
    }
}

void QsEditConstraint::AttachParsed(const EditFormat& format, TEdit* edit, QsEditValidator validator) {
    _EditConstraint_s* r = Find(edit);
    if (!r) {
        auto record = std::make_unique<_EditConstraint_s>();
        record->edit = edit;
        record->savedChange = edit->OnChange;
        record->savedExit = edit->OnExit;
        record->savedInsert = edit->OnInsert;
        m_records.push_back(std::move(record));
        r = m_records.back().get();
    }
    r->format = format;
    r->validator = validator;
    if (format.width > 0) {
        edit->SetWidth(format.width);
    }
    edit->SetMaxLength(qs::EditTextRoom(format));
    edit->OnChange = [this](TObject* sender) { OnChange(sender); };
    edit->OnExit = [this](TObject* sender) { OnExit(sender); };
    edit->OnInsert = [this](TObject* sender, const QString& text, int at, int count) {
        return TakesInsertion(dynamic_cast<TEdit*>(sender), text, at, count);
    };
}

void QsEditConstraint::Detach(TEdit* edit) {
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if (edit && (*it)->edit == edit) {
            edit->OnChange = (*it)->savedChange;
            edit->OnExit = (*it)->savedExit;
            edit->OnInsert = (*it)->savedInsert;
            m_records.erase(it);
            return;
        }
    }
}

void QsEditConstraint::SetWriting(TEdit* edit, QsEditWriting writing, const QString& characters) {
    if (_EditConstraint_s* r = Find(edit)) {
        r->writing = std::move(writing);
        r->writingCharacters = characters;
    }
}

void QsEditConstraint::Remember(TEdit* edit) {
    if (_EditConstraint_s* r = Find(edit)) {
        r->lastValidText = edit->Text();
    }
}

_EditConstraint_s* QsEditConstraint::Find(TEdit* edit) const {
    for (const auto& r : m_records) {
        if (edit && r->edit == edit) {
            return r.get();
        }
    }
    return nullptr;
}

void QsEditConstraint::FocusNext() {
    if (m_owner) {
        PostFocusNext(m_owner->Widget()->window());
    }
}
