#pragma once

namespace zyk {

class ScreenshotRegistry;

// The constants window for "--screenshot", with "Speed of Light" chosen, in the Gold scheme and
// in the plain one, and "Add/Edit Constant" as Edit opens it for that constant. Each works on
// the default constants in a scratch folder of its own.
void RegisterConstantsScreenshots(ScreenshotRegistry& registry);

}  // namespace zyk
