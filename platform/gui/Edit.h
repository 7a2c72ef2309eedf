#pragma once
// TEdit: one-line text box.
// - Setting Text fires OnChange synchronously, also from inside OnChange (the handler re-enters);
//   an unchanged text fires nothing.
// - MaxLength limits typing and pasting only (0 = no limit); a programmatic set is never cut.
// - OnExit fires only when the focus moves to another control of the same window (qs::Focus).
// - When code rewrites the text of a focused edit, the caret stays where the texts part.
// - OnInsert judges several characters the user inserts at once (a paste, a drop); a refusal
//   keeps the text as it was, with a tone. Typing one character and a programmatic set skip it.

#include "Control.h"
#include "Focus.h"
#include "TextFit.h"

#include <QLineEdit>

using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;
// text is what the edit would hold; the inserted characters are text.mid(at, count). False
// refuses the insertion whole.
using TInsertEvent = std::function<bool(TObject* Sender, const QString& text, int at, int count)>;

class TEdit : public QLineEdit, public TWinControl, public qs::ExitSource {
public:
    explicit TEdit(TComponent* owner, TWinControl* parent = nullptr);
    ~TEdit() override;

    QString Text() const { return text(); }
    void SetText(const QString& text);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) {
        setReadOnly(readOnly);
        qs::GrowToText(this);
    }
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    void SetFontColor(TColor color);

    TNotifyEvent OnChange;
    TNotifyEvent OnExit;
    TNotifyEvent OnClick;
    TKeyPressEvent OnKeyPress;
    TInsertEvent OnInsert;

    // Whether a change the user makes, giving input, is taken: it keeps within MaxLength (or
    // shortens the text), and OnInsert takes what it inserts; a refused insertion sounds a tone.
    bool TakesInput(const QString& input) const;

    void FireExit() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void TextChanged();

    int m_maxLength = 0;
    TColor m_color = clWindow;
    QString m_textBefore; // the text as last reported
};
