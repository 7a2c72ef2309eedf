#pragma once
// TConfigForm: the window of every generic MIB page. It holds one editor page, one list page or
// several pages on tabs, owns one request per page, reads the page on view once its modal loop
// runs (the posted WM_REFRESH_PAGE) and whenever the user picks another tab, and stops, waits
// for and frees its requests when it closes.

#include "BlockingAction.h"
#include "Form.h"
#include "GUIGenerator.h"
#include "PageControl.h"

#include <QPointer>
#include <memory>
#include <vector>

constexpr unsigned WM_REFRESH_PAGE = WM_APP + 1234; // 34002

class TConfigForm : public TForm {
public:
    explicit TConfigForm(TComponent* owner = nullptr);
    ~TConfigForm() override;

    // The form takes ownership of the request in every page operation.
    TSNMPEditorPanel* SetEditorPage(QsSNMPRequest2Edits* request);
    TSNMPListViewPanel* SetListViewPage(QsSNMPRequest2Edits* request, int AddStatusVar,
                                        const char* AddStatusValue, int DeleteStatusVar,
                                        const char* DeleteStatusValue);
    void MakePaged();
    TSNMPEditorPanel* AddEditorPage(const char* caption, QsSNMPRequest2Edits* request);
    TSNMPListViewPanel* AddListViewPage(const char* caption, QsSNMPRequest2Edits* request, int AddStatusVar,
                                        const char* AddStatusValue, int DeleteStatusVar,
                                        const char* DeleteStatusValue);
    void RefreshActivePage();
    void FormClose(TObject* Sender, TCloseAction& Action);

    // A page operation that may process window messages while it runs (a blocking read or
    // write, a sub-form) brackets itself with these. A close that arrives meanwhile stops the
    // requests and is carried out once the outermost operation has returned.
    void BeginOperation();
    void EndOperation();
    bool ClosePending() const { return m_closePending; }

    unsigned char FormType = 0; // 0 none, 1 editor page, 2 list page, 3 tab pages
    std::vector<std::unique_ptr<QsSNMPRequest2Edits>> Requests;
    TPageControl* PageControl = nullptr;
    QsSNMPRequest2Edits* ActiveRequest = nullptr;

protected:
    void Dispatch(TMessage& message) override;

private:
    TSNMPEditorPanel* NewEditorPanel(TWinControl* parent, QsSNMPRequest2Edits* request);
    TSNMPListViewPanel* NewListViewPanel(TWinControl* parent, QsSNMPRequest2Edits* request, int AddStatusVar,
                                         const char* AddStatusValue, int DeleteStatusVar,
                                         const char* DeleteStatusValue);
    TTabSheet* NewSheet(const char* caption, const char* error);
    void FitSheet(TTabSheet* sheet, TSNMPPanel* panel);
    void SetType(unsigned char type);
    void StopRequests();
    void FreeRequests();

    std::vector<TSNMPPanel*> m_panels;
    std::vector<std::unique_ptr<QsSNMPRequest2Edits>> m_lingering; // still busy when freed
    int m_operations = 0;
    bool m_closePending = false;
};

namespace qs {
// True once a close of the form is under way (pending, or a modal result set).
bool Closing(TForm* host);

// Brackets a page operation of the form that hosts a panel (nothing when it is not a page host).
// The operation is one user action: after a blocking request of it timed out, the rest of its
// blocking requests are skipped (BlockingAction).
class PageOperation {
public:
    explicit PageOperation(TForm* host);
    ~PageOperation();
    PageOperation(const PageOperation&) = delete;
    PageOperation& operator=(const PageOperation&) = delete;

private:
    QPointer<TForm> m_host;
    BlockingAction m_action;
};
} // namespace qs
