#pragma once

#include <string>
#include <string_view>

// Help topics are named as "ZykCalc.chm::/Page.htm"; each names one page of the help folder.
namespace zyk {

inline constexpr std::string_view kHelpIntroduction = "ZykCalc.chm::/Introduction.htm";
inline constexpr std::string_view kHelpOptions = "ZykCalc.chm::/Options.htm";
inline constexpr std::string_view kHelpStatistics = "ZykCalc.chm::/Statistics.htm";
inline constexpr std::string_view kHelpProgramming = "ZykCalc.chm::/Programming.htm";

inline constexpr std::string_view kHelpFolder = "help";

// The page file a topic names ("Introduction.htm"), or empty when the text is no topic: it must
// name the help file and a plain page name ending in ".htm", with no folder part.
std::string HelpPageForTopic(std::string_view topic);

}  // namespace zyk
