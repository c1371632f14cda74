#include "calculator/NumberText.h"

#include "expression/ExpressionBytes.h"

namespace zyk {

std::string NormaliseNumberText(std::string_view source) {
    std::string text(source);
    if (!text.empty() && text[0] == '-') {
        text[0] = kNegationSign;
    } else if (text.size() > 5 && text[3] == '=' && text[4] == '-') {
        text[4] = kNegationSign;  // a formula "[y]=-..."
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    // The length changes while walking ("--" shrinks, "^" grows): test against the current one.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t last = text.size() - 1;
        if (text[i] == '-' && i != 0 && i < last && text[i + 1] == '-') {
            text.replace(i, 2, "+");
            continue;
        }
        if (text[i] == 'E') {
            text[i] = 'e';
        }
        if (text[i] != 'e' || i == 0 || i == last) {
            continue;
        }
        if (text[i - 1] != kFunctionMarker) {
            if (text[i + 1] == '-') {
                text[i + 1] = kNegationSign;
            }
        } else if (text[i + 1] != '^') {
            text.insert(i + 1, 1, '^');
        }
    }
    return text;
}

}  // namespace zyk
