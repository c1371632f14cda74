#pragma once

namespace zyk {

class ScreenshotRegistry;

// The windows of the calculator for "--screenshot": the main window in each of the nine colour
// schemes, "Get a formula" and "Formula name ?". Each works in a scratch folder of its own.
void RegisterCalculatorScreenshots(ScreenshotRegistry& registry);

}  // namespace zyk
