#include "platform/controls/edit_text.h"

#include <algorithm>

#include "platform/controls/edit_input_filter.h"
#include "platform/gdi/text/utf8.h"

namespace win::controls {

std::string EditText::Utf8() const {
    return text::EncodeUtf8(text_);
}

void EditText::SetText(std::string_view utf8) {
    text_ = FilterEditInput(utf8, LineBreaks::Drop);
    Place(0, 0);
}

void EditText::SetLimit(std::size_t limit) {
    limit_ = limit == 0 ? kDefaultLimit : limit;
}

std::size_t EditText::SelectionStart() const {
    return std::min(caret_, anchor_);
}

std::size_t EditText::SelectionEnd() const {
    return std::max(caret_, anchor_);
}

std::string EditText::SelectedUtf8() const {
    const std::u32string_view all = text_;
    return text::EncodeUtf8(all.substr(SelectionStart(), SelectionEnd() - SelectionStart()));
}

void EditText::Select(long long start, long long end) {
    if (start < 0) {
        Place(caret_, caret_);
        return;
    }
    const auto length = static_cast<long long>(text_.size());
    const auto clamp = [length](long long position) {
        return static_cast<std::size_t>(position < 0 ? length : std::min(position, length));
    };
    Place(clamp(end), clamp(start));
}

void EditText::SelectAll() {
    Place(text_.size(), 0);
}

void EditText::MoveCaretTo(std::size_t position, bool extend) {
    position = std::min(position, text_.size());
    Place(position, extend ? anchor_ : position);
}

void EditText::MoveLeft(bool extend) {
    if (!extend && HasSelection()) {
        MoveCaretTo(SelectionStart(), false);
        return;
    }
    MoveCaretTo(caret_ == 0 ? 0 : caret_ - 1, extend);
}

void EditText::MoveRight(bool extend) {
    if (!extend && HasSelection()) {
        MoveCaretTo(SelectionEnd(), false);
        return;
    }
    MoveCaretTo(caret_ + 1, extend);
}

bool EditText::ReplaceSelection(std::u32string_view input) {
    const std::size_t start = SelectionStart();
    const std::size_t removed = SelectionEnd() - start;
    const std::size_t room =
        text_.size() - removed >= limit_ ? 0 : limit_ - (text_.size() - removed);
    const std::u32string_view inserted = input.substr(0, std::min(room, input.size()));
    if (removed == 0 && inserted.empty()) {
        return false;
    }
    text_.replace(start, removed, inserted);
    Place(start + inserted.size(), start + inserted.size());
    return true;
}

bool EditText::DeleteSelection() {
    if (!HasSelection()) {
        return false;
    }
    const std::size_t start = SelectionStart();
    text_.erase(start, SelectionEnd() - start);
    Place(start, start);
    return true;
}

bool EditText::DeleteBackward() {
    if (DeleteSelection()) {
        return true;
    }
    if (caret_ == 0) {
        return false;
    }
    text_.erase(caret_ - 1, 1);
    Place(caret_ - 1, caret_ - 1);
    return true;
}

bool EditText::DeleteForward() {
    if (DeleteSelection()) {
        return true;
    }
    if (caret_ >= text_.size()) {
        return false;
    }
    text_.erase(caret_, 1);
    return true;
}

void EditText::Place(std::size_t caret, std::size_t anchor) {
    caret_ = std::min(caret, text_.size());
    anchor_ = std::min(anchor, text_.size());
}

}  // namespace win::controls
