#include "shell/ui/ScreenshotScratch.h"

#include <QDir>

namespace zyk {

std::filesystem::path ScreenshotScratch::Folder() const {
    return std::filesystem::path(QDir::toNativeSeparators(m_folder.path()).toStdString());
}

MessageAnswer ScreenshotScratch::ShowMessage(std::string_view, std::string_view, MessageIcon,
                                             MessageButtons) {
    return MessageAnswer::Ok;
}

std::optional<std::string> ScreenshotScratch::AskText(std::string_view, std::string_view,
                                                      std::string_view) {
    return std::nullopt;
}

}  // namespace zyk
