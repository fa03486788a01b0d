#include "widgets/TextField.h"

bool TextField::endsWithBlinkCaret() const {
    return !caretHidden && caretAtEnd && !content.isEmpty() && content[content.getSize() - 1] == kCaretCharacter;
}

void TextField::removeLast() { content.erase(content.getSize() - 1); }

void TextField::showContent() {
    text.setFillColor(sf::Color::Black);
    text.setString(content);
}

void TextField::showPlaceholder() {
    text.setFillColor(kPlaceholderGrey);
    text.setString(placeholder);
}

void TextField::reset() {
    content.clear();
    cutShort = false;
    caretHidden = true;
    caretAtEnd = true;
    showPlaceholder();
}

sf::String TextField::typedText() const {
    sf::String typed = content;
    if (endsWithBlinkCaret()) typed.erase(typed.getSize() - 1);
    return typed;
}

void TextField::blink(int seconds) {
    if (caretWaits) return;
    if (seconds % 2 == 0) {
        if (caretHidden) {
            content += kCaretCharacter;
            caretHidden = false;
            showContent();
        }
        return;
    }
    // A field that BackSpace emptied while the caret was shown holds no caret
    // any more; resetting the flags here too lets the caret come back in the
    // next even second and refreshes the stale display.
    if (!caretHidden) {
        if (endsWithBlinkCaret()) removeLast();
        caretHidden = true;
        caretAtEnd = true;
        showContent();
    }
}

void TextField::handleEvent(const sf::Event& event) {
    const FieldInput input = fieldInput(event);
    if (input != FieldInput::None) caretWaits = false;
    switch (input) {
        case FieldInput::Erase:
            cutShort = false;
            if (content.isEmpty()) return;
            if (!caretHidden && caretAtEnd) {
                removeLast();  // the caret
                caretAtEnd = false;
                if (content.isEmpty()) return;
            }
            removeLast();
            // A field emptied here keeps its old display until the next
            // blink or click.
            if (!content.isEmpty()) showContent();
            return;
        case FieldInput::Type:
            // The typed character takes the caret's place, so a caret never
            // stands in the middle of the content.
            if (endsWithBlinkCaret()) {
                removeLast();
                caretAtEnd = false;
            }
            if (!characterFits(content, maxLength, event.text.unicode, lowest, highest)) {
                const sf::Uint32 code = event.text.unicode;
                cutShort = cutShort || (code >= lowest && code <= highest);
                return;
            }
            content += event.text.unicode;
            showContent();
            return;
        case FieldInput::None:
            return;
    }
}

void TextField::handleClick(sf::Vector2f point) {
    caretWaits = false;
    if (focusByClick(box, point)) {
        focused = true;
        showContent();
        return;
    }
    loseFocus();
}

void TextField::takeFocus() {
    focused = true;
    caretWaits = true;
    box.setOutlineThickness(kFocusOutline);
}

void TextField::loseFocus() {
    focused = false;
    caretWaits = false;
    if (endsWithBlinkCaret()) removeLast();
    caretHidden = true;
    caretAtEnd = true;
    if (content.isEmpty()) showPlaceholder();
    else showContent();
    box.setOutlineThickness(0);
}
