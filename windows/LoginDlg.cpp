#include "windows/LoginDlg.h"

#include "windows/LoginActiveDlg.h"

#include "res/resource.h"

#include "platform/afx/CWinApp.h"
#include "platform/kernel/Resources.h"
#include "platform/user/Icons.h"
#include "platform/user/MessageBox.h"
#include "platform/user/Windows.h"

BEGIN_MESSAGE_MAP(CLoginDlg, CDialogEx)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CREATE()
ON_WM_NCHITTEST()
ON_WM_MOVE()
ON_WM_SHOWWINDOW()
ON_WM_CLOSE()
END_MESSAGE_MAP()

// The parent is ignored: the login window has none.
CLoginDlg::CLoginDlg(CWnd* /*parent*/)
    : CDialogEx(IDD_LOGIN_DIALOG, nullptr),
      m_hIcon(LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

CLoginDlg::~CLoginDlg() {
    if (m_hIcon)
        DestroyIcon(m_hIcon);
}

BOOL CLoginDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetWindowText(u"Tarnwick0.1折");
    m_background.m_hTarget = m_hWnd;
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // FIXME: the overlay (template 132, owned by this window, handed to the script bridge) is made
    // here once the browser host exists; until then the login window has no overlay.

    ModifyStyle(WS_CAPTION, 0);
    if (!m_background.m_image.Load(MAKEINTRESOURCEW(IDB_PNG_LOGIN), AfxGetResourceHandle()))
        return TRUE;
    MoveWindow(0, 0, static_cast<int>(m_background.m_image.GetWidth()),
               static_cast<int>(m_background.m_image.GetHeight()), TRUE);
    CenterWindow();
    if (m_pOverlay && ::IsWindow(m_pOverlay->m_hWnd)) {
        CRect rect;
        GetWindowRect(&rect);
        m_pOverlay->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    }
    m_background.PaintLayered();
    return TRUE;
}

void CLoginDlg::OnPaint() {
    if (!IsIconic())
        return; // the layered picture is the window's appearance
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CLoginDlg::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(m_hIcon);
}

int CLoginDlg::OnCreate(CREATESTRUCTW* create) {
    return CDialogEx::OnCreate(create) == -1 ? -1 : 0;
}

LRESULT CLoginDlg::OnNcHitTest(CPoint point) {
    m_bLoginLeads = 1;
    const LRESULT hit = CDialogEx::OnNcHitTest(point);
    return hit == HTCLIENT ? HTCAPTION : hit;
}

void CLoginDlg::OnMove(int /*x*/, int /*y*/) {
    if (!::IsWindow(m_hWnd) || m_bLoginLeads != 1)
        return;
    if (!m_pOverlay || !::IsWindow(m_pOverlay->m_hWnd))
        return;
    CRect own, overlay;
    GetWindowRect(&own);
    m_pOverlay->GetWindowRect(&overlay);
    m_pOverlay->MoveWindow(own.left, own.top, overlay.Width(), overlay.Height(), TRUE);
}

void CLoginDlg::OnShowWindow(BOOL show, UINT status) {
    CDialogEx::OnShowWindow(show, status);
    if (m_pOverlay && ::IsWindow(m_pOverlay->m_hWnd))
        m_pOverlay->ShowWindow(show ? SW_SHOWNORMAL : SW_HIDE);
}

void CLoginDlg::OnClose() {
    EndDialog(IDOK);
}
