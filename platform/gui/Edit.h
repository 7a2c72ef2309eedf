#pragma once
// TEdit: one-line text box.
// - Setting Text fires OnChange synchronously, also from inside OnChange (the handler re-enters);
//   an unchanged text fires nothing.
// - MaxLength limits typing and pasting only (0 = no limit); a programmatic set is never cut.
// - OnExit fires only when the focus moves to another control of the same window (qs::Focus).
// - When code rewrites the text of a focused edit, the caret stays where the texts part.

#include "Control.h"
#include "Focus.h"

#include <QLineEdit>

using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;

class TEdit : public QLineEdit, public TWinControl, public qs::ExitSource {
public:
    explicit TEdit(TComponent* owner, TWinControl* parent = nullptr);
    ~TEdit() override;

    QString Text() const { return text(); }
    void SetText(const QString& text);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    void SetFontColor(TColor color);

    TNotifyEvent OnChange;
    TNotifyEvent OnExit;
    TNotifyEvent OnClick;
    TKeyPressEvent OnKeyPress;

    void FireExit() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void TextChanged();

    int m_maxLength = 0;
    TColor m_color = clWindow;
    int m_lengthBefore = 0; // length of the text as last reported
};
