#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/SettingsStore.h"

class QWidget;

namespace zyk {

class ResourceLocator;

// Renders a widget as it would look on screen into a PNG file (works on the offscreen platform).
// The widget is shown for the grab and hidden again if it was hidden. False when the file cannot
// be written.
bool RenderWidgetToPng(QWidget& widget, const QString& path);

// What a screenshot factory gets: a fresh in-memory settings store (never the user's own) and
// the program's resources.
struct ScreenshotContext {
    SettingsStore& store;
    const ResourceLocator& resources;

    // The window is drawn in colour scheme `scheme` (0 is none).
    void UseScheme(int scheme);
};

// The windows that "--screenshot DIR" renders, each under a file name of its own.
class ScreenshotRegistry {
public:
    using Factory = std::function<std::unique_ptr<QWidget>(ScreenshotContext&)>;

    // name: the file name without ".png", e.g. "about-gold".
    void Register(const std::string& name, Factory factory);
    std::vector<std::string> Names() const;

    // Renders every registered window into folder/name.png, each with a fresh store. Returns the
    // files written; a failure is listed in `failures` (when given) as "name: reason".
    QStringList RenderAll(const QString& folder, const ResourceLocator& resources,
                          QStringList* failures = nullptr) const;

private:
    struct Entry {
        std::string name;
        Factory factory;
    };
    std::vector<Entry> m_entries;
};

// Registers the shell's own windows: the About box in three schemes and the help window.
void RegisterShellScreenshots(ScreenshotRegistry& registry);

}  // namespace zyk
