#include "Memo.h"

#include "Application.h"

namespace {
class MemoLines : public TStrings {
public:
    explicit MemoLines(QPlainTextEdit* memo) : m_memo(memo) {}
    int Count() const override { return Lines().size(); }
    QString Strings(int index) const override {
        CheckIndex(index, Count());
        return Lines().at(index);
    }
    void Insert(int index, const QString& text) override {
        CheckIndex(index, Count() + 1);
        QStringList lines = Lines();
        lines.insert(index, text);
        Set(lines);
    }
    void Delete(int index) override {
        CheckIndex(index, Count());
        QStringList lines = Lines();
        lines.removeAt(index);
        Set(lines);
    }
    void Clear() override { m_memo->clear(); }

private:
    QStringList Lines() const {
        const QString all = m_memo->toPlainText();
        return all.isEmpty() ? QStringList() : all.split(QLatin1Char('\n'));
    }
    void Set(const QStringList& lines) { m_memo->setPlainText(lines.join(QLatin1Char('\n'))); }
    QPlainTextEdit* m_memo;
};
} // namespace

TMemo::TMemo(TComponent* owner, TWinControl* parent)
    : QPlainTextEdit(qs::ParentWidgetFor(owner, parent)), TWinControl(this, owner),
      m_lines(std::make_unique<MemoLines>(this)) {
    qs::EnsureApplication();
}

TMemo::~TMemo() = default;
