// The kinds of change the preview benchmark times: the editing control a user
// acts on, how, and what that does to the mock window. The designer's side and
// the floor program both read this one table, so that they make the same
// changes.
#pragma once
#include <span>
#include <string_view>

namespace bench {

// How the benchmark acts on the control: sets its text as the program does,
// types one key into it, sets a check box, or sets its text to the name of
// a picture file beside the program and presses the button that loads it.
enum class Action { SetText, TypeKey, Check, Pick };

// What the control changes in the mock window.
enum class Property { Left, Top, Width, Height, Caption, Visible, Picture };

struct PreviewChange {
    const char* key;      // names the change on the floor program's command line
    const char* label;    // its row in the table
    const char* control;  // the designer's control that the benchmark acts on
    const char* initial;  // that control's text at start-up ("1" for a checked box)
    Action action;
    const char* element;  // a preview element, or "Frame2" for the mock window itself
    Property property;
    // The values given alternately: texts to set, keys to type ("\b" is
    // Backspace), "0" or "1" for a check box. The first differs from the
    // initial one, so that every change is a change.
    const char* values[2];
    int controlsEnabled = 0;  // editing controls a check box enables and disables with its element
    const char* button = nullptr;  // the designer's button a pick presses
};

std::span<const PreviewChange> PreviewChanges();
// The change of that key, or null.
const PreviewChange* FindPreviewChange(std::string_view key);

}  // namespace bench
