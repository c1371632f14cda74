#include "shell/ui/ScreenshotRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "shell/ColourScheme.h"
#include "shell/HelpTopics.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
#include "shell/ui/CAboutDlg.h"
#include "shell/ui/CHelpViewer.h"
#include "shell/ui/QtColors.h"
#include "shell/ui/ResourceLocator.h"

namespace zyk {

bool RenderWidgetToPng(QWidget& widget, const QString& path) {
    const bool wasVisible = widget.isVisible();
    if (!wasVisible) {
        widget.show();
    }
    // Let layouts, palettes and pending paints settle before the grab.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QPixmap picture = widget.grab();
    if (!wasVisible) {
        widget.hide();
    }
    return !picture.isNull() && picture.save(path, "PNG");
}

void ScreenshotContext::UseScheme(int scheme) {
    store.Write(settings::kColorsPreset, scheme);
    ApplyScheme(store, CurrentPlatformColours());
}

void ScreenshotRegistry::Register(const std::string& name, Factory factory) {
    m_entries.push_back(Entry{name, std::move(factory)});
}

std::vector<std::string> ScreenshotRegistry::Names() const {
    std::vector<std::string> names;
    names.reserve(m_entries.size());
    for (const Entry& entry : m_entries) {
        names.push_back(entry.name);
    }
    return names;
}

QStringList ScreenshotRegistry::RenderAll(const QString& folder, const ResourceLocator& resources,
                                          QStringList* failures) const {
    QStringList written;
    if (!QDir().mkpath(folder)) {
        if (failures != nullptr) {
            failures->append(folder + QStringLiteral(": the folder cannot be created"));
        }
        return written;
    }
    for (const Entry& entry : m_entries) {
        const QString name = QString::fromStdString(entry.name);
        MemorySettingsStore store;
        ScreenshotContext context{store, resources};
        std::unique_ptr<QWidget> widget = entry.factory ? entry.factory(context) : nullptr;
        const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
        if (!widget) {
            if (failures != nullptr) {
                failures->append(name + QStringLiteral(": no window"));
            }
            continue;
        }
        if (RenderWidgetToPng(*widget, path)) {
            written.append(path);
        } else if (failures != nullptr) {
            failures->append(name + QStringLiteral(": cannot write ") + path);
        }
    }
    return written;
}

namespace {

ScreenshotRegistry::Factory AboutInScheme(int scheme) {
    return [scheme](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        context.UseScheme(scheme);
        return std::make_unique<CAboutDlg>(context.store);
    };
}

}  // namespace

void RegisterShellScreenshots(ScreenshotRegistry& registry) {
    registry.Register("about-gold", AboutInScheme(kGoldScheme));
    registry.Register("about-royal-blue", AboutInScheme(3));
    registry.Register("about-forest-green", AboutInScheme(8));
    registry.Register("about-none", AboutInScheme(kPlainScheme));
    registry.Register("help-introduction", [](ScreenshotContext& context) {
        auto viewer = std::make_unique<CHelpViewer>(context.resources);
        viewer->OpenTopic(kHelpIntroduction);
        return std::unique_ptr<QWidget>(std::move(viewer));
    });
}

}  // namespace zyk
