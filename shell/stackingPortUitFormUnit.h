// TStackingPortUitForm: the embedded port picker. One page per stack unit, each holding numbered
// port check boxes, of which the first n (the model's port count) are shown. The picker knows
// nothing of SNMP: a host binds PortBoxes to a port-list variable with PortNameList, so that box
// (unit-1)*64 + (port-1) carries bit port-1 of that unit's 8-octet block, most significant first.
#pragma once

#include "CheckBox.h"
#include "Form.h"
#include "PageControl.h"
#include "ScrollBox.h"

#include <vector>

class TStackingPortUitForm : public TForm {
public:
    explicit TStackingPortUitForm(TComponent* owner);
    ~TStackingPortUitForm() override;

    // Empties PortBoxes and UnitSheets (the constructor calls it).
    void FormCreate();
    // Frees every listed box, the current scroll box and every listed sheet. A host may clear the
    // lists itself first; what is no longer listed is then left to its owner.
    void FormDestroy();

    // One more unit page with count boxes captioned "1" to count, in rows of columns; its tab
    // stays hidden until ShowUnitPorts.
    void AddUnitPage(const QString& caption, int count, int columns);
    // The same with the first port's number as the first caption. With bare set the page control
    // is hidden and the page gets no boxes.
    void AddUnitPage(const QString& caption, int firstPort, int count, int columns, bool bare = false);

    // Shows the page of unit unitText (decimal) and its first visibleCount boxes; the page's
    // caption gets " " + captionSuffix. Anything it cannot do (no such unit, too few boxes) is
    // skipped silently.
    void ShowUnitPorts(const QString& unitText, const QString& captionSuffix, int visibleCount);
    // The five-argument form some dialogs use; the third and fifth arguments are not used.
    void ShowUnitPorts(const QString& unitText, const QString& captionSuffix, int, int visibleCount, int = 0);

    void ClearAllPorts();
    void EnableAllPorts();
    void DisableAllPorts();
    // Ticked boxes among the first 64 of PortBoxes (unit 1).
    int CountCheckedPorts() const;

    TPageControl* UnitPageControl;
    // Every port box in creation order: unit 1's boxes first, then the next unit's.
    std::vector<TCheckBox*> PortBoxes;
    // The unit pages in creation order (unit u at position u-1).
    std::vector<TTabSheet*> UnitSheets;
    // The scroll box made by the last AddUnitPage.
    TScrollBox* CurrentScrollBox = nullptr;

    static constexpr int kBoxesPerUnit = 64;

private:
    void CreatePortCheckBoxes(TScrollBox* scrollBox, int firstPort, int count, int columns);
};
