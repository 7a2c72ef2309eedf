#include "GUIConfigForm.h"

#include "Application.h"
#include "Exceptions.h"
#include "PageWait.h"
#include "QsSNMPRequest2Edits.h"

#include <QTabBar>
#include <QTimer>
#include <algorithm>

namespace {
constexpr unsigned kClosePendingMessage = WM_REFRESH_PAGE + 1;
// How long a close waits for an outstanding reply: twice the longest time-out and retry.
constexpr int kCloseWaitMs = 6000;
constexpr int kCloseRetryMs = 20;

QsException FormError(const char* text) {
    return QsException(text, 0);
}
} // namespace

TConfigForm::TConfigForm(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("ConfigForm"));
    SetCaption(QStringLiteral("ConfigForm"));
    SetClientWidth(151);
    SetClientHeight(78);
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    PostMessage(WM_REFRESH_PAGE, 0, 0);
}

TConfigForm::~TConfigForm() {
    StopRequests();
    FreeRequests();
}

void TConfigForm::SetType(unsigned char type) {
    if (FormType != 0) {
        throw FormError("Can not change Type of a Config Form!");
    }
    FormType = type;
}

TSNMPEditorPanel* TConfigForm::NewEditorPanel(TWinControl* parent, QsSNMPRequest2Edits* request) {
    Requests.emplace_back(request);
    auto* panel = new TSNMPEditorPanel(parent, request);
    m_panels.push_back(panel);
    panel->AttachToForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::NewListViewPanel(TWinControl* parent, QsSNMPRequest2Edits* request,
                                                  int AddStatusVar, const char* AddStatusValue,
                                                  int DeleteStatusVar, const char* DeleteStatusValue) {
    Requests.emplace_back(request);
    auto* panel = new TSNMPListViewPanel(parent, request);
    m_panels.push_back(panel);
    panel->AttachToForm(this);
    if (AddStatusValue) {
        panel->SetAddStatus(AddStatusVar, AddStatusValue);
    }
    if (DeleteStatusValue) {
        panel->SetDeleteStatus(DeleteStatusVar, DeleteStatusValue);
    }
    return panel;
}

TSNMPEditorPanel* TConfigForm::SetEditorPage(QsSNMPRequest2Edits* request) {
    std::unique_ptr<QsSNMPRequest2Edits> held(request); // freed when the form refuses it
    SetType(1);
    held.release();
    TSNMPEditorPanel* panel = NewEditorPanel(this, request);
    SetClientWidth(std::max(ClientWidth(), panel->Width()));
    SetClientHeight(std::max(ClientHeight(), panel->Height()));
    return panel;
}

TSNMPListViewPanel* TConfigForm::SetListViewPage(QsSNMPRequest2Edits* request, int AddStatusVar,
                                                 const char* AddStatusValue, int DeleteStatusVar,
                                                 const char* DeleteStatusValue) {
    std::unique_ptr<QsSNMPRequest2Edits> held(request);
    SetType(2);
    held.release();
    TSNMPListViewPanel* panel =
        NewListViewPanel(this, request, AddStatusVar, AddStatusValue, DeleteStatusVar, DeleteStatusValue);
    SetClientWidth(std::max(ClientWidth(), panel->Width()));
    SetClientHeight(std::max(ClientHeight(), panel->Height()));
    return panel;
}

void TConfigForm::MakePaged() {
    SetType(3);
    PageControl = new TPageControl(this, this);
    PageControl->SetName(QStringLiteral("PageControl"));
    PageControl->SetMultiLine(true);
    PageControl->OnChange = [this](TObject*) { RefreshActivePage(); };
}

TTabSheet* TConfigForm::NewSheet(const char* caption, const char* error) {
    if (FormType != 3) {
        throw FormError(error);
    }
    auto* sheet = new TTabSheet(PageControl, PageControl);
    sheet->SetName(QStringLiteral("Sheet%1").arg(PageControl->PageCount() - 1));
    sheet->SetCaption(QString::fromLatin1(caption));
    sheet->Tag = PageControl->PageCount() - 1;
    PageControl->SetAlign(alNone);
    return sheet;
}

void TConfigForm::FitSheet(TTabSheet* sheet, TSNMPPanel* panel) {
    sheet->SetWidth(std::max(sheet->Width(), panel->Width()));
    sheet->SetHeight(std::max(sheet->Height(), panel->Height()));
    // The tabs take their own height above the sheet.
    const int tabHeight = PageControl->tabBar()->sizeHint().height();
    PageControl->SetWidth(std::max(PageControl->Width(), sheet->Width()));
    PageControl->SetHeight(std::max(PageControl->Height(), tabHeight + sheet->Height()));
    SetClientWidth(std::max(ClientWidth(), PageControl->Width()));
    SetClientHeight(std::max(ClientHeight(), PageControl->Height()));
    PageControl->SetAlign(alClient);
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const char* caption, QsSNMPRequest2Edits* request) {
    std::unique_ptr<QsSNMPRequest2Edits> held(request);
    TTabSheet* sheet = NewSheet(caption, "Can not add editor page to a none-page pannel!");
    TSNMPEditorPanel* panel = NewEditorPanel(sheet, held.release());
    FitSheet(sheet, panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const char* caption, QsSNMPRequest2Edits* request,
                                                 int AddStatusVar, const char* AddStatusValue,
                                                 int DeleteStatusVar, const char* DeleteStatusValue) {
    std::unique_ptr<QsSNMPRequest2Edits> held(request);
    TTabSheet* sheet = NewSheet(caption, "Can not add listview page to a none-page pannel!");
    TSNMPListViewPanel* panel = NewListViewPanel(sheet, held.release(), AddStatusVar, AddStatusValue,
                                                 DeleteStatusVar, DeleteStatusValue);
    FitSheet(sheet, panel);
    return panel;
}

void TConfigForm::RefreshActivePage() {
    std::size_t index = 0;
    if (FormType == 0) {
        return;
    }
    if (FormType == 3) {
        if (PageControl->PageCount() == 0) {
            return;
        }
        index = static_cast<std::size_t>(PageControl->ActivePage()->Tag);
    } else if (FormType != 1 && FormType != 2) {
        throw FormError("Refresh a Form with unknown Form Type!");
    }
    if (index >= Requests.size()) {
        return;
    }
    QsSNMPRequest2Edits* request = Requests[index].get();
    if (ActiveRequest) {
        ActiveRequest->Request.Active = false;
    }
    ActiveRequest = request;
    request->Request.Active = true;
    qs::PageOperation operation(this);
    try {
        request->Refresh();
    } catch (const std::exception& e) {
        request->ShowStatus(qs::MessageOf(e).toStdString());
    }
}

void TConfigForm::Dispatch(TMessage& message) {
    if (message.Msg == WM_REFRESH_PAGE) {
        RefreshActivePage();
    } else if (message.Msg == kClosePendingMessage) {
        Close();
    } else {
        TForm::Dispatch(message);
    }
}

void TConfigForm::StopRequests() {
    for (auto& r : Requests) {
        if (r) {
            r->Request.Active = false;
        }
    }
}

// Frees the requests; one whose operation is still under way (it did not answer within the
// wait) stays until the form goes, so that nothing on the stack loses its object.
void TConfigForm::FreeRequests() {
    for (TSNMPPanel* p : m_panels) {
        p->Request = nullptr;
    }
    for (auto& r : Requests) {
        if (r && r->Busy) {
            m_lingering.push_back(std::move(r));
        }
    }
    Requests.clear();
    ActiveRequest = nullptr;
}

void TConfigForm::FormClose(TObject*, TCloseAction& Action) {
    StopRequests();
    if (m_operations > 0) {
        // A read or write of this form is lower on the stack: it ends at its next step and
        // EndOperation closes the form then.
        m_closePending = true;
        Action = caNone;
        return;
    }
    const bool driverRunning =
        std::any_of(Requests.begin(), Requests.end(), [](const auto& r) { return r && r->InOperation(); });
    if (driverRunning) {
        // A reply of a request is being handled below this close (its rows pump messages):
        // try again once it has returned.
        Action = caNone;
        QTimer::singleShot(kCloseRetryMs, this, [this] { Close(); });
        return;
    }
    for (auto& r : Requests) {
        QsSNMPRequest2Edits* request = r.get();
        qs::WaitWhile([request] { return request->Busy; }, kCloseWaitMs);
    }
    FreeRequests();
}

void TConfigForm::BeginOperation() {
    ++m_operations;
}

void TConfigForm::EndOperation() {
    if (--m_operations == 0 && m_closePending) {
        m_closePending = false;
        PostMessage(kClosePendingMessage, 0, 0);
    }
}

namespace qs {

bool Closing(TForm* host) {
    if (!host) {
        return false;
    }
    auto* page = dynamic_cast<TConfigForm*>(host);
    return (page && page->ClosePending()) || (host->Modal() && host->ModalResult() != mrNone);
}

PageOperation::PageOperation(TForm* host) : m_host(host) {
    if (auto* form = dynamic_cast<TConfigForm*>(host)) {
        form->BeginOperation();
    }
}

PageOperation::~PageOperation() {
    if (auto* form = dynamic_cast<TConfigForm*>(m_host.data())) {
        form->EndOperation();
    }
}

} // namespace qs
