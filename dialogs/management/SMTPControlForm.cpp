#include "SMTPControlForm.h"

#include "AccessMarks.h"
#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "Panel.h"
#include "Progress.h"
#include "QsSNMPRequest2Edits.h"
#include "SharedOptions.h"
#include "StatusBar.h"
#include "TableLayout.h"

#include <exception>

TSMTPControlForm* SMTPControlForm = nullptr;

namespace {

const QsSNMPVarDesc* SmtpVars() {
    static const QsOption sendOptions[] = {{1, "send"}, {2, "noAction"}, {}};
    static const QsOptionList status(DisabledEnabledOptions, OVT_INT);
    static const QsOptionList send(sendOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.29.1.1", "SMTP Status", SYN_INTEGER, ACC_READWRITE, &status},
        {"1.3.6.1.4.1.58613.12.29.1.2", "SMTP Server Address", SYN_IPADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.29.1.3", "SMTP Server Port", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.29.1.4", "SMTP Self Mail Address", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.29.1.5", "SMTP Test Messsage Subject", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.29.1.6", "SMTP Test Message Content", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.29.1.7", "SMTP Send Test Message", SYN_INTEGER, ACC_READWRITE, &send},
        {nullptr},
    };
    return table;
}

enum { kStatus, kServer, kPort, kSelf, kSubject, kContent, kSendTest };
constexpr int kTimeout = 500; // the device answers slowly while it talks to the mail server

} // namespace

TSMTPControlForm::TSMTPControlForm(TComponent* owner)
    : FeatureDialog(owner, "SMTPControlForm", QStringLiteral("SMTP Control Table"), QSize(560, 290), 0) {
    BuildControls();
    RunProgress = [](TProgressForm* progress) { progress->ShowModal(); };
    OnCreate = [this](TObject*) { FormCreate(); };
}

TSMTPControlForm::~TSMTPControlForm() {
    Shutdown.Run();
}

void TSMTPControlForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* group = Make<TPanel>(nullptr, "GroupBox1");
    group->SetAlign(alClient);
    struct Row {
        TLabel** label;
        const char* labelName;
        const char* caption;
        TWinControl* editor;
    };
    CB_Status = Make<TComboBox>(group, "CB_Status");
    Ed_SourceAddress = Make<TEdit>(group, "Ed_SourceAddress");
    Ed_SourcePort = Make<TEdit>(group, "Ed_SourcePort");
    Ed_SelfMailAddress = Make<TEdit>(group, "Ed_SelfMailAddress");
    ED_Subject = Make<TEdit>(group, "ED_Subject");
    Ed_Content = Make<TEdit>(group, "Ed_Content");
    CB_SendTest = Make<TComboBox>(group, "CB_SendTest");
    const Row rows[] = {{&Label1, "Label1", "SMTP Status", CB_Status},
                        {&Label2, "Label2", "Source Address", Ed_SourceAddress},
                        {&Label3, "Label3", "Source Port", Ed_SourcePort},
                        {&Label4, "Label4", "Self Mail Address ", Ed_SelfMailAddress},
                        {&Label5, "Label5", "Test Message Subject", ED_Subject},
                        {&Label6, "Label6", "Test Message Content", Ed_Content},
                        {&Label7, "Label7", "SMTP Send Test Message", CB_SendTest}};
    int top = 12;
    for (const Row& r : rows) {
        *r.label = Make<TLabel>(group, r.labelName);
        (*r.label)->SetCaption(QString::fromLatin1(r.caption));
        (*r.label)->SetBounds(10, top + 3, 160, 16);
        r.editor->SetBounds(176, top, 260, 22);
        top += 32;
    }
    qs::FillButtons(*this, column,
                    {{&Btn_Refresh, "Btn_Refresh", "Refresh", [this] { Btn_RefreshClick(); }},
                     {&Btn_Set, "Btn_Set", "Set", [this] { Btn_SetClick(); }},
                     {&Button1, "Button1", "Close", [this] { Close(); }}});
}

void TSMTPControlForm::FormCreate() {
    SetCaption(QStringLiteral("SMTP Control Table :"));
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    SmtpRequest = request.get();
    Shutdown.AddRequest(std::move(request));
    try {
        SmtpRequest->Request.List = QsSNMPVarList(SmtpVars(), SVT_SV, 0);
        SmtpRequest->BindComboBox(kStatus, CB_Status);
        SmtpRequest->BindEdits(kServer, "%s", {Ed_SourceAddress});
        SmtpRequest->BindEdits(kPort, "%i{n0x65535l5a}", {Ed_SourcePort});
        SmtpRequest->BindEdits(kSelf, "%s{l64}", {Ed_SelfMailAddress});
        SmtpRequest->BindEdits(kSubject, "%s{l128}", {ED_Subject});
        SmtpRequest->BindEdits(kContent, "%s{l512}", {Ed_Content});
        SmtpRequest->BindComboBox(kSendTest, CB_SendTest);
        SmtpRequest->Request.Timeout = kTimeout;
        StatusOut().AttachTo(*SmtpRequest);
        SmtpRequest->Refresh();
    } catch (const std::exception& e) {
        Application->ShowException(QString::fromStdString(e.what()));
    }
}

void TSMTPControlForm::Btn_RefreshClick() {
    if (RequestsEnded() || SmtpRequest->Busy) {
        return;
    }
    SmtpRequest->Refresh();
}

// An empty server or port stops Set: the message in the status bar and in a box, the focus on the
// empty edit.
bool TSMTPControlForm::CheckRequiredValues() {
    for (TEdit* edit : {Ed_SourceAddress, Ed_SourcePort}) {
        if (edit->Text().isEmpty()) {
            const QString message = QStringLiteral("Please Input Value!");
            StatusOut().Show(message);
            ShowMessage(message);
            if (edit->isEnabled()) {
                edit->SetFocus();
            }
            return false;
        }
    }
    return true;
}

void TSMTPControlForm::Btn_SetClick() {
    if (RequestsEnded() || !CheckRequiredValues()) {
        return;
    }
    const QString send = CB_SendTest->Text();
    if (send == QStringLiteral("send")) {
        if (CB_Status->Text() == QStringLiteral("disabled")) {
            ShowMessage(QStringLiteral("Enable SMTP first if you want send a mail"));
            return;
        }
        if (ConfirmBox(Widget(),
                       QStringLiteral("To Send the mail may take a long time. Do you want to go on?"))) {
            Handle([this] { SendTestMail(); });
        }
    } else if (send == QStringLiteral("noAction")) {
        qs::AccessMarks marks(SmtpRequest->Request.List);
        marks.Exclude({kSendTest});
        SmtpRequest->Apply(true, true, std::string(), nullptr);
    }
    SmtpRequest->Refresh();
}

void TSMTPControlForm::SendTestMail() {
    auto* progress = new TProgressForm(nullptr, this);
    progress->SetCaption(QStringLiteral("Send the mail Progress"));
    progress->LB_Prompt->SetCaption(QStringLiteral("Send the mail is processing..."));
    ProgressForm = progress;
    struct Release {
        TProgressForm* form;
        ~Release() {
            ProgressForm = nullptr;
            delete form;
        }
    } release{progress};
    SmtpRequest->Apply(true, true, std::string(), nullptr);
    RunProgress(progress);
}
