#pragma once

namespace zyk {

class ScreenshotRegistry;

// The Options dialog on each of its pages, the folder picker and its question.
void RegisterOptionsScreenshots(ScreenshotRegistry& registry);

}  // namespace zyk
