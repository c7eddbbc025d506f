// The edit control's text given arbitrary bytes: set as its text, then typed, selected, moved
// through and deleted as the input's bytes say. Positions stay within the text and the text
// stays within its limit once typing has happened.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/controls/edit_input_filter.h"
#include "platform/controls/edit_text.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckPlaces(const win::controls::EditText& edit) {
    Require(edit.Caret() <= edit.Length());
    Require(edit.Anchor() <= edit.Length());
    Require(edit.SelectionStart() <= edit.SelectionEnd());
    Require(edit.Length() == edit.Characters().size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // The first byte splits the rest into the text set at once and the script that follows.
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t split = data[0] % (input.size() + 1);
    win::controls::EditText edit;
    edit.SetText(input.substr(0, split));
    CheckPlaces(edit);
    std::string_view script = input.substr(split);
    edit.SetLimit(script.empty() ? 0 : static_cast<unsigned char>(script[0]));
    for (std::size_t i = 0; i + 1 < script.size(); i += 2) {
        unsigned char operation = static_cast<unsigned char>(script[i]);
        unsigned char argument = static_cast<unsigned char>(script[i + 1]);
        bool extend = (argument & 1) != 0;
        switch (operation % 10) {
            case 0:
                // Typed or pasted text is filtered first, as the control does.
                edit.ReplaceSelection(win::controls::FilterEditInput(
                    script.substr(i, argument % 8), win::controls::LineBreaks::EndInput));
                break;
            case 1:
                edit.Select(static_cast<signed char>(argument),
                            static_cast<signed char>(operation));
                break;
            case 2:
                edit.MoveCaretTo(argument, extend);
                break;
            case 3:
                edit.MoveLeft(extend);
                break;
            case 4:
                edit.MoveRight(extend);
                break;
            case 5:
                edit.DeleteBackward();
                break;
            case 6:
                edit.DeleteForward();
                break;
            case 7:
                edit.SelectAll();
                break;
            case 8:
                edit.SelectedUtf8();
                break;
            case 9:
                edit.SetText(edit.Utf8());
                break;
        }
        CheckPlaces(edit);
    }
    // What it holds is valid text that sets back to the same characters.
    win::controls::EditText copy;
    copy.SetText(edit.Utf8());
    Require(copy.Characters() == edit.Characters());
    return 0;
}
