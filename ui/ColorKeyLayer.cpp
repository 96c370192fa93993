#include "ui/ColorKeyLayer.h"

#include "ui/UpdateLayeredTool.h"

void CColorKeyLayer::ApplyColorKey() {
    m_keyBrush.Attach(CreateSolidBrush(m_keyColor));
    EnsureLayeredStyle(m_hTarget);
    if (auto setAttributes = UpdateLayeredTool::Instance()->m_pfnSetLayeredWindowAttributes)
        setAttributes(m_hTarget, m_keyColor, 255, LWA_COLORKEY | LWA_ALPHA);
}
