#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win::controls {

// The text of a single-line edit as code points, with a caret and the selection's other end
// (the anchor). Positions count characters, never bytes, so no edit can split a UTF-8 sequence.
class EditText {
public:
    // The number of characters a user may type or paste before the owner sets another limit.
    static constexpr std::size_t kDefaultLimit = 32767;

    std::string Utf8() const;
    const std::u32string& Characters() const { return text_; }
    std::size_t Length() const { return text_.size(); }

    // Replaces the whole text (control characters dropped, not limited); caret to the start.
    void SetText(std::string_view utf8);
    void SetLimit(std::size_t limit);
    std::size_t Limit() const { return limit_; }

    std::size_t Caret() const { return caret_; }
    std::size_t Anchor() const { return anchor_; }
    std::size_t SelectionStart() const;
    std::size_t SelectionEnd() const;
    bool HasSelection() const { return caret_ != anchor_; }
    std::string SelectedUtf8() const;

    // As EM_SETSEL: a negative start removes the selection and keeps the caret; a negative end
    // means the end of the text; the caret goes to `end`.
    void Select(long long start, long long end);
    void SelectAll();
    // With `extend` the anchor stays, so the selection grows or shrinks.
    void MoveCaretTo(std::size_t position, bool extend);
    void MoveLeft(bool extend);
    void MoveRight(bool extend);
    void MoveHome(bool extend) { MoveCaretTo(0, extend); }
    void MoveEnd(bool extend) { MoveCaretTo(text_.size(), extend); }

    // Typing or pasting: the selection is replaced by as much of the filtered input as the limit
    // allows. Returns whether the text changed.
    bool ReplaceSelection(std::u32string_view input);
    bool DeleteSelection();
    // Backspace and Delete: the selection, else one character before or after the caret.
    bool DeleteBackward();
    bool DeleteForward();

private:
    void Place(std::size_t caret, std::size_t anchor);

    std::u32string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    std::size_t limit_ = kDefaultLimit;
};

}  // namespace win::controls
