#pragma once

namespace zyk {

class ScreenshotRegistry;

// The converter window for "--screenshot", showing a conversion (100 degrees Celsius in
// Fahrenheit), in the Gold scheme and in the plain one.
void RegisterConverterScreenshots(ScreenshotRegistry& registry);

}  // namespace zyk
