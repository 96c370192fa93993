#include "app/LoginApp.h"

#include "res/ResourceTable.h"

#include "platform/afx/AppShell.h"
#include "platform/afx/CWnd.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/kernel/Resources.h"
#include "platform/user/MessageBox.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Screen.h"
#include "platform/user/Windows.h"

#include <gtest/gtest.h>

using platform::headless::scriptInput;
using platform::headless::shownMessageBoxes;

namespace {

void startPlatform() {
    platform::registerResourceModule(tarnwickResources());
    platform::user::setScreen(1920, 1080);
}

} // namespace

TEST(StartUp, QuitRequestWhileRunningEndsTheRunClosesTheFailureMessageAndTearsDown) {
    startPlatform();
    scriptInput([] {
        EXPECT_NE(theApp.m_pScriptBridge, nullptr);
        EXPECT_EQ(CShellManager::liveCount(), 1);
        EXPECT_NE(AfxGetMainWnd(), nullptr);
        PostQuitMessage(16); // as the hand-off or a confirmed quit does
    });
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    // The run ended with -1: the failure message was asked for and closed at once by the quit.
    ASSERT_EQ(shownMessageBoxes().size(), 1u);
    EXPECT_EQ(shownMessageBoxes()[0].text, u"启动游戏失败，请重新启动！");
    EXPECT_EQ(shownMessageBoxes()[0].caption, u"【启动失败】");
    EXPECT_TRUE(shownMessageBoxes()[0].endedByQuit);
    EXPECT_EQ(theApp.m_pScriptBridge, nullptr);
    EXPECT_EQ(CShellManager::liveCount(), 0);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_TRUE(platform::user::topLevelWindows().empty());
    EXPECT_EQ(platform::user::pendingQuit(), 16); // the process's exit code
    EXPECT_EQ(theApp.m_pszRegistryKey, std::u16string(u"应用程序向导生成的本地应用程序"));
}

TEST(StartUp, CloseRequestEndsTheRunWithoutMessageOrQuit) {
    startPlatform();
    scriptInput([] { platform::user::closeRequest(AfxGetMainWnd()->m_hWnd); });
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_TRUE(shownMessageBoxes().empty());
    EXPECT_EQ(platform::user::pendingQuit(), std::nullopt);
    EXPECT_TRUE(platform::user::topLevelWindows().empty());
}
