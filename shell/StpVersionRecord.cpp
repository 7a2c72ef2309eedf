#include "StpVersionRecord.h"

#include "Application.h"
#include "Form.h"
#include "StaticText.h"

namespace qs {

namespace {

QString& OwnRecord() {
    static QString text = QStringLiteral("ST_Version");
    return text;
}

TStaticText* MainWindowRecord() {
    if (Application == nullptr || Application->MainForm == nullptr) {
        return nullptr;
    }
    return Application->MainForm->findChild<TStaticText*>(QStringLiteral("ST_Version"));
}

} // namespace

QString StpVersionText() {
    const TStaticText* record = MainWindowRecord();
    return record ? record->Caption() : OwnRecord();
}

void SetStpVersionText(const QString& text) {
    if (TStaticText* record = MainWindowRecord()) {
        record->SetCaption(text);
    } else {
        OwnRecord() = text;
    }
}

} // namespace qs
