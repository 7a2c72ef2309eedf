#pragma once
// TMemo: a multi-line text whose Lines can be added to.

#include "Control.h"
#include "Strings.h"

#include <QPlainTextEdit>
#include <memory>

class TMemo : public QPlainTextEdit, public TWinControl {
public:
    explicit TMemo(TComponent* owner, TWinControl* parent = nullptr);
    ~TMemo() override;
    TStrings& Lines() { return *m_lines; }

private:
    std::unique_ptr<TStrings> m_lines;
};
