#pragma once

// The game launcher: its local name next to the executable, what the user is told when it does
// not start, and the exit code the program ends with once it was handed over.
inline constexpr char16_t kLauncherFileName[] = u"orvane_quorn_launch.exe";
inline constexpr char16_t kStartFailureText[] = u"启动游戏失败，请重新启动！";
inline constexpr char16_t kStartFailureCaption[] = u"【启动失败】";
inline constexpr int kLaunchExitCode = 16;
