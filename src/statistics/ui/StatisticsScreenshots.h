#pragma once

namespace zyk {

class ScreenshotRegistry;

// The statistics window on each page, with data and results, in the Gold and the plain scheme.
void RegisterStatisticsScreenshots(ScreenshotRegistry& registry);

}  // namespace zyk
