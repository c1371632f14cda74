#include "shell/ui/SettingsFailureNotice.h"

#include <QTimer>

namespace zyk {

SettingsFailureNotice::SettingsFailureNotice(SettingsStore& store, UserMessages& messages)
    : m_store(store), m_messages(messages) {
    m_store.SetWriteFailureHandler([this](const std::string& message) {
        // The timer belongs to this object: a notice gone before the loop runs shows nothing.
        QTimer::singleShot(0, this, [this, message] {
            m_messages.ShowMessage(message, "", MessageIcon::Warning, MessageButtons::Ok);
        });
    });
}

SettingsFailureNotice::~SettingsFailureNotice() {
    m_store.SetWriteFailureHandler(nullptr);
}

}  // namespace zyk
