// The programs' modal boxes. All are built here rather than by MessageBoxA,
// so that button texts, the default button and the Escape rule are the same
// on every Windows, and no box makes a sound of its own (sounds: ui/Sound.h).
#pragma once
#include <string>

namespace ui {

enum class BoxIcon { None, Stop, Warning };
enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

// Control identifiers inside every box, the same as the platform's message box.
constexpr int kBoxTextId = 0xFFFF;
constexpr int kBoxIconId = 20;

// A modal box owned by the thread's active window, centred on the screen.
// Yes/No boxes answer "No" to Escape and to the close box, Yes/No/Cancel
// boxes "Cancel"; the first button is the default. Texts are code page 932, or UTF-16 where they may hold a
// name that the code page lacks.
BoxAnswer ShowBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon, BoxButtons buttons);
BoxAnswer ShowBox(const std::string& text, const std::string& caption, BoxIcon icon, BoxButtons buttons);

// Plain message: the application title as caption, no icon, OK.
void ShowPlainMessage(const std::string& text);
void ShowPlainMessage(const std::wstring& text);
// The error box for failures: the application title as caption, stop icon, OK.
void ShowErrorBox(const std::wstring& text);
// Typed boxes: "エラー" with the stop icon, "警告" with the warning icon.
void ShowErrorMessage(const std::string& text);
void ShowErrorMessage(const std::wstring& text);
bool AskError(const std::string& question);
bool AskWarning(const std::string& question);
// "警告" with the warning icon: "はい(&Y)", "いいえ(&N)" and "キャンセル".
BoxAnswer AskWarningOrCancel(const std::string& question);

}  // namespace ui
