#pragma once

#include "shell/UserMessages.h"
#include "statistics/ui/StatisticsWindowContext.h"

namespace zyk {

// Open and Save As through QFileDialog. Opening takes only an existing file; saving asks before
// it makes a file that does not exist yet and replaces an existing one without asking.
class CPlatformFileDialogs : public DataFileDialogs {
public:
    explicit CPlatformFileDialogs(UserMessages& messages) : m_messages(messages) {}

    std::optional<QString> ChooseFileToOpen(QWidget* parent, const Request& request) override;
    std::optional<QString> ChooseFileToSave(QWidget* parent, const Request& request) override;

private:
    UserMessages& m_messages;
};

}  // namespace zyk
