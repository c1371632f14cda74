#pragma once

#include <string>
#include <string_view>

namespace zyk {

// What a link control opens for its text: a text with a scheme ("https://...", "mailto:...")
// as it is, an e-mail address as a "mailto:" link, anything else as a web address.
std::string LinkTargetForText(std::string_view text);

}  // namespace zyk
