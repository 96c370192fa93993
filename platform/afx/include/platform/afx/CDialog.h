#pragma once

// Dialogs built from the program's templates. DoModal runs one as a nested loop of the thread
// until EndDialog (OnOK, OnCancel) ends it or a quit is pending (result -1); Create makes one
// that runs alongside the loop that is there.

#include "platform/afx/CWnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds the control of the dialog with that identifier to the object (once).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

protected:
    DECLARE_MESSAGE_MAP()

private:
    friend INT_PTR AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
    HWND createWindow(CWnd* parent);
};

class CDialogEx : public CDialog {
public:
    explicit CDialogEx(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}
};

class CButton : public CWnd {};
class CStatic : public CWnd {};

INT_PTR AfxDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
