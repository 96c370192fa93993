#pragma once

#include "ui/LayeredPainter.h"

#include "platform/afx/CDC.h"
#include "platform/afx/CDialog.h"

class CLoginActiveDlg;

// The program's main window: the login artwork as a borderless window with per-pixel alpha,
// dragged by any visible pixel. The overlay it owns lies exactly on it and moves with it; the
// flag m_bLoginLeads tells which of the two a drag moves, so that a move is copied once and never
// bounces back.
class CLoginDlg : public CDialogEx {
public:
    explicit CLoginDlg(CWnd* parent = nullptr);
    ~CLoginDlg() override;

    HICON m_hIcon;
    BOOL m_bLoginLeads = 0;
    CLoginActiveDlg* m_pOverlay = nullptr;
    CLayeredPainter m_background;

protected:
    BOOL OnInitDialog() override;
    // Neither Enter nor Esc closes the login window.
    void OnOK() override {}
    void OnCancel() override {}

    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    int OnCreate(CREATESTRUCTW* create) override;
    LRESULT OnNcHitTest(CPoint point) override;
    void OnMove(int x, int y) override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnClose() override;

    DECLARE_MESSAGE_MAP()
};
